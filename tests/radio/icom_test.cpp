// The Icom CI-V drivers as the dispatch calls them: set-up, tuning, read-back,
// close, and the receivers.
#include "radio_fixture.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;
using radio::kCivMainBand;
using radio::kCivSubBand;

TEST(Icom, TuningSendsTenBcdDigits) {
    RadioFixture f(4);
    f.useRadios(10, 10);
    f.radios->state().frequencyText = "145900000";
    int mdc = 0, mainSub = 0, flag = 0, vfo = 0, address = 0x20, satrig = 0;
    f.radios->link().currentTransfer = 1;
    f.radios->icom().Icom("145900000", mdc, mainSub, flag, vfo, address, satrig);
    EXPECT_EQ(f.payloads(), (std::vector<Bytes>{civ(0x20, 0x07, {0x00}),
                                                civ(0x20, 0x05, {0x00, 0x00, 0x90, 0x45, 0x01})}));
    EXPECT_EQ(f.sent.back()[29], 0); // uplink port 1
    EXPECT_DOUBLE_EQ(f.timing.transmissionMs, 12 * 1.04);
}

TEST(Icom, SatelliteFlagSelectsTheBandFirstAndTheArgumentsAreCleared) {
    RadioFixture f(4);
    f.useRadios(14, 14);
    int mdc = 1, mainSub = kCivSubBand, flag = 1, vfo = 0, address = 0x42, satrig = 0;
    f.radios->link().currentTransfer = 2;
    f.radios->icom().Icom("435123450", mdc, mainSub, flag, vfo, address, satrig);
    EXPECT_EQ(f.payloads(), (std::vector<Bytes>{civ(0x42, 0x07, {0xD1}), civ(0x42, 0x07, {0x00}),
                                                civ(0x42, 0x05, {0x50, 0x34, 0x12, 0x35, 0x04})}));
    EXPECT_EQ(mdc + mainSub + flag + vfo + address, 0);
}

TEST(Icom, AnInhibitedLinkSendsNothingAndKeepsItsArguments) {
    RadioFixture f(4);
    f.useRadios(14, 14);
    f.radios->state().uplinkInhibit = 1;
    int mdc = 0, mainSub = kCivMainBand, flag = 1, vfo = 1, address = 0x42, satrig = 1;
    f.radios->icom().Icom("145900000", mdc, mainSub, flag, vfo, address, satrig);
    EXPECT_TRUE(f.sent.empty());
    EXPECT_EQ(mainSub, kCivMainBand);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(vfo, 1);
    EXPECT_EQ(address, 0x42);
    EXPECT_EQ(satrig, 1);
    // The downlink still tunes.
    mdc = 1;
    f.radios->icom().Icom("145900000", mdc, mainSub, flag, vfo, address, satrig);
    EXPECT_FALSE(f.sent.empty());
}

TEST(Icom, SatelliteRigSkipsTheVfoSelectOnce) {
    RadioFixture f(4);
    f.useRadios(10, 10);
    int mdc = 0, mainSub = 0, flag = 0, vfo = 0, address = 0x20, satrig = 1;
    f.radios->icom().Icom("145900000", mdc, mainSub, flag, vfo, address, satrig);
    EXPECT_EQ(f.payloads().size(), 1u);
    EXPECT_EQ(satrig, 0);
}

TEST(Icom, ABrokenFrequencyTextIsNotSent) {
    RadioFixture f(4);
    f.useRadios(10, 10);
    int mdc = 0, mainSub = 0, flag = 0, vfo = 0, address = 0x20, satrig = 0;
    f.radios->icom().Icom("", mdc, mainSub, flag, vfo, address, satrig);
    f.radios->icom().Icom("123456", mdc, mainSub, flag, vfo, address, satrig);
    EXPECT_TRUE(f.sent.empty());
}

TEST(Icom, SetUpSendsBandSplitVfoAndMode) {
    RadioFixture f(4);
    f.record[3] = "USB";
    f.useRadios(14, 14);
    auto& state = f.radios->state();
    state.uplinkCiv = 0x42;
    int flag = 1, mdx = 0, vfo = 0, splits = 0, satrig = 0;
    f.radios->icom().init_icom(kCivMainBand, flag, mdx, vfo, splits, satrig, 1);
    EXPECT_EQ(f.payloads(),
              (std::vector<Bytes>{civ(0x42, 0x07, {0xD0}), civ(0x42, 0x0F, {0x00}),
                                  civ(0x42, 0x07, {0x00}), civ(0x42, 0x06, {0x01, 0x01})}));
    // The downlink has no split command.
    f.sent.clear();
    state.downlinkCiv = 0x42;
    mdx = 1;
    flag = 0;
    f.radios->icom().init_icom(kCivSubBand, flag, mdx, vfo, splits, satrig, 2);
    EXPECT_EQ(f.payloads(),
              (std::vector<Bytes>{civ(0x42, 0x07, {0x00}), civ(0x42, 0x06, {0x05, 0x01})}));
}

