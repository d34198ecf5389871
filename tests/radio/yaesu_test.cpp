// The Yaesu drivers through the dispatch: the frames of set-up, tuning, read-back
// and close, and what a simulated radio of each model makes of them.
#include "radio_fixture.h"
#include "sim/radio_port.h"
#include "sim/yaesu_radio.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {
using Frames = std::vector<Bytes>;

// Uplink 145.9 (mode given), downlink 435.8 LSB.
void modeJ(RadioFixture& f, const char* uplinkMode = "USB") {
    f.record[2] = "145.9";
    f.record[3] = uplinkMode;
    f.record[13] = "435.8";
    f.record[14] = "LSB";
}

// A simulated radio of `model` on `port`, fed every frame sent to that port.
struct RadioOnPort {
    RadioOnPort(const char* model, int portNumber) : port(portNumber) { port.fit(model); }
    void feed(const RadioFixture& f, size_t from = 0) {
        for (size_t k = from; k < f.sent.size(); ++k) {
            const auto& frame = f.sent[k];
            if (frame[29] + 1 != port.number()) continue;
            auto bytes = radio::payloadBytes(frame, 4);
            bytes.pop_back(); // the marker
            port.deliver(bytes);
        }
    }
    const sim::YaesuState& radio() {
        return dynamic_cast<sim::YaesuRadioFamily*>(port.family("Yaesu"))->radio();
    }
    sim::RadioPort port;
};

Frames framesFrom(const RadioFixture& f, size_t from = 0) {
    const auto all = f.payloads();
    return {all.begin() + static_cast<long>(from), all.end()};
}
} // namespace

TEST(Yaesu, Ft847CarryingBothLinksWorksOnItsSatelliteVfos) {
    RadioFixture f(4);
    modeJ(f);
    f.useRadios(2, 2, 1, 1);
    f.radios->radioinit();
    EXPECT_EQ(f.payloads(), (Frames{
                                {0, 0, 0, 0, 0x00},
                                {0, 0, 0, 0, 0x00},
                                {0, 0, 0, 0, 0x4E},
                                {0x01, 0, 0, 0, 0x27},
                                {0x8A, 0, 0, 0, 0x0A},
                                {0x8A, 0, 0, 0, 0x2A},
                                {0x8A, 0, 0, 0, 0x1A},
                                {0, 0, 0, 0, 0x00},
                                {0, 0, 0, 0, 0x4E},
                                {0x8A, 0, 0, 0, 0x2A},
                                {0x00, 0, 0, 0, 0x17},
                            }));
    EXPECT_DOUBLE_EQ(f.timing.extraCatDelayMs, 50);
    const size_t tuned = f.sent.size();
    f.radios->frequency();
    EXPECT_EQ(framesFrom(f, tuned),
              (Frames{{0x43, 0x58, 0x00, 0x00, 0x11}, {0x14, 0x59, 0x00, 0x00, 0x21}}));

    RadioOnPort radio("FT-847", 1);
    radio.feed(f);
    EXPECT_TRUE(radio.radio().cat);
    EXPECT_TRUE(radio.radio().satellite);
    EXPECT_EQ(radio.radio().linkDial(false).hz, 435800000u);
    EXPECT_EQ(radio.radio().linkDial(true).hz, 145900000u);
    EXPECT_EQ(radio.radio().dials[1].mode, 0x00); // LSB receive
    EXPECT_EQ(radio.radio().dials[2].mode, 0x01); // USB transmit

    // Closed once, out of satellite mode and CAT.
    const size_t closed = f.sent.size();
    f.radios->shut_down_radios();
    EXPECT_EQ(framesFrom(f, closed),
              (Frames{{0x8A, 0, 0, 0, 0x2A}, {0, 0, 0, 0, 0x8E}, {0, 0, 0, 0, 0x80}}));
    radio.feed(f, closed);
    EXPECT_FALSE(radio.radio().satellite);
    EXPECT_FALSE(radio.radio().cat);
}

