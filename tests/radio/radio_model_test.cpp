// The radio list: every row, the lookups outside it and the displayed names.
#include "radio/radio_model.h"

#include <gtest/gtest.h>

using namespace orv::radio;

TEST(RadioModels, EveryRowMatchesTheList) {
    const struct {
        int number;
        const char* name;
        RadioFamily family;
        int civ;
        bool satellite, uplink, downlink;
    } rows[] = {
        {1, "FT-736R", RadioFamily::Ft736, 0, false, true, true},
        {2, "FT-847", RadioFamily::Ft847, 0, false, true, true},
        {3, "IC-R8500", RadioFamily::IcomR8500, 0x4A, false, false, true},
        {4, "TS-790", RadioFamily::Kenwood, 0, true, true, true},
        {5, "TS-440S", RadioFamily::Kenwood, 0, false, true, true},
        {6, "TS-680S", RadioFamily::Kenwood, 0, false, true, true},
        {7, "TS-711", RadioFamily::Kenwood, 0, false, true, true},
        {8, "TS-811", RadioFamily::Kenwood, 0, false, true, true},
        {9, "IC-970", RadioFamily::Icom, 0x2E, true, true, true},
        {10, "IC-271", RadioFamily::Icom, 0x20, false, true, true},
        {11, "IC-471", RadioFamily::Icom, 0x22, false, true, true},
        {12, "IC-275", RadioFamily::Icom, 0x10, false, true, true},
        {13, "IC-475", RadioFamily::Icom, 0x14, false, true, true},
        {14, "IC-820", RadioFamily::Icom, 0x42, true, true, true},
        {15, "IC-821", RadioFamily::Icom, 0x4C, true, true, true},
        {16, "FT-757", RadioFamily::Ft757, 0, false, true, true},
        {17, "IC-728", RadioFamily::Icom, 0x38, false, true, true},
        {18, "IC-729", RadioFamily::Icom, 0x3A, false, true, true},
        {19, "IC-751A", RadioFamily::Icom, 0x1C, false, true, true},
        {20, "", RadioFamily::None, 0, false, false, false},
        {21, "IC-706/G", RadioFamily::Icom, 0x58, false, true, true},
        {22, "IC-706", RadioFamily::Icom, 0x48, false, true, true},
        {23, "FT-100", RadioFamily::Ft100, 0, false, true, true},
        {24, "FT-1000", RadioFamily::Ft1000, 0, false, false, true},
        {25, "IC-756PRO", RadioFamily::Icom, 0x5C, false, true, true},
        {26, "TS-2000", RadioFamily::Ts2000, 0, false, true, true},
        {27, "IC-910", RadioFamily::Ic910, 0x60, false, true, true},
        {28, "IC-746", RadioFamily::Icom, 0x56, false, true, true},
        {29, "IC-706II", RadioFamily::Icom, 0x4E, false, true, true},
        {30, "VR-5000", RadioFamily::Vr5000, 0, false, false, true},
        {31, "IC-735", RadioFamily::Icom, 0x04, false, true, true},
        {32, "IC-R7000", RadioFamily::IcomR9000, 0x08, false, false, true},
        {33, "IC-R9000", RadioFamily::IcomR9000, 0x2A, false, false, true},
        {34, "PCR-1000", RadioFamily::Pcr1000, 0, false, false, true},
        {35, "AR5000", RadioFamily::Aor, 0, false, false, true},
        {36, "AR8000", RadioFamily::Aor, 0, false, false, true},
        {37, "IC-1271", RadioFamily::Icom, 0x24, false, true, true},
        {38, "IC-1275", RadioFamily::Icom, 0x18, false, true, true},
    };
    ASSERT_EQ(radioModels().size(), std::size(rows) + 1);
    for (const auto& row : rows) {
        const RadioModel& model = radioModel(row.number);
        SCOPED_TRACE(row.number);
        EXPECT_EQ(model.number, row.number);
        EXPECT_STREQ(model.name, row.name);
        EXPECT_EQ(model.family, row.family);
        EXPECT_EQ(model.civAddress, row.civ);
        EXPECT_EQ(model.satellite, row.satellite);
        EXPECT_EQ(model.uplink, row.uplink);
        EXPECT_EQ(model.downlink, row.downlink);
    }
}

TEST(RadioModels, NumbersOutsideTheListSelectNoRadio) {
    for (int number : {0, -1, 39, 1000, 20})
        EXPECT_EQ(radioModel(number).family, RadioFamily::None) << number;
}

TEST(RadioModels, NumberTwentyNineShowsDifferentNamesByMomentAndSide) {
    EXPECT_EQ(displayedRadioName(29, true, NameMoment::Loaded), "FT-817");
    EXPECT_EQ(displayedRadioName(29, false, NameMoment::Loaded), "IC-706II");
    EXPECT_EQ(displayedRadioName(29, true, NameMoment::Initialised), "IC-706II");
    EXPECT_EQ(displayedRadioName(29, false, NameMoment::Initialised), "IC-746II");
    EXPECT_EQ(displayedRadioName(14, true, NameMoment::Loaded), "IC-820");
    EXPECT_EQ(displayedRadioName(0, true, NameMoment::Loaded), "");
}
