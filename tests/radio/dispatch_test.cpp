// Set-up, tuning, read-back and close chosen by the record's radio numbers.
#include "radio_fixture.h"

#include <gtest/gtest.h>
#include <set>

using namespace orv;
using namespace orv::test;

namespace {
// The frames addressed to `address`, in order.
std::vector<Bytes> framesTo(const RadioFixture& f, uint8_t address) {
    std::vector<Bytes> out;
    for (const auto& p : f.payloads())
        if (p.size() > 2 && p[2] == address) out.push_back(p);
    return out;
}

const Bytes k145900 = {0x00, 0x00, 0x90, 0x45, 0x01};
const Bytes k435123456 = {0x56, 0x34, 0x12, 0x35, 0x04};
} // namespace

TEST(Dispatch, OneSatelliteRadioTunesUplinkOnMainAndDownlinkOnSub) {
    RadioFixture f(4);
    f.useRadios(14, 14);
    f.radios->radioinit();
    f.sent.clear();
    f.radios->frequency();
    EXPECT_EQ(f.payloads(),
              (std::vector<Bytes>{civ(0x42, 0x07, {0xD1}), civ(0x42, 0x07, {0x00}),
                                  civ(0x42, 0x05, k435123456), civ(0x42, 0x07, {0xD0}),
                                  civ(0x42, 0x07, {0x00}), civ(0x42, 0x05, k145900)}));
    // The tuning calls leave the flag and the VFO selector cleared.
    EXPECT_EQ(f.radios->state().satelliteFlag, 0);
    EXPECT_EQ(f.radios->state().uplinkCiv, 0x42); // the address survives
}

TEST(Dispatch, ASatelliteRadioOnTheDownlinkAloneUsesMain) {
    RadioFixture f(4);
    f.useRadios(10, 14);
    f.radios->radioinit();
    f.sent.clear();
    f.radios->frequency();
    EXPECT_EQ(framesTo(f, 0x42),
              (std::vector<Bytes>{civ(0x42, 0x07, {0xD0}), civ(0x42, 0x07, {0x00}),
                                  civ(0x42, 0x05, k435123456)}));
    EXPECT_EQ(framesTo(f, 0x20),
              (std::vector<Bytes>{civ(0x20, 0x07, {0x00}), civ(0x20, 0x05, k145900)}));
}

TEST(Dispatch, SetUpOfBothLinksAndTheRadioLabels) {
    RadioFixture f(4);
    f.record[3] = "LSB";
    f.record[14] = "USB";
    f.useRadios(15, 15, 2, 2);
    f.radios->pre_radio_init();
    EXPECT_EQ(f.panel.caption("lbl_radio_up"), "IC-821");
    f.radios->radioinit();
    EXPECT_EQ(f.payloads(),
              (std::vector<Bytes>{civ(0x4C, 0x07, {0xD0}), civ(0x4C, 0x0F, {0x00}),
                                  civ(0x4C, 0x07, {0x00}), civ(0x4C, 0x06, {0x00, 0x01}),
                                  civ(0x4C, 0x07, {0xD1}), civ(0x4C, 0x07, {0x00}),
                                  civ(0x4C, 0x06, {0x01, 0x01})}));
    EXPECT_EQ(f.panel.caption("lbl_radio_up"), "IC-821(2)");
    EXPECT_EQ(f.panel.caption("lbl_radio_dn"), "IC-821(2)");
    EXPECT_EQ(f.radioSetupDone, 1);
    EXPECT_EQ(f.radios->state().uplinkInitialised, 1);
    EXPECT_EQ(f.radios->doppler().retuneDownlink, 1);
}

TEST(Dispatch, RadioLabelsOfNumberTwentyNineAndOfNoRadio) {
    RadioFixture f(4);
    f.useRadios(29, 29, 1, 2);
    f.radios->pre_radio_init();
    EXPECT_EQ(f.panel.caption("lbl_radio_up"), "FT-817");
    EXPECT_EQ(f.panel.caption("lbl_radio_dn"), "IC-706II");
    f.radios->radioinit();
    EXPECT_EQ(f.panel.caption("lbl_radio_up"), "IC-706II(1)");
    EXPECT_EQ(f.panel.caption("lbl_radio_dn"), "IC-746II(2)");
    f.useRadios(0, 1);
    f.radios->radioinit();
    EXPECT_EQ(f.panel.caption("lbl_radio_up"), "No Radio");
    EXPECT_EQ(f.panel.caption("lbl_radio_dn"), "FT-736R(2)");
}

TEST(Dispatch, NoSatelliteNoSetUp) {
    RadioFixture f(4);
    f.useRadios(14, 14);
    f.selected = false;
    f.radios->radioinit();
    EXPECT_TRUE(f.sent.empty());
    EXPECT_EQ(f.radioSetupDone, 1); // the serial box is told all the same
}