TEST(Yaesu, Ft847WithAnotherDownlinkRadioUsesItsMainVfo) {
    RadioFixture f(4);
    modeJ(f, "FM");
    f.record[22] = "08";
    f.useRadios(2, 15);
    f.radios->radioinit();
    const auto frames = f.payloads();
    ASSERT_GE(frames.size(), 6u);
    EXPECT_EQ(frames[2], (Bytes{0, 0, 0, 0, 0x8E})); // satellite mode off
    EXPECT_EQ(frames[3], (Bytes{0x08, 0, 0, 0, 0x07}));
    // The tone goes where the radio transmits: the main VFO.
    EXPECT_EQ(frames[4], (Bytes{0x4A, 0, 0, 0, 0x0A}));
    EXPECT_EQ(frames[5], (Bytes{0x08, 0, 0, 0, 0x0B}));
    const size_t tuned = f.sent.size();
    f.radios->frequency();
    RadioOnPort radio("FT-847", 1);
    radio.feed(f);
    EXPECT_FALSE(radio.radio().satellite);
    EXPECT_EQ(radio.radio().linkDial(true).hz, 145900000u);
    EXPECT_EQ(radio.radio().ctcss[0], 0x4A);
    EXPECT_EQ(radio.radio().tone[0], 0x08);
    bool sawMainFrequency = false;
    for (const auto& frame : framesFrom(f, tuned))
        if (frame == Bytes{0x14, 0x59, 0x00, 0x00, 0x01}) sawMainFrequency = true;
    EXPECT_TRUE(sawMainFrequency);
}

TEST(Yaesu, Ft847OnOneBandSkipsTheUplinkSetUpAndStaysOutOfSatelliteMode) {
    RadioFixture f(4);
    f.record[2] = "145.9";
    f.record[13] = "145.95";
    f.useRadios(2, 2, 1, 1);
    f.radios->radioinit();
    EXPECT_EQ(f.radios->state().ft847SameBand, 1);
    const auto frames = f.payloads();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames[0], (Bytes{0, 0, 0, 0, 0x00})); // the downlink's single CAT on
    EXPECT_EQ(frames[1], (Bytes{0, 0, 0, 0, 0x8E}));
}

TEST(Yaesu, Ft847ReadBackAppliesTheSatelliteReceiveDialInItsBand) {
    const struct {
        Bytes reply;
        double downlinkAfter; // MHz
    } rows[] = {
        {{0x43, 0x58, 0x12, 0x34, 0x00}, 435.81234}, // in the band: applied
        {{0x14, 0x59, 0x00, 0x00, 0x00}, 435.8},     // 145.9: another band, ignored
    };
    for (const auto& row : rows) {
        RadioFixture f(4);
        modeJ(f);
        f.useRadios(2, 2, 1, 1);
        f.radios->radioinit();
        f.radios->frequency();
        f.radios->controls().lbl_inhibit_tx_DblClick();
        f.scriptReply(row.reply);
        const size_t read = f.sent.size();
        ASSERT_TRUE(f.radios->dispatch().readBackDownlink());
        const auto& command = f.sent[read];
        EXPECT_EQ(framesFrom(f, read).front(), (Bytes{0, 0, 0, 0, 0x13}));
        EXPECT_EQ(command[24], 1); // a read
        EXPECT_EQ(command[26], 5); // five reply bytes
        EXPECT_EQ(f.reads, 2);
        EXPECT_NEAR(f.radios->plan().downlink, row.downlinkAfter, 1e-5);
        EXPECT_EQ(f.radios->state().uplinkInhibit, 0); // both released
    }
}

TEST(Yaesu, Ft736CarryingBothLinksIncluding23cm) {
    RadioFixture f(4);
    f.record[2] = "1269.95";
    f.record[3] = "LSB";
    f.record[13] = "435.8";
    f.record[14] = "USB";
    f.record[22] = "3E";
    f.useRadios(1, 1, 2, 2);
    f.radios->radioinit();
    EXPECT_EQ(f.sent.front()[26], 6); // the FT-736R's direction parameter
    f.radios->frequency();
    RadioOnPort radio("FT-736R", 2);
    radio.feed(f);
    EXPECT_TRUE(radio.radio().cat);
    EXPECT_TRUE(radio.radio().satellite);
    EXPECT_TRUE(radio.radio().toneEncoder);
    EXPECT_EQ(radio.radio().toneCode, 0x3E);
    EXPECT_EQ(radio.radio().linkDial(true).hz, 1269950000u);
    EXPECT_EQ(radio.radio().linkDial(false).hz, 435800000u);
    EXPECT_EQ(radio.radio().dials[2].mode, 0x00);
    EXPECT_EQ(radio.radio().dials[1].mode, 0x01);
    const size_t closed = f.sent.size();
    f.radios->shut_down_radios();
    radio.feed(f, closed);
    EXPECT_FALSE(radio.radio().cat);
    EXPECT_FALSE(radio.radio().satellite);
    EXPECT_EQ(f.sent.size() - closed, 4u); // one close for both links
}

