// The horizon table: which entry an azimuth reads, the two obscuration rules, and the
// stored table's first-run creation.
#include "core/settings_store.h"
#include "core/sky_store.h"
#include "sky/horizon_table.h"

#include <gtest/gtest.h>
#include <limits>

using namespace orv;

namespace {

// Segment s obstructed to s degrees: the entry read tells which segment it belongs to.
sky::HorizonTable numberedTable() {
    core::HorizonSegments segments{};
    for (int s = 1; s <= core::kHorizonSegments; ++s)
        segments[size_t(s - 1)] = s;
    return sky::HorizonTable(segments);
}

TEST(HorizonTable, AnAzimuthReadsTheEntryOfItsWholeDegree) {
    const auto table = numberedTable();
    const struct {
        double azimuth;
        double entry;
    } cases[] = {
        {0.0, 1},    {0.4, 1},    {0.99, 1},   {1.0, 1},
        {10.9, 1},   {11.0, 2},   {20.5, 2},   {21.0, 3},
        {359.9, 36}, {360.0, 36}, {360.5, 36}, {361.0, 0},
        {370.9, 0},  {371.0, 0},  {-0.5, 0},   {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(table.at(c.azimuth), c.entry) << "azimuth " << c.azimuth;
}

TEST(HorizonTable, TheMainLoopAndTheMapTestTheTableByTheirOwnRules) {
    core::HorizonSegments segments{};
    segments[1] = 15; // 11..20 degrees of azimuth: a building 15 degrees high
    const sky::HorizonTable table(segments);
    const struct {
        double azimuth, elevation;
        bool tracked, map;
    } cases[] = {
        {15, 14.9, true, true},   // behind it
        {15, 15.0, false, false}, // level with the top: seen
        {15, 0.1, true, true},    // just up, behind it
        {15, 0.05, false, true},  // the main loop never marks below 0.1 degree
        {15, -2, false, true},    // below the horizon: the map calls it hidden
        {25, 5, false, false},    // a segment of 0 never hides
        {25, -5, false, false},   {0.4, 1, false, false}, // the first segment: clear
        {10.9, 1, false, false},                          // first segment
        {11.0, 1, true, true},                            // second segment
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.hidesTracked(c.azimuth, c.elevation), c.tracked)
            << c.azimuth << "/" << c.elevation;
        EXPECT_EQ(table.hidesOnMap(c.azimuth, c.elevation), c.map)
            << c.azimuth << "/" << c.elevation;
    }
}

TEST(HorizonStore, TheFirstLoadCreatesAnEmptyTableAndLaterLoadsKeepTheOperatorsValues) {
    core::SettingsStore store(":memory:");
    EXPECT_TRUE(core::ensureHorizonTable(store));
    EXPECT_EQ(store.get("ORV_SAT2", "horizan", "1"), "1");
    for (int key = 2; key <= 37; ++key)
        EXPECT_EQ(store.get("ORV_SAT2", "horizan", std::to_string(key)), "0");

    store.save("ORV_SAT2", "horizan", "3", "12.5");
    EXPECT_FALSE(core::ensureHorizonTable(store));
    const auto segments = core::readHorizonSegments(store);
    EXPECT_EQ(segments[1], 12.5);
    EXPECT_EQ(sky::HorizonTable(segments).at(11), 12.5);
    EXPECT_EQ(sky::HorizonTable(segments).at(21), 0);
}

TEST(HorizonStore, TextWithoutANumberReadsAsNoObstruction) {
    core::SettingsStore store(":memory:");
    core::ensureHorizonTable(store);
    store.save("ORV_SAT2", "horizan", "2", "tree");
    store.save("ORV_SAT2", "horizan", "4", "7deg");
    const auto segments = core::readHorizonSegments(store);
    EXPECT_EQ(segments[0], 0);
    EXPECT_EQ(segments[2], 7);
}

TEST(HorizonStore, SegmentLabelsNameTheirAzimuths) {
    EXPECT_EQ(core::horizonSegmentLabel(1), "0 to 10");
    EXPECT_EQ(core::horizonSegmentLabel(2), "11 to 20");
    EXPECT_EQ(core::horizonSegmentLabel(36), "351 to 360");
}

} // namespace