TEST(Icom, AModeWithACommaSendsNothingAtSetUp) {
    RadioFixture f(4);
    f.record[3] = "SSB,3K";
    f.useRadios(14, 14);
    int flag = 1, mdx = 0, vfo = 0, splits = 0, satrig = 0;
    f.radios->icom().init_icom(kCivMainBand, flag, mdx, vfo, splits, satrig, 1);
    EXPECT_TRUE(f.sent.empty());
}

namespace {
const Bytes k145900Reply = {0xFE, 0xFE, 0xE0, 0x42, 0x03, 0x00, 0x00, 0x90, 0x45, 0x01, 0xFD};
const Bytes k145850Reply = {0xFE, 0xFE, 0xE0, 0x42, 0x03, 0x00, 0x00, 0x85, 0x45, 0x01, 0xFD};
} // namespace

TEST(Icom, ReadBackOnBothVariants) {
    for (int variant : {3, 4}) {
        RadioFixture f(variant);
        f.record[13] = "145.9";
        f.useRadios(10, 14);
        f.tracking.rangeRate = 0;
        f.radios->frequency();
        f.sent.clear();
        f.scriptReply(k145850Reply);
        f.radios->icom().readback_icom_rx(0x42, kCivSubBand, 1, 0, 0);
        EXPECT_EQ(f.payloads(),
                  (std::vector<Bytes>{civ(0x42, 0x07, {0xD1}), civ(0x42, 0x07, {0x00}),
                                      civ(0x42, 0x03), civ(0x42, 0x07, {0xD0})}))
            << variant;
        EXPECT_EQ(f.timing.lastTransfer, 2);
        EXPECT_EQ(f.reads, 2);
        EXPECT_NEAR(f.radios->plan().downlink, 145.850001, 1e-7) << variant;
        EXPECT_EQ(f.panel.caption("lbl_down_read"), "Read in DnLink");
        EXPECT_EQ(f.radios->state().readDone, 1);
        EXPECT_EQ(f.radios->link().settings().downlink.parameter, 0);
    }
}

TEST(Icom, AReadInAnotherBandIsIgnoredButReleasesTheInhibits) {
    RadioFixture f(4);
    f.record[13] = "435.8";
    f.useRadios(10, 14);
    f.radios->frequency();
    f.radios->controls().Lbl_inhibit_rx_DblClick();
    f.scriptReply(k145900Reply);
    f.radios->icom().readback_icom_rx(0x42, kCivSubBand, 1, 0, 0);
    EXPECT_NEAR(f.radios->plan().downlink, 435.8, 1e-6);
    EXPECT_EQ(f.radios->state().downlinkInhibit, 0);
}

TEST(Icom, NoUsableAnswerShowsTheError) {
    RadioFixture f(4);
    f.record[13] = "145.9";
    f.useRadios(10, 14);
    f.radios->frequency();
    f.radios->icom().readback_icom_rx(0x42, 0, 0, 0, 0);
    EXPECT_EQ(f.panel.caption("lbl_down_read"), "ERROR");
    EXPECT_NEAR(f.radios->plan().downlink, 145.9, 1e-6);
}

TEST(Icom, CloseSelectsTheMemoryChannel) {
    RadioFixture f(4, "12");
    f.useRadios(14, 10);
    f.radios->state().uplinkCiv = 0x42;
    f.radios->icom().icom_close(1);
    EXPECT_EQ(f.payloads(),
              (std::vector<Bytes>{civ(0x60, 0x1A, {0x07, 0x00}), civ(0x60, 0x16, {0x42, 0x00}),
                                  civ(0x42, 0x08, {0xA0, 0x00}), civ(0x42, 0x08, {0x12})}));
    EXPECT_EQ(f.waits.waits, (std::vector<int>{100}));
    RadioFixture no(4, "NO");
    no.useRadios(14, 10);
    no.radios->state().uplinkCiv = 0x42;
    no.radios->icom().icom_close(1);
    EXPECT_EQ(no.payloads().size(), 3u);
}

TEST(Icom, Receivers) {
    RadioFixture f(4);
    f.record[14] = "FMW";
    f.useRadios(0, 3);
    f.radios->icom().init8500(2);
    EXPECT_EQ(f.payloads(),
              (std::vector<Bytes>{civ(0x4A, 0x06, {0x06, 0x01}), civ(0x4A, 0x10, {0x00})}));
    f.sent.clear();
    f.radios->state().frequencyText = "145900000";
    f.radios->link().currentTransfer = 2;
    f.radios->icom().R8500();
    EXPECT_EQ(f.payloads(), (std::vector<Bytes>{civ(0x4A, 0x05, {0x00, 0x00, 0x90, 0x45, 0x01})}));
    f.radios->state().downlinkInhibit = 1;
    f.radios->icom().R8500();
    EXPECT_EQ(f.sent.size(), 1u);
    f.sent.clear();
    f.radios->state().downlinkCiv = 0x2A;
    f.radios->icom().init_R9000("USB", 2);
    EXPECT_EQ(f.payloads(), (std::vector<Bytes>{civ(0x2A, 0x06, {0x01})}));
}
