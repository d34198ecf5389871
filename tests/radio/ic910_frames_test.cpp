// The IC-910's band sharing, main-band reading and tone bytes.
#include "radio/civ_frames.h"
#include "radio/ic910_frames.h"

#include <gtest/gtest.h>

using namespace orv::radio;
using ic910::SetupCase;

TEST(Ic910Frames, SetupCasesAndTheirBands) {
    const struct {
        bool up, down, ptt;
        SetupCase setup;
        uint8_t upBand, downBand;
        bool satellite;
    } rows[] = {
        {true, true, false, SetupCase::BothLinksSubUplink, kCivSubBand, kCivMainBand, true},
        {false, true, false, SetupCase::DownlinkOnly, 0, kCivMainBand, false},
        {true, true, true, SetupCase::BothLinksOnMain, kCivMainBand, kCivMainBand, false},
        {true, false, true, SetupCase::UplinkOnly, kCivMainBand, 0, false},
        {false, false, false, SetupCase::None, 0, 0, false},
    };
    for (const auto& row : rows) {
        const SetupCase setup = ic910::setupCase(row.up, row.down, row.ptt);
        EXPECT_EQ(setup, row.setup);
        EXPECT_EQ(ic910::uplinkBand(setup), row.upBand);
        EXPECT_EQ(ic910::downlinkBand(setup), row.downBand);
        EXPECT_EQ(ic910::satelliteMode(setup), row.satellite);
    }
}

TEST(Ic910Frames, ExpectedMainBand) {
    EXPECT_EQ(ic910::expectedMainBand(145.9, 0), 1);
    EXPECT_EQ(ic910::expectedMainBand(435.8, 0), 4);
    EXPECT_EQ(ic910::expectedMainBand(1268, 1124), 1); // through a down-converter
    EXPECT_EQ(ic910::expectedMainBand(2401.4, 1968), 4);
    EXPECT_EQ(ic910::expectedMainBand(1268, 0), 12);
}

TEST(Ic910Frames, MainBandFromTheReadReply) {
    const auto reply = [](uint8_t f4, uint8_t f5) {
        return std::vector<std::optional<uint8_t>>{0xFE, 0xFE, 0xE0, 0x60, 0x03, 0x00,
                                                   0x00, 0x90, f4,   f5,   0xFD};
    };
    EXPECT_EQ(ic910::mainBandCode(reply(0x45, 0x01)), 1);  // 145.9 MHz
    EXPECT_EQ(ic910::mainBandCode(reply(0x35, 0x04)), 4);  // 435.9 MHz
    EXPECT_EQ(ic910::mainBandCode(reply(0x68, 0x12)), 12); // 1268.9 MHz
    EXPECT_FALSE(ic910::mainBandCode(reply(0x39, 0x01)));  // 139: not a band of the radio
    EXPECT_FALSE(ic910::mainBandCode(reply(0x50, 0x04)));  // 450
    EXPECT_FALSE(ic910::mainBandCode(reply(0x00, 0x00)));  // a silent radio
    EXPECT_FALSE(ic910::mainBandCode(reply(0x4A, 0x01)));  // not BCD
    EXPECT_FALSE(ic910::mainBandCode({}));                 // the box reported nothing
    auto cut = reply(0x45, 0x01);
    cut[9].reset();
    EXPECT_FALSE(ic910::mainBandCode(cut));
}

TEST(Ic910Frames, ToneBytes) {
    using Pair = std::array<uint8_t, 2>;
    EXPECT_EQ(ic910::toneBytes("67.0"), (Pair{0x06, 0x70}));
    EXPECT_EQ(ic910::toneBytes("67"), (Pair{0x06, 0x70}));
    EXPECT_EQ(ic910::toneBytes("88.5"), (Pair{0x08, 0x85}));
    EXPECT_EQ(ic910::toneBytes("100"), (Pair{0x10, 0x00}));
    EXPECT_EQ(ic910::toneBytes("254.1"), (Pair{0x25, 0x41}));
    for (const char* field : {"88", "88.55", "08", "0", "", "x", "88.5Hz", "1000", "-88.5"})
        EXPECT_FALSE(ic910::toneBytes(field)) << field;
    EXPECT_TRUE(ic910::isNoTone("0"));
    EXPECT_FALSE(ic910::isNoTone("88.5"));
}
