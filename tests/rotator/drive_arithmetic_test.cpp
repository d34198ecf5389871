// Averaging of the position readings, drive angles, the flipped elevation and counts.
#include "rotator/drive_arithmetic.h"

#include <gtest/gtest.h>

namespace orv::rotator {
namespace {

TEST(PositionAverage, ChangesOnTheFourthReadingOnly) {
    PositionAverage average;
    for (int i = 0; i < 4; ++i)
        average.add(400, 100);
    EXPECT_EQ(average.azimuth(), 400);
    average.add(800, 200);
    average.add(800, 200);
    average.add(800, 200);
    EXPECT_EQ(average.azimuth(), 400) << "the third reading leaves the average";
    EXPECT_EQ(average.elevation(), 100);
    average.add(801, 203);
    EXPECT_EQ(average.azimuth(), 800);
    EXPECT_EQ(average.elevation(), 200);
}

// A count past the travel is a garbled reply, not a position: it is left out, so a
// bad reply neither drags the average towards 0 nor starts a new one.
TEST(PositionAverage, ReadingsOutsideTheTravelAreLeftOut) {
    PositionAverage average;
    for (int i = 0; i < 4; ++i)
        average.add(400, 100);
    for (int count : {1024, 1023, 62421, 1023, 1023})
        average.add(count, 300);
    EXPECT_EQ(average.azimuth(), 400) << "three valid readings so far";
    average.add(1023, 300);
    EXPECT_EQ(average.azimuth(), 1023);
    EXPECT_EQ(average.elevation(), 300);
    EXPECT_FALSE(onTravel(1024));
    EXPECT_TRUE(onTravel(1023));
    EXPECT_TRUE(onTravel(0));
    EXPECT_FALSE(onTravel(-3));
}

// A reading taken outside the averaging (a park) starts the next average afresh.
TEST(PositionAverage, ASetPositionRestartsTheAverage) {
    PositionAverage average;
    average.add(900, 100);
    average.add(900, 100);
    average.set(500, 50);
    EXPECT_EQ(average.azimuth(), 500);
    for (int i = 0; i < 3; ++i)
        average.add(520, 60);
    EXPECT_EQ(average.azimuth(), 500);
    average.add(520, 60);
    EXPECT_EQ(average.azimuth(), 520) << "no reading from before the park in it";
}

TEST(DriveAngles, OffsetsLimitsAndWrapping) {
    struct Case {
        const char* what;
        DriveInputs in;
        double azimuth, elevation;
    };
    const Case cases[] = {
        {"plain", {.azimuth = 123, .elevation = 40}, 123, 40},
        {"slewing and offsets",
         {.azSlewing = 5,
          .azOffset = 10,
          .azimuth = 100,
          .elSlewing = 2,
          .elOffset = 3,
          .elevation = 10},
         115,
         15},
        {"offset past north wraps", {.azOffset = 30, .azimuth = 350}, 20, 0},
        {"negative offset wraps", {.azOffset = -30, .azimuth = 10}, 340, 0},
        {"track factor", {.trackFactor = 0.5, .elevation = 60}, 0, 30},
        {"max elevation limits", {.elevation = 80, .maxElevation = 70}, 0, 70},
        {"max elevation 0 does not limit", {.elevation = 89, .maxElevation = 0}, 0, 89},
    };
    for (const auto& c : cases) {
        const DriveAngles angles = driveAngles(c.in);
        EXPECT_DOUBLE_EQ(angles.azimuth, c.azimuth) << c.what;
        EXPECT_DOUBLE_EQ(angles.elevation, c.elevation) << c.what;
    }
}

TEST(DriveAngles, FlippedElevationAndCounts) {
    EXPECT_FALSE(flippedElevation(0.5));
    EXPECT_EQ(flippedElevation(1), 1);
    EXPECT_EQ(flippedElevation(30), 150);
    const double elk = 180.0 / 1023;
    EXPECT_EQ(targetCount(45, elk), 256); // 255.75
    EXPECT_EQ(targetCount(180, elk), 1023);
    EXPECT_EQ(targetCount(400, 360.0 / 1023), 1023);
    EXPECT_EQ(targetCount(-5, elk), 0);
    EXPECT_EQ(highByte(886), 3);
    EXPECT_EQ(lowByte(886), 118);
    EXPECT_EQ(degreesText(12.34), "12.3");
}

} // namespace
} // namespace orv::rotator
