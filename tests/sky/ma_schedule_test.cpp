// The mean-anomaly table built from the stored schedule.
#include "core/sky_store.h"
#include "sky/ma_schedule.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

core::ScheduleTexts schedule(const char* name, std::vector<const char*> firsts,
                             std::vector<const char*> lasts) {
    core::ScheduleTexts keys;
    keys[0] = name;
    for (size_t i = 0; i < firsts.size(); ++i)
        keys[1 + i] = firsts[i]; // keys 2..6
    for (size_t i = 0; i < lasts.size(); ++i)
        keys[6 + i] = lasts[i]; // keys 7..12
    keys[12] = "210";
    keys[13] = "-5.5";
    return keys;
}

TEST(MaSchedule, RowsRunFromAfterThePreviousRowsLastMaToTheirOwn) {
    // Rows 1..3 end at 100, 180 and 255; key 5 (row 5) = 0 ends the schedule.
    const auto table =
        sky::buildMaSchedule(schedule("ao-40", {"101", "181", "1", "0"}, {"100", "180", "255"}));
    EXPECT_EQ(table.satellite, "AO-40");
    const struct {
        int ma;
        const char* entry;
    } cases[] = {{0, ""},          {1, "AO-40_1"},   {100, "AO-40_1"}, {101, "AO-40_2"},
                 {180, "AO-40_2"}, {181, "AO-40_3"}, {255, "AO-40_3"}, {256, ""},
                 {-1, ""},         {257, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(table.at(c.ma), c.entry) << "MA " << c.ma;
    EXPECT_EQ(table.ALON, 210);
    EXPECT_EQ(table.ALAT, -5.5);
}

TEST(MaSchedule, AScheduleThatBuildsNothing) {
    const struct {
        const char* what;
        core::ScheduleTexts keys;
    } cases[] = {
        {"a first row ending at 255", schedule("AO-40", {"50"}, {"255", "100"})},
        {"the sample entry", schedule("Sample Entry", {"101"}, {"100", "200"})},
        {"no name", schedule("", {"101"}, {"100", "200"})},
    };
    for (const auto& c : cases) {
        const auto table = sky::buildMaSchedule(c.keys);
        for (int ma = 0; ma < sky::MaSchedule::kEntries; ++ma)
            ASSERT_EQ(table.at(ma), "") << c.what << ", MA " << ma;
    }
    EXPECT_TRUE(sky::buildMaSchedule(core::defaultSchedule()).satellite.empty());
}

TEST(MaSchedule, ZeroInTheFirstColumnEndsTheRowsAndOutOfRangeMasStayInTheTable) {
    // Row 2 ends the schedule at once; a last MA of 900 is held to the table's end.
    auto table = sky::buildMaSchedule(schedule("FO-29", {"0", "5"}, {"60", "200"}));
    EXPECT_EQ(table.at(60), "FO-29_1");
    EXPECT_EQ(table.at(61), "");
    table = sky::buildMaSchedule(schedule("FO-29", {"1"}, {"60", "900"}));
    EXPECT_EQ(table.at(256), "FO-29_2");
}

} // namespace
