// The IC-910 driver through the dispatch: the set-up in its order with the band
// exchange and the presence check, tuning per set-up case, tone, read-back and
// close, on scripted box replies.
#include "radio_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

Bytes ic(uint8_t command, Bytes data = {}) {
    return civ(0x60, command, std::move(data));
}

// The radio's answer to the main-band read: main on 2 m (145.0) or on 70 cm (435.0).
const Bytes kTwoMetresOnMain{0xFE, 0xFE, 0xE0, 0x60, 0x03, 0x00, 0x00, 0x00, 0x45, 0x01, 0xFD};
const Bytes kSeventyOnMain{0xFE, 0xFE, 0xE0, 0x60, 0x03, 0x00, 0x00, 0x00, 0x35, 0x04, 0xFD};
const Bytes kExchange = ic(0x07, {0xB0});

// The frames sent to the IC-910, the other link's radio aside.
std::vector<Bytes> toIc910(const RadioFixture& f) {
    std::vector<Bytes> out;
    for (const auto& frame : f.payloads())
        if (frame.size() > 2 && frame[2] == 0x60) out.push_back(frame);
    return out;
}

bool sent(const RadioFixture& f, const Bytes& frame) {
    const auto payloads = f.payloads();
    return std::find(payloads.begin(), payloads.end(), frame) != payloads.end();
}

// Uplink 145.9 USB, downlink 435.8 LSB.
void modeJ(RadioFixture& f) {
    f.record[2] = "145.9";
    f.record[3] = "USB";
    f.record[13] = "435.8";
    f.record[14] = "LSB";
}

} // namespace

TEST(Ic910, SetUpOfBothLinksInItsOrder) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        RadioFixture f(variant);
        modeJ(f);
        f.useRadios(27, 27);
        f.scriptReply(kSeventyOnMain);
        f.radios->radioinit();
        EXPECT_EQ(f.payloads(), (std::vector<Bytes>{
                                    ic(0x1A, {0x07, 0x01}), // satellite mode: full duplex
                                    ic(0x07, {0xD1}),       // sub band
                                    ic(0x07),               // VFO mode
                                    ic(0x07, {0x00}),
                                    ic(0x16, {0x42, 0x00}), // tone off
                                    ic(0x07, {0xD0}),       // main band
                                    ic(0x07),
                                    ic(0x07, {0x00}),
                                    ic(0x0F, {0x00}), // split off
                                    ic(0x16, {0x42, 0x00}),
                                    ic(0x0F, {0x10}), // simplex
                                    ic(0x03),         // which band is on main?
                                    ic(0x07, {0xD0}), // main: the downlink's LSB
                                    ic(0x07, {0x00}),
                                    ic(0x06, {0x00, 0x01}),
                                    ic(0x07, {0xD1}), // sub: the uplink's USB
                                    ic(0x07, {0x00}),
                                    ic(0x06, {0x01, 0x01}),
                                    ic(0x07, {0xD0}), // main again
                                    ic(0x07, {0x00}),
                                }));
        EXPECT_EQ(f.timing.lastTransfer, 1);
        EXPECT_EQ(f.reads, 2);
        EXPECT_TRUE(f.messages.empty());
        EXPECT_EQ(f.silenced, 0);
    }
}

TEST(Ic910, BandsAreExchangedWhenMainIsNotTheExpectedBand) {
    const struct {
        int up, down;
        const char* downlink;
        const char* downConverter;
        const char* ptt;
        Bytes reply;
        bool exchange;
    } rows[] = {
        {27, 27, "435.8", "0", "0", kSeventyOnMain, false}, // case 1
        {27, 27, "435.8", "0", "0", kTwoMetresOnMain, true},
        {27, 27, "435.8", "0", "PTT", kTwoMetresOnMain, true},  // case 3
        {10, 27, "145.9", "0", "0", kTwoMetresOnMain, false},   // case 2
        {10, 27, "1268", "1124", "0", kTwoMetresOnMain, false}, // 1268 through 1124: band 1
        {10, 27, "1268", "1124", "0", kSeventyOnMain, true},
        {27, 10, "145.9", "0", "0", kTwoMetresOnMain, false}, // case 4: the uplink's band
        {27, 10, "435.8", "0", "0", kSeventyOnMain, true},
    };
    for (const auto& row : rows) {
        RadioFixture f(4);
        f.record[2] = "145.9";
        f.record[13] = row.downlink;
        f.record[16] = row.downConverter;
        f.useRadios(row.up, row.down);
        f.record[9] = row.ptt;
        f.load();
        f.scriptReply(row.reply);
        f.radios->radioinit();
        EXPECT_EQ(sent(f, kExchange), row.exchange)
            << row.up << "/" << row.down << " " << row.downlink << " " << row.ptt;
    }
}

TEST(Ic910, ASilentRadioStopsTheSetUpAndSilencesTheBox) {
    RadioFixture f(4);
    modeJ(f);
    f.useRadios(27, 27);
    f.radios->radioinit();
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_EQ(f.messages[0], "IC-910 is not powered ON or is disconnected.\r\n\r\n"
                             "Else check that the baud rate specified in the\r\n"
                             "Main Configuration matches the radio.\r\n\r\n"
                             "Fix the error and restart Orv_Kite 2003");
    EXPECT_EQ(f.silenced, 1);
    EXPECT_EQ(f.payloads().back(), ic(0x03)); // nothing after the read
}

