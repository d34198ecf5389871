// The Kenwood drivers through the dispatch: the texts of set-up, tuning, read-back
// and close of the TS-790 and the single-band radios, and the TS-2000's satellite,
// split and single-link set-ups.
#include "radio/kenwood_texts.h"
#include "radio_fixture.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {
using Texts = std::vector<std::string>;

// Uplink 145.9 (mode given), downlink 435.8 LSB.
void modeJ(RadioFixture& f, const char* uplinkMode = "USB") {
    f.record[2] = "145.9";
    f.record[3] = uplinkMode;
    f.record[13] = "435.8";
    f.record[14] = "LSB";
}

void scriptText(RadioFixture& f, const std::string& text) {
    f.scriptReply(Bytes(text.begin(), text.end()));
}
} // namespace

TEST(Kenwood, Ts790SetUpAndTuningGoToItsTwoBands) {
    RadioFixture f(4);
    modeJ(f);
    f.useRadios(4, 4);
    f.radios->radioinit();
    EXPECT_EQ(f.texts(),
              (Texts{"DC0;AI0;FN0;SP0;", "MD2;", "TO0;", "DC1;AI0;FN0;SP0;", "MD1;", "TO0;"}));
    f.sent.clear();
    f.radios->frequency();
    EXPECT_EQ(f.texts(), (Texts{"DC1;FA00435800000;", "DC0;FA00145900000;"}));
    // Every text carries its marker, counted in the bytes on the wire.
    for (const auto& frame : f.sent)
        EXPECT_EQ(radio::payloadBytes(frame, 4).back(), radio::kPayloadEndMarker);
    EXPECT_DOUBLE_EQ(f.timing.transmissionMs, 19 * 1.04);
}

TEST(Kenwood, SingleBandRadiosTakeNoPrefix) {
    RadioFixture f(4);
    modeJ(f);
    f.useRadios(10, 8); // TS-811 on the downlink
    f.radios->radioinit();
    f.sent.clear();
    f.radios->frequency();
    const auto texts = f.texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "FA00435800000;");
    EXPECT_EQ(f.sent.front()[29], 1); // the downlink's port
}

TEST(Kenwood, ModesAndTones) {
    const struct {
        const char* uplinkMode;
        const char* ctcss;
        Texts uplinkSetUp;
    } rows[] = {
        {"CWN", "0", {"AI0;FN0;SP0;", "MD7;", "TO0;"}},
        {"FMN", "0", {"AI0;FN0;SP0;", "MD4;", "TO0;"}},
        {"FM", "08", {"AI0;FN0;SP0;", "MD4;", "TN08;TO1;"}},
        {"FM", "8", {"AI0;FN0;SP0;", "MD4;", "TN08;TO1;"}},
        {"USB", "08", {"AI0;FN0;SP0;", "MD2;"}},  // no tone with SSB
        {"FM", "88.5", {"AI0;FN0;SP0;", "MD4;"}}, // not a tone number: none sent
    };
    for (const auto& row : rows) {
        RadioFixture f(4);
        modeJ(f, row.uplinkMode);
        f.record[22] = row.ctcss;
        f.useRadios(5, 0);
        f.radios->radioinit();
        EXPECT_EQ(f.texts(), row.uplinkSetUp) << row.uplinkMode << " " << row.ctcss;
    }
}

TEST(Kenwood, TheDownlinkSetUpSendsNoToneButSwitchesItOff) {
    RadioFixture f(4);
    modeJ(f, "FM");
    f.record[22] = "08";
    f.useRadios(0, 7); // TS-711: flag 8 at set-up, so no band prefix
    f.radios->radioinit();
    EXPECT_EQ(f.texts(), (Texts{"AI0;FN0;SP0;", "MD1;"}));
}

TEST(Kenwood, InhibitedDownlinkSendsNothing) {
    RadioFixture f(4);
    modeJ(f);
    f.useRadios(0, 8);
    f.radios->controls().Lbl_inhibit_rx_DblClick();
    f.radios->frequency();
    EXPECT_TRUE(f.sent.empty());
}

TEST(Kenwood, Ts790ReadBackReadsTheSubBand) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        RadioFixture f(variant);
        modeJ(f);
        f.useRadios(4, 4);
        f.radios->frequency();
        f.sent.clear();
        f.waits.waits.clear();
        scriptText(f, "FA00435801000;");
        f.panel.gesture("lbl_down_read", core::Gesture::DblClick);
        EXPECT_EQ(f.texts(), (Texts{"DC1;FA;", "DC0;"}));
        EXPECT_EQ(f.sent.front()[variant == 3 ? 60 : 26], 14); // the reply's length
        EXPECT_EQ(f.reads, variant == 3 ? 1 : 2);
        EXPECT_EQ(f.waits.waits,
                  variant == 3 ? (std::vector<int>{300}) : (std::vector<int>{25, 25}));
        EXPECT_NEAR(f.radios->plan().downlink, 435.801001, 1e-7);
        EXPECT_EQ(f.panel.caption("lbl_down_read"), "Read in DnLink");
        EXPECT_EQ(f.radios->link().settings().downlink.parameter, 0);
    }
}