TEST(Dispatch, ReceiversOnTheDownlink) {
    RadioFixture f(4);
    f.useRadios(10, 33);
    f.radios->radioinit();
    EXPECT_EQ(framesTo(f, 0x2A), (std::vector<Bytes>{civ(0x2A, 0x06, {0x05})}));
    f.sent.clear();
    f.radios->frequency();
    EXPECT_EQ(framesTo(f, 0x2A),
              (std::vector<Bytes>{civ(0x2A, 0x07, {0x00}), civ(0x2A, 0x05, k435123456)}));
}

// The receivers named as uplink radio transmit nothing: set-up, tuning and close skip them.
TEST(Dispatch, ReceiversServeNoUplink) {
    for (int radio : {34, 35, 36}) {
        RadioFixture f(4);
        f.useRadios(radio, 0);
        f.radios->radioinit();
        f.radios->frequency();
        f.radios->shut_down_radios();
        EXPECT_TRUE(f.sent.empty()) << radio;
    }
}

TEST(Dispatch, FtEightFortySevenAsUplinkAddsItsCatDelay) {
    RadioFixture f(4);
    f.useRadios(2, 10);
    f.radios->radioinit();
    EXPECT_DOUBLE_EQ(f.timing.extraCatDelayMs, 50);
    f.useRadios(10, 10);
    f.radios->radioinit();
    EXPECT_DOUBLE_EQ(f.timing.extraCatDelayMs, 0);
}

TEST(Dispatch, FtSevenThirtySixCarriesItsDirectionParameter) {
    RadioFixture f(4);
    f.useRadios(1, 1);
    f.radios->radioinit();
    EXPECT_EQ(f.radios->link().settings().uplink.parameter, 6);
    EXPECT_EQ(f.radios->link().settings().downlink.parameter, 6);
}

TEST(Dispatch, ReadBackByDownlinkRadio) {
    RadioFixture f(4);
    f.useRadios(10, 34);
    f.panel.gesture("lbl_down_read", core::Gesture::DblClick);
    EXPECT_TRUE(f.sent.empty());
    EXPECT_EQ(f.panel.field("lbl_down_read").backColor, core::colour::kDefault);

    f.useRadios(14, 14);
    f.radios->frequency();
    f.sent.clear();
    f.panel.gesture("lbl_fdt", core::Gesture::DblClick);
    ASSERT_FALSE(f.payloads().empty());
    EXPECT_EQ(f.payloads().front(), civ(0x42, 0x07, {0xD1})); // read where it is tuned
    EXPECT_EQ(f.radios->doppler().retuneBoth, 1);
}

TEST(Dispatch, ShutDownClosesBothIcoms) {
    RadioFixture f(4, "5");
    f.useRadios(10, 3);
    f.radios->shut_down_radios();
    EXPECT_EQ(framesTo(f, 0x20),
              (std::vector<Bytes>{civ(0x20, 0x08, {0xA0, 0x00}), civ(0x20, 0x08, {0x05})}));
    EXPECT_EQ(framesTo(f, 0x4A),
              (std::vector<Bytes>{civ(0x4A, 0x08, {0xA0, 0x00}), civ(0x4A, 0x08, {0x05})}));
    EXPECT_EQ(f.sent[0][23], 1);
    EXPECT_EQ(f.sent.back()[29], 1); // the downlink port
    EXPECT_EQ(f.panel.caption("lbl_UpMode"), "Mode");
}

TEST(Dispatch, PttOnlyForOneIcNineTenWithThePttFlag) {
    RadioFixture f(4);
    f.useRadios(14, 14);
    f.record[9] = "PTT";
    f.load();
    f.panel.gesture("lbl_ptt_off", core::Gesture::Click);
    EXPECT_TRUE(f.sent.empty());
    f.useRadios(27, 27);
    f.panel.gesture("lbl_ptt_off", core::Gesture::Click);
    EXPECT_EQ(f.payloads(), (std::vector<Bytes>{civ(0x60, 0x1C, {0x00, 0x01})}));
    EXPECT_EQ(f.radios->state().downlinkInhibit, 1);
    EXPECT_EQ(f.radios->state().uplinkInhibit, 0);
    EXPECT_TRUE(f.panel.visible("lbl_ptt_on"));
    f.panel.gesture("lbl_ptt_on", core::Gesture::Click);
    EXPECT_EQ(f.payloads().back(), civ(0x60, 0x1C, {0x00, 0x00}));
    EXPECT_EQ(f.radios->state().uplinkInhibit, 1);
    EXPECT_EQ(f.radios->state().downlinkInhibit, 0);
}

TEST(Dispatch, ReadBackOnlyWhereTheDownlinkRadioHasOne) {
    const std::set<int> withoutReadBack = {0, 1, 16, 20, 23, 30, 34, 39};
    for (int radio = 0; radio <= 39; ++radio) {
        RadioFixture f(4);
        f.useRadios(10, radio);
        EXPECT_EQ(f.radios->dispatch().readBackDownlink(), !withoutReadBack.contains(radio))
            << radio;
    }
}
