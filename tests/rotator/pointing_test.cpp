// Rotator formats, the azimuth on each rotator's travel, and the pass analysis with
// its flip decision, on synthetic passes.
#include "rotator/azimuth_mapping.h"
#include "rotator/pass_analysis.h"
#include "rotator/rotator_format.h"
#include "synthetic_pass.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orv::rotator {
namespace {

const RotatorFormat& fmt(int number) {
    return *rotatorFormat(number);
}

TEST(Scales, DegreesPerCountAndLabelByFormatAndOverride) {
    struct Case {
        int format, override;
        double degPerCount;
        const char* label;
    };
    const Case cases[] = {
        {0, 0, 360.0 / 1023, "lbl_ant0"}, {1, 0, 360.0 / 1023, "lbl_ant1"},
        {2, 0, 450.0 / 1023, "lbl_ant2"}, {3, 0, 450.0 / 1023, "lbl_ant3"},
        {4, 0, 450.0 / 1023, "lbl_ant4"}, {5, 0, 450.0 / 1023, "lbl_ant5"},
        {6, 0, 450.0 / 1023, "lbl_ant2"}, {0, 1, 360.0 / 1023, "lbl_ant1"},
        {2, 4, 450.0 / 1023, "lbl_ant4"},
    };
    for (const auto& c : cases) {
        const auto choice = scales(c.format, c.override);
        ASSERT_TRUE(choice) << c.format;
        EXPECT_DOUBLE_EQ(choice->azDegPerCount, c.degPerCount) << c.format;
        EXPECT_EQ(choice->scaleLabel, c.label) << c.format;
    }
    EXPECT_FALSE(scales(7, 0));
    EXPECT_FALSE(scales(-1, 0));
}

TEST(AzimuthOnRotator, CountsAtBoundariesAndOverlaps) {
    const double k3 = 450.0 / 1023;
    struct Case {
        int format;
        double azimuth, present, count;
    };
    const Case cases[] = {
        {1, 90, 0, 90 / (360.0 / 1023)},
        {1, 360, 0, 0},                    // wrapped
        {1, -10, 0, 350 / (360.0 / 1023)}, // an offset below north wraps, not a count below 0
        {0, 90, 0, 270 / (360.0 / 1023)},
        {0, 270, 0, 90 / (360.0 / 1023)},
        {0, 180, 0, 1023},
        // North-end rotators take the overlap only when standing there.
        {2, 30, 0, 30 / k3},
        {2, 30, 800, 30 / k3},
        {2, 30, 801, 30 / k3 + 818.4},
        {2, 90, 900, 450 / k3},
        {2, 91, 900, 91 / k3},
        {6, 30, 900, 390 / k3},
        // Format 3, south-east start: the overlap is split at 180 degrees.
        {3, 200, 500, 65 / k3},
        {3, 150, 500, 375 / k3},
        {3, 180, 500, 405 / k3},
        {3, 180.5, 500, 45.5 / k3},
        {3, 0, 500, 225 / k3},
        {3, 200, 864, 425 / k3}, // upper end: stays on the upper count
        {3, 200, 863, 65 / k3},
        {3, 225.5, 900, 1023}, // past the end of the travel: held at the end
        {3, 226, 900, 91 / k3},
        {3, 150, 110, 15 / k3}, // lower end: stays on the lower count
        {3, 150, 111, 375 / k3},
        {3, 134.5, 100, 0},
        {3, 134, 100, 359 / k3},
        // Format 4, south start: the overlap (180 to 270) is split at 225.
        {4, 200, 500, 380 / k3},
        {4, 240, 500, 60 / k3},
        {4, 0, 500, 180 / k3},
        {4, 240, 900, 420 / k3},
        {4, 200, 50, 20 / k3},
        // Format 5, north-west start: the overlap (315 to 45) is split at north.
        {5, 0, 500, 405 / k3},
        {5, 10, 500, 55 / k3},
        {5, 330, 500, 375 / k3},
        {5, 330, 50, 15 / k3},
        {5, 10, 900, 415 / k3},
        {5, 180, 500, 225 / k3},
    };
    for (const auto& c : cases) {
        const auto target = azimuthOnRotator(fmt(c.format), c.azimuth, c.present);
        EXPECT_NEAR(target.count, c.count, 1e-6)
            << "format " << c.format << " azimuth " << c.azimuth << " at " << c.present;
        EXPECT_NEAR(target.driveAzimuth, target.count * fmt(c.format).degPerCount(), 1e-9);
    }
}

// Whatever count a format chooses, the rotator standing there points at the azimuth.
TEST(AzimuthOnRotator, ChosenCountPointsAtTheAzimuthForEveryFormat) {
    for (const auto& format : kRotatorFormats)
        for (double present : {0.0, 100.0, 500.0, 900.0, 1023.0})
            for (double azimuth = 0; azimuth < 360; azimuth += 7.5) {
                const auto target = azimuthOnRotator(format, azimuth, present);
                if (target.count <= 0 || target.count >= 1023) continue;
                const double back = trueAzimuthAt(format, target.count);
                const double miss = std::abs(std::remainder(back - azimuth, 360.0));
                EXPECT_LT(miss, 1e-6) << "format " << format.number << " azimuth " << azimuth
                                      << " present " << present;
            }
}

TEST(AzimuthOnRotator, ReadingsAndParking) {
    EXPECT_DOUBLE_EQ(trueAzimuthAt(fmt(3), 0), 135);
    EXPECT_NEAR(trueAzimuthAt(fmt(3), 1023), 225, 1e-9);
    EXPECT_DOUBLE_EQ(trueAzimuthAt(fmt(0), 0), 180);
    EXPECT_DOUBLE_EQ(trueAzimuthAt(fmt(5), 0), 315);
    EXPECT_NEAR(trueAzimuthAt(fmt(2), 900), 900 * 450.0 / 1023 - 360, 1e-9);
    EXPECT_EQ(azimuthBarCount(fmt(0), 100), 611);
    EXPECT_EQ(azimuthBarCount(fmt(0), 600), 88);
    EXPECT_EQ(azimuthBarCount(fmt(2), 600), 600);

    EXPECT_EQ(parkingCount(fmt(1), 0, 321), 321); // 0 degrees: stay where it is
    EXPECT_EQ(parkingCount(fmt(0), 90, 0), 767);  // half a turn from the south start
    EXPECT_EQ(parkingCount(fmt(1), 90, 0), 255);
    EXPECT_EQ(parkingCount(fmt(3), 150, 1000), 852);
    EXPECT_EQ(parkingCount(fmt(3), 150, 50), 34);
}

TEST(Octants, WholeDegreeBoundsInclusiveAndGapsBetween) {
    const std::pair<double, int> cases[] = {{0, 1},   {45, 1},  {45.5, 0}, {46, 2},    {90, 2},
                                            {135, 3}, {136, 4}, {180, 4},  {180.5, 0}, {181, 5},
                                            {270, 6}, {315, 7}, {316, 8},  {359, 8},   {359.5, 0}};
    for (const auto& [azimuth, octant] : cases)
        EXPECT_EQ(octantOf(azimuth), octant) << azimuth;
}

using test::syntheticPass;

TEST(PassAnalysis, SouthCrossingOnASouthStartRotatorIsFlipped) {
    const auto pass = analysePass(syntheticPass(300, 600, 150, 60));
    ASSERT_TRUE(pass);
    EXPECT_TRUE(pass->visits(4, 5));
    EXPECT_EQ(pass->aosOctant, 4);
    EXPECT_DOUBLE_EQ(pass->aosAzimuth, 150);
    EXPECT_EQ(pass->motion, Motion::Increasing);
    const FlipPlan plan = decideFlip(0, *pass, 0);
    EXPECT_TRUE(plan.flip);
    EXPECT_EQ(plan.prePositionElevation, 175);
    EXPECT_EQ(plan.scaleOverride, 1);
    EXPECT_EQ(plan.prePositionCount, int(330 / (360.0 / 1023)) - 512); // from 150 + 180
}

// The decision and the pre-position by format. Where a 450-degree rotator meets a pass
// in its overlap, the side is the one from which the whole pass lies on the travel; it
// is flipped when it crosses the start (formats 3 to 6) or only when nothing else keeps
// it off the end stops (format 2). A flipped pass is parked over the top, at 175 degrees,
// where it rises turned by half a turn.
TEST(PassAnalysis, DecisionByFormat) {
    struct Case {
        const char* what;
        int format;
        double from, sweep;
        bool flip;
        int count; // the pre-position; -1: wherever the rotator points at the rise
    };
    const double k2 = 450.0 / 1023;
    const Case cases[] = {
        {"north crossing, north start", 1, 300, 120, true, int(120 / (360.0 / 1023))},
        {"east pass, north start", 1, 30, 100, false, int(30 / (360.0 / 1023))},
        {"rising north-east, increasing: the low side", 2, 30, 100, false, int(30 / k2)},
        {"rising north-east, decreasing to north-east", 2, 80, -60, false, int(80 / k2)},
        {"rising north-east, decreasing past north: the high side", 2, 80, -140, false,
         int(440 / k2)},
        {"rising west, through north to the north-east", 2, 300, 120, false, int(300 / k2)},
        {"rising south-east, decreasing into the north-east", 2, 140, -100, false, int(140 / k2)},
        {"rising south, turning west", 2, 170, 80, false, int(170 / k2)},
        {"too long for the travel unflipped", 2, 250, 220, true, int(70 / k2)},
        {"south crossing, format 3", 3, 150, 60, true, -1},
        {"north crossing, format 3", 3, 300, 120, false, -1},
        {"south crossing, format 4", 4, 150, 60, true, -1},
        {"north crossing, format 5", 5, 300, 120, true, -1},
        {"north crossing, format 6", 6, 300, 120, true, -1},
    };
    for (const auto& c : cases) {
        const auto pass = analysePass(syntheticPass(100, 700, c.from, c.sweep));
        ASSERT_TRUE(pass) << c.what;
        for (const int standing : {0, 500, 1023}) {
            const FlipPlan plan = decideFlip(c.format, *pass, standing);
            EXPECT_EQ(plan.flip, c.flip) << c.what;
            EXPECT_EQ(plan.prePositionElevation, c.flip ? 175 : 0) << c.what;
            EXPECT_EQ(plan.scaleOverride, c.flip && c.format == 2 ? 4 : 0) << c.what;
            if (c.count >= 0) {
                EXPECT_EQ(plan.prePositionCount, c.count) << c.what;
            }
            const double rising = c.flip ? c.from + 180 : c.from;
            EXPECT_LT(std::abs(std::remainder(
                          trueAzimuthAt(fmt(c.format), plan.prePositionCount) - rising, 360.0)),
                      1)
                << c.what;
        }
    }
}

TEST(PassAnalysis, APathIsPlacedWhereItLiesWholeOnTheTravel) {
    const auto& north450 = fmt(2);
    EXPECT_NEAR(*placeOnTravel(north450, {30, 60, 90, 120}, 0), 30, 1e-9);
    EXPECT_NEAR(*placeOnTravel(north450, {60, 30, 0, 330, 300}, 0), 420, 1e-9);
    EXPECT_NEAR(*placeOnTravel(north450, {300, 330, 0, 30}, 0), 300, 1e-9);
    // 300 to 90 through north, with one step more at each end: 270 to 480.
    EXPECT_FALSE(placeOnTravel(north450, {300, 330, 0, 30, 60, 90}, 0));
    EXPECT_NEAR(*placeOnTravel(north450, {300, 330, 0, 30, 60, 90}, 180), 120, 1e-9);
    EXPECT_FALSE(placeOnTravel(fmt(1), {350, 10}, 0));
    EXPECT_NEAR(*placeOnTravel(fmt(0), {350, 10}, 0), 170, 1e-9);
    EXPECT_FALSE(placeOnTravel(north450, {}, 0));
}

TEST(PassAnalysis, NoDecisionWithoutAWholePassOrWithAFailedPrediction) {
    int calls = 0;
    EXPECT_FALSE(analysePass(syntheticPass(3000, 600, 10, 50, &calls)));
    EXPECT_EQ(calls, 271);                                       // 0 to 2700 seconds in steps of 10
    EXPECT_FALSE(analysePass(syntheticPass(2600, 600, 10, 50))); // still up at the horizon
    int failAfter = 20;
    EXPECT_FALSE(analysePass([&](double seconds) -> std::optional<PredictedLook> {
        if (--failAfter < 0) return std::nullopt;
        return PredictedLook{seconds / 10, 5};
    }));
}

TEST(PassAnalysis, MotionAcrossNorthAndUnclassifiedAzimuths) {
    const auto increasing = analysePass(syntheticPass(50, 600, 355, 20));
    ASSERT_TRUE(increasing);
    EXPECT_EQ(increasing->motion, Motion::Increasing);
    EXPECT_TRUE(increasing->visits(8, 1));
    const auto decreasing = analysePass(syntheticPass(50, 600, 5, -20));
    ASSERT_TRUE(decreasing);
    EXPECT_EQ(decreasing->motion, Motion::Decreasing);
    // A pass that stays between two octants sets no flag and no rising octant.
    const auto between = analysePass(syntheticPass(50, 600, 45.5, 0));
    ASSERT_TRUE(between);
    EXPECT_EQ(between->aosOctant, 0);
    for (int octant = 1; octant <= 8; ++octant)
        EXPECT_FALSE(between->octants[size_t(octant)]);
}

} // namespace
} // namespace orv::rotator