TEST(Kenwood, ReadBackIgnoresOtherBandsAndShowsAMissingAnswer) {
    RadioFixture f(4);
    modeJ(f);
    f.useRadios(0, 6);
    f.radios->frequency();
    scriptText(f, "FA00145900000;");
    f.radios->controls().Lbl_inhibit_rx_DblClick();
    f.panel.gesture("lbl_down_read", core::Gesture::DblClick);
    EXPECT_NEAR(f.radios->plan().downlink, 435.8, 1e-6);
    EXPECT_EQ(f.radios->state().downlinkInhibit, 0);

    scriptText(f, "?;");
    f.panel.gesture("lbl_down_read", core::Gesture::DblClick);
    EXPECT_EQ(f.panel.caption("lbl_down_read"), "ERROR");
}

TEST(Kenwood, CloseSelectsTheMemoryChannel) {
    RadioFixture f(4, "5");
    f.useRadios(4, 6);
    f.radios->shut_down_radios();
    EXPECT_EQ(f.texts(), (Texts{"MC005;", "MC005;"}));
    RadioFixture none(4, "NO");
    none.useRadios(4, 6);
    none.radios->shut_down_radios();
    EXPECT_TRUE(none.sent.empty());
}

TEST(Ts2000, SetUpByLinksAndBands) {
    const struct {
        int up, down;
        const char* downlink;
        Texts texts;
        const char* uplinkModeCaption;
    } rows[] = {
        // One radio, two bands: satellite mode, the uplink on sub.
        {26,
         26,
         "435.8",
         {"FT0;SA1011000;DC00;", "DC11;", "MD2;", "TO0;", "FT0;SA1011000;DC00;", "MD1;", "DC11;",
          "TO0;"},
         "USB"},
        // One radio, one band: split, sending on VFO B.
        {26,
         26,
         "145.95",
         {"FT0;SA0011000;", "MD2;", "FT1;", "TO0;", "MD1;", "TO0;"},
         "Split Mode Simplex"},
        {26, 10, "435.8", {"FT0;SA0011000;", "MD2;", "TO0;"}, "USB"},
        {10, 26, "435.8", {"SA0011000;", "MD1;", "TO0;"}, "USB"},
    };
    for (const auto& row : rows) {
        RadioFixture f(4);
        modeJ(f);
        f.record[13] = row.downlink;
        f.useRadios(row.up, row.down);
        f.radios->radioinit();
        std::vector<std::string> kenwood;
        for (const auto& text : f.texts())
            if (text.back() == ';') kenwood.push_back(text); // the other radio's CI-V aside
        EXPECT_EQ(kenwood, row.texts) << row.up << "/" << row.down << " " << row.downlink;
        EXPECT_EQ(f.panel.caption("lbl_UpMode"), row.uplinkModeCaption);
    }
}

TEST(Ts2000, FmUplinkTakesTheToneOnItsBand) {
    RadioFixture f(4);
    modeJ(f, "FM");
    f.record[22] = "12";
    f.useRadios(26, 26);
    f.radios->radioinit();
    EXPECT_EQ(f.texts(), (Texts{"FT0;SA1011000;DC00;", "DC11;", "MD4;", "TN12;TO1;",
                                "FT0;SA1011000;DC00;", "MD1;", "DC11;"}));
}

TEST(Ts2000, TuningUsesVfoBForTheUplinkOfOneRadio) {
    const struct {
        int up, down;
        Texts texts;
    } rows[] = {
        {26, 26, {"FA00435800000;", "FB00145900000;"}},
        {26, 0, {"FA00145900000;"}},
        {0, 26, {"FA00435800000;"}},
    };
    for (const auto& row : rows) {
        RadioFixture f(4);
        modeJ(f);
        f.useRadios(row.up, row.down);
        f.radios->frequency();
        EXPECT_EQ(f.texts(), row.texts) << row.up << "/" << row.down;
    }
}

TEST(Ts2000, ReadBackAndClose) {
    RadioFixture f(4, "NO");
    modeJ(f);
    f.useRadios(26, 26);
    f.radios->frequency();
    f.sent.clear();
    scriptText(f, "FA00435799000;");
    f.panel.gesture("lbl_down_read", core::Gesture::DblClick);
    EXPECT_EQ(f.texts(), (Texts{"FA;"}));
    EXPECT_NEAR(f.radios->plan().downlink, 435.799001, 1e-7);

    f.sent.clear();
    f.radios->shut_down_radios();
    EXPECT_EQ(f.texts(), (Texts{"FT0;SA0011000;FR0;", "TO0;", "FA00016000000;MD5;",
                                "FT0;SA0011000;", "CT0;", "FA00016000000;MD5;"}));
    RadioFixture memory(4, "3");
    memory.useRadios(26, 0);
    memory.radios->shut_down_radios();
    EXPECT_EQ(memory.texts(), (Texts{"FT0;SA0011000;FR0;", "TO0;"}));
}

TEST(Kenwood, AFrequencyTextThatIsNoFrequencyIsRefused) {
    for (int radio : {8, 26}) {
        RadioFixture f(4);
        f.useRadios(0, radio);
        f.radios->state().frequencyText = "123456";
        f.radios->families().kenwood().tuneDownlink({radio::radioModel(radio)});
        EXPECT_TRUE(f.sent.empty()) << radio;
        EXPECT_EQ(f.radios->link().refusals(), 1) << radio;
        EXPECT_EQ(f.radios->link().lastRefusal(),
                  "frequency text \"123456\" is not a radio frequency");
    }
}
