#include "sim/sim_rotator.h"
#include "sim/simulated_box.h"

#include <gtest/gtest.h>

namespace orv::sim {
namespace {

TEST(SimRotator, TurnsAtItsSpeedUntilInsideTheDeadband) {
    SimRotator azimuth(360, kAzimuthDegreesPerSecond);
    azimuth.command(500, true, 5);
    azimuth.advance(1);
    EXPECT_EQ(azimuth.count(), 17); // 6 degrees of 360 over 1023 counts
    azimuth.advance(100);
    EXPECT_EQ(azimuth.count(), 500);
    azimuth.command(497, true, 5); // inside the deadband: stays
    azimuth.advance(10);
    EXPECT_EQ(azimuth.count(), 500);
    azimuth.command(400, true, 5);
    azimuth.advance(1);
    EXPECT_EQ(azimuth.count(), 483);
}

TEST(SimRotator, StandsWhenUndrivenOrStuck) {
    SimRotator elevation(kElevationTravel, kElevationDegreesPerSecond, 100);
    elevation.command(300, false, 0);
    elevation.advance(5);
    EXPECT_EQ(elevation.count(), 100);
    elevation.command(300, true, 0);
    elevation.advance(5, true);
    EXPECT_EQ(elevation.count(), 100);
    elevation.advance(1);
    EXPECT_EQ(elevation.count(), 117); // 3 degrees of 180 over 1023 counts
    elevation.command(5000, true, 0);  // targets beyond the travel stop at its end
    elevation.advance(1000);
    EXPECT_EQ(elevation.count(), kMaxCount);
}

TEST(SimRotator, OverlappingRotatorsTurnFewerCountsPerDegree) {
    SimRotator azimuth(450, kAzimuthDegreesPerSecond);
    azimuth.command(1023, true, 0);
    azimuth.advance(10);
    EXPECT_EQ(azimuth.count(), 136);
}

} // namespace
} // namespace orv::sim