TEST(Ic910, TuningFollowsTheSetUpCase) {
    const struct {
        int up, down;
        const char* ptt;
        Bytes uplinkBand, downlinkBand; // empty: that link is not tuned here
    } rows[] = {
        {27, 27, "0", {0xD1}, {0xD0}},
        {27, 27, "PTT", {0xD0}, {0xD0}},
        {10, 27, "0", {}, {0xD0}},
        {27, 10, "0", {0xD0}, {}},
    };
    for (const auto& row : rows) {
        RadioFixture f(4);
        modeJ(f);
        f.useRadios(row.up, row.down);
        f.record[9] = row.ptt;
        f.load();
        f.scriptReply(row.up == 27 && row.down != 27 ? kTwoMetresOnMain : kSeventyOnMain);
        f.radios->radioinit();
        f.sent.clear();
        f.radios->frequency(); // range rate 0: 145.9 up, 435.8 down
        std::vector<Bytes> expected;
        if (!row.downlinkBand.empty())
            expected = {ic(0x07, row.downlinkBand), ic(0x07, {0x00}),
                        ic(0x05, {0x00, 0x00, 0x80, 0x35, 0x04})};
        if (!row.uplinkBand.empty())
            for (const Bytes& frame : {ic(0x07, row.uplinkBand), ic(0x07, {0x00}),
                                       ic(0x05, {0x00, 0x00, 0x90, 0x45, 0x01})})
                expected.push_back(frame);
        EXPECT_EQ(toIc910(f), expected) << row.up << "/" << row.down << " " << row.ptt;
    }
}

TEST(Ic910, InhibitedLinksAreNotTuned) {
    RadioFixture f(4);
    modeJ(f);
    f.useRadios(27, 27);
    f.scriptReply(kSeventyOnMain);
    f.radios->radioinit();
    f.radios->controls().lbl_inhibit_tx_DblClick();
    f.radios->controls().Lbl_inhibit_rx_DblClick();
    f.sent.clear();
    f.radios->frequency();
    EXPECT_TRUE(f.sent.empty());
}

TEST(Ic910, TheToneGoesToTheUplinkBand) {
    const struct {
        const char* ctcss;
        bool tone;
    } rows[] = {{"88.5", true}, {"67", true}, {"0", false}, {"88", false}, {"08", false}};
    for (const auto& row : rows) {
        RadioFixture f(4);
        modeJ(f);
        f.record[22] = row.ctcss;
        f.useRadios(27, 27);
        f.scriptReply(kSeventyOnMain);
        f.radios->radioinit();
        const auto payloads = f.payloads();
        const auto toneAt = std::find_if(payloads.begin(), payloads.end(), [](const Bytes& frame) {
            return frame.size() > 4 && frame[4] == 0x1B;
        });
        ASSERT_EQ(toneAt != payloads.end(), row.tone) << row.ctcss;
        if (!row.tone) continue;
        EXPECT_EQ(*(toneAt - 2), ic(0x07, {0xD1})) << row.ctcss; // the uplink is on sub
        EXPECT_EQ(*(toneAt + 1), ic(0x16, {0x42, 0x01}));
        if (std::string(row.ctcss) == "88.5") {
            EXPECT_EQ(*toneAt, ic(0x1B, {0x00, 0x08, 0x85}));
        }
    }
}

TEST(Ic910, ReadBackOfTheMainBand) {
    for (int variant : {3, 4}) {
        RadioFixture f(variant);
        modeJ(f);
        f.useRadios(27, 27);
        f.scriptReply(kSeventyOnMain);
        f.radios->radioinit();
        f.radios->frequency();
        f.sent.clear();
        // The dial stands 1 kHz above the plan.
        f.scriptReply({0xFE, 0xFE, 0xE0, 0x60, 0x03, 0x00, 0x10, 0x80, 0x35, 0x04, 0xFD});
        f.panel.gesture("lbl_down_read", core::Gesture::DblClick);
        EXPECT_EQ(f.payloads(), (std::vector<Bytes>{ic(0x07, {0xD0}), ic(0x07, {0x00}), ic(0x03)}));
        EXPECT_EQ(f.sent.back()[variant == 3 ? 58 : 24], 1); // a read on the downlink port
        EXPECT_NEAR(f.radios->plan().downlink, 435.801001, 1e-7) << variant;
        EXPECT_EQ(f.panel.caption("lbl_down_read"), "Read in DnLink");
    }
}

TEST(Ic910, CloseOnceForBothLinks) {
    RadioFixture f(4, "7");
    modeJ(f);
    f.useRadios(27, 27);
    f.record[9] = "PTT";
    f.load();
    f.scriptReply(kSeventyOnMain);
    f.radios->radioinit();
    f.sent.clear();
    f.radios->shut_down_radios();
    EXPECT_EQ(f.payloads(),
              (std::vector<Bytes>{ic(0x1C, {0x00, 0x00}), ic(0x1A, {0x07, 0x00}), ic(0x07, {0xD1}),
                                  ic(0x16, {0x42, 0x00}), ic(0x07, {0xD0}), ic(0x16, {0x42, 0x00}),
                                  ic(0x08, {0x07})}));
}

TEST(Ic910, AFrequencyTextThatIsNoFrequencyIsRefused) {
    RadioFixture f(4);
    f.useRadios(27, 27);
    f.scriptReply(kSeventyOnMain);
    f.radios->radioinit();
    f.sent.clear();
    f.radios->state().frequencyText = "12345678901";
    f.radios->families().ic910().tuneDownlink({radio::radioModel(27), true});
    EXPECT_TRUE(f.sent.empty());
    EXPECT_EQ(f.radios->link().refusals(), 1);
}