TEST(Yaesu, EveryOtherModelIsSetUpAndTunedAsItsCommandSetSays) {
    const struct {
        int up, down;
        const char* model; // on port 2, the downlink's
        const char* downlinkMode;
        uint64_t downlinkHz; // where the radio's receive dial ends up
        uint8_t mode;
    } rows[] = {
        {0, 16, "FT-757", "USB", 28400000, 0x01},
        {0, 24, "FT-1000", "LSB", 28400000, 0x00},
        {0, 23, "FT-100", "FM", 28400000, 0x06},
        {0, 30, "VR-5000", "USB", 28400000, 0x01},
    };
    for (const auto& row : rows) {
        RadioFixture f(4);
        f.record[2] = "145.9";
        f.record[13] = "28.4";
        f.record[14] = row.downlinkMode;
        f.useRadios(row.up, row.down);
        f.radios->radioinit();
        f.radios->frequency();
        RadioOnPort radio(row.model, 2);
        radio.feed(f);
        EXPECT_EQ(radio.radio().linkDial(false).hz, row.downlinkHz) << row.model;
        EXPECT_EQ(radio.radio().linkDial(false).mode, row.mode) << row.model;
    }
}

TEST(Yaesu, Ft100CarryingBothLinksTransmitsOnVfoB) {
    RadioFixture f(4);
    f.record[2] = "145.9";
    f.record[3] = "USB";
    f.record[13] = "435.8";
    f.record[14] = "LSB";
    f.useRadios(23, 23, 1, 1);
    f.radios->radioinit();
    f.radios->frequency();
    RadioOnPort radio("FT-100", 1);
    radio.feed(f);
    EXPECT_TRUE(radio.radio().split);
    EXPECT_EQ(radio.radio().vfo, 0); // back on the receive VFO
    EXPECT_EQ(radio.radio().linkDial(true).hz, 145900000u);
    EXPECT_EQ(radio.radio().linkDial(false).hz, 435800000u);
    EXPECT_EQ(radio.radio().linkDial(true).mode, 0x01);
    EXPECT_EQ(radio.radio().linkDial(false).mode, 0x00);
}

TEST(Yaesu, Ft1000ReadsItsOperatingData) {
    RadioFixture f(3);
    f.record[13] = "28.4";
    f.useRadios(0, 24, 1, 2);
    f.radios->radioinit();
    f.radios->frequency();
    Bytes data(16, 0);
    data[1] = 0x2B; // 2,841,234 tens of Hz: 28.41234 MHz
    data[2] = 0x5A;
    data[3] = 0x92;
    f.scriptReply(data);
    const size_t read = f.sent.size();
    ASSERT_TRUE(f.radios->dispatch().readBackDownlink());
    EXPECT_EQ(framesFrom(f, read).front(), (Bytes{0, 0, 0, 0x02, 0x10}));
    EXPECT_EQ(f.sent[read][58], 1);  // a read on parallel port 2
    EXPECT_EQ(f.sent[read][60], 16); // sixteen bytes
    EXPECT_NEAR(f.radios->plan().downlink, 28.41234, 1e-5);
}

TEST(Yaesu, InhibitedLinksAndUnusableFrequenciesSendNothing) {
    RadioFixture f(4);
    modeJ(f);
    f.useRadios(2, 30);
    f.radios->radioinit();
    f.radios->controls().lbl_inhibit_tx_DblClick();
    f.radios->controls().Lbl_inhibit_rx_DblClick();
    const size_t tuned = f.sent.size();
    f.radios->frequency();
    EXPECT_EQ(f.sent.size(), tuned);
}

TEST(Yaesu, AFrequencyTheModelCannotTuneIsRefusedNotSent) {
    RadioFixture f(4);
    f.record[2] = "1296.1"; // 23 cm: no band of the FT-847
    f.record[13] = "435.8";
    f.useRadios(2, 10);
    f.radios->radioinit();
    const size_t tuned = f.sent.size();
    f.radios->frequency();
    EXPECT_EQ(f.radios->link().refusals(), 1);
    for (const auto& frame : framesFrom(f, tuned))
        EXPECT_NE(frame.back(), 0x01) << "no FT-847 frequency frame";
}
