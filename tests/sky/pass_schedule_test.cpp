// Passes found by scan and bisection: a pass under way is found whole from its true
// rise, the window's ends cut a pass and say so, a horizon table moves AOS and LOS to
// the seconds the satellite is clear, and the path runs from the rise to the set.
#include "orbit/day_instant.h"
#include "orbit/element_set.h"
#include "sky/horizon_table.h"
#include "sky/pass_schedule.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

const orbit::Plan13 kIss(orbit::parseElementSet(
    "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992",
    "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614"));
const orbit::StationModel kHastings = orbit::StationModel::from(-39.524, 176.869, 7);

double dayOf(const char* utc) {
    return orbit::dayOfUtc(orbit::parseUtcInstant(utc));
}

} // namespace

TEST(PassSchedule, APassUnderWayIsFoundWholeAndTheWindowsEndsCutIt) {
    const sky::PassSky sky{kIss, kHastings};
    const double from = dayOf("2018-01-20 21:00:00");
    const auto passes = sky::findPasses(sky, from, from + 1, 0);
    ASSERT_GE(passes.size(), 2u);
    const sky::Pass& first = passes[0];
    EXPECT_FALSE(first.cutAtStart);
    EXPECT_LT(first.aos, first.peak);
    EXPECT_LT(first.peak, first.los);
    EXPECT_GE(sky.elevation(first.aos), 0);
    EXPECT_LT(sky.elevation(first.aos - sky::kSecondOfDay), 0);
    EXPECT_GE(sky.elevation(first.los), 0);
    EXPECT_LT(sky.elevation(first.los + sky::kSecondOfDay), 0);

    const double middle = (first.aos + first.los) / 2;
    const auto current = sky::currentOrNextPass(sky, middle, 1);
    ASSERT_TRUE(current);
    EXPECT_DOUBLE_EQ(current->aos, first.aos);
    EXPECT_DOUBLE_EQ(current->los, first.los);

    const auto cut = sky::findPasses(sky, middle, first.los + 60 * sky::kSecondOfDay, 0);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_TRUE(cut[0].cutAtStart);
    EXPECT_FALSE(cut[0].cutAtEnd);
    EXPECT_DOUBLE_EQ(cut[0].aos, middle);
    const auto ending = sky::findPasses(sky, first.aos - sky::kSecondOfDay, middle, 0);
    ASSERT_EQ(ending.size(), 1u);
    EXPECT_TRUE(ending[0].cutAtEnd);
    EXPECT_DOUBLE_EQ(ending[0].los, middle);

    const auto after = sky::currentOrNextPass(sky, first.los + sky::kSecondOfDay, 1);
    ASSERT_TRUE(after);
    EXPECT_DOUBLE_EQ(after->aos, passes[1].aos);
}

TEST(PassSchedule, AHorizonTableMovesAosAndLosToTheClearSeconds) {
    const double from = dayOf("2018-01-20 21:00:00");
    const sky::PassSky open{kIss, kHastings};
    const sky::Pass plain = sky::findPasses(open, from, from + 1, 0, 1).at(0);
    ASSERT_TRUE(plain.clearFrom && plain.clearTo);
    EXPECT_EQ(plain.hiddenSeconds, 0);

    core::HorizonSegments segments{};
    segments.fill(5); // five degrees of obstruction all round
    const sky::HorizonTable table(segments);
    const sky::PassSky walled{kIss, kHastings, &table};
    const sky::Pass hidden = sky::findPasses(walled, from, from + 1, 0, 1).at(0);
    ASSERT_TRUE(hidden.clearFrom && hidden.clearTo);
    EXPECT_DOUBLE_EQ(hidden.aos, plain.aos) << "the geometric rise stays";
    EXPECT_GT(*hidden.clearFrom, plain.aos);
    EXPECT_LT(*hidden.clearTo, plain.los);
    EXPECT_GE(walled.elevation(*hidden.clearFrom), 5 - 1);
    EXPECT_GT(hidden.hiddenSeconds, 0);
    EXPECT_LT(hidden.durationSeconds(), plain.durationSeconds());

    segments.fill(90); // nothing is ever clear
    const sky::HorizonTable wall(segments);
    const sky::Pass never =
        sky::findPasses(sky::PassSky{kIss, kHastings, &wall}, from, from + 1, 0, 1).at(0);
    EXPECT_FALSE(never.clearFrom);
    EXPECT_EQ(never.durationSeconds(), 0);
}

TEST(PassSchedule, ThePathRunsFromTheRiseToTheSet) {
    const sky::PassSky sky{kIss, kHastings};
    const double from = dayOf("2018-01-20 21:00:00");
    const sky::Pass pass = sky::findPasses(sky, from, from + 1, 0, 1).at(0);
    const auto track = sky::passTrack(sky, pass, 15);
    ASSERT_GE(track.size(), 3u);
    EXPECT_NEAR(track.front().azimuth, pass.aosAzimuth, 1e-9);
    EXPECT_NEAR(track.back().azimuth, pass.losAzimuth, 1e-9);
    double highest = -90;
    for (const auto& point : track)
        highest = std::max(highest, point.elevation);
    EXPECT_NEAR(highest, pass.peakElevation, 0.5);
    EXPECT_TRUE(sky::passTrack(sky, pass, 0).empty());
}
