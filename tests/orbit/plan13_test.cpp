// The propagator's arithmetic: the angle routines, the orbit at its epoch, the
// readout texts and the guards against sets that describe no orbit.
#include "orbit/element_set.h"
#include "orbit/plan13.h"
#include "orbit/plan13_constants.h"
#include "orbit/tracking_labels.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orv::orbit;
using namespace orv::orbit::plan13;

namespace {

// An element set of epoch 2018 day 20.5 with the given eccentricity digits, mean anomaly
// and mean motion, no drag.
ElementSet elementsWith(const char* eccentricity, const char* meanAnomaly, const char* meanMotion) {
    const std::string line1 =
        "1 99999U 18001A   18020.50000000  .00000000  00000-0  00000-0 0  9999";
    const std::string line2 = std::string("2 99999  51.6000 100.0000 ") + eccentricity +
                              "  90.0000 " + meanAnomaly + " " + meanMotion + "    10";
    return parseElementSet(line1, line2);
}

} // namespace

TEST(Arctan, QuadrantsAndAxes) {
    struct Case {
        double y, x, expected;
    };
    for (const Case& c :
         {Case{0, 0, PI / 2}, Case{-1, 0, 3 * PI / 2}, Case{1, 0, PI / 2}, Case{0, -1, PI},
          Case{0, 1, 0}, Case{1, 1, PI / 4}, Case{1, -1, 3 * PI / 4}, Case{-1, -1, 5 * PI / 4},
          Case{-1, 1, 7 * PI / 4}})
        EXPECT_NEAR(arctan(c.y, c.x), c.expected, 1e-12) << c.y << ", " << c.x;
    const double justBelow = arctan(-0.5, 1);
    EXPECT_LT(justBelow, TWO_PI);
    EXPECT_GT(justBelow, TWO_PI - 0.5);
    EXPECT_GE(arctan(-1e-300, 1), 0);
}

TEST(ArcFunctions, DefinedAtAndClampedBeyondTheEnds) {
    EXPECT_DOUBLE_EQ(arcSine(1), PI / 2);
    EXPECT_DOUBLE_EQ(arcSine(1 + 1e-15), PI / 2);
    EXPECT_DOUBLE_EQ(arcSine(-1.0000001), -PI / 2);
    EXPECT_NEAR(arcSine(0.5), std::asin(0.5), 1e-12);
    EXPECT_DOUBLE_EQ(arcCosine(1.0000001), 0);
    EXPECT_DOUBLE_EQ(arcCosine(-1), PI);
    EXPECT_NEAR(arcCosine(0.3), std::acos(0.3), 1e-12);
    EXPECT_TRUE(std::isnan(arcSine(NAN))) << "a fault stays visible to the caller";
}

TEST(Plan13, ACircularOrbitAtItsEpochIsAtTheMeanDistanceAndAnomaly) {
    const ElementSet set = elementsWith("0000000", "123.4567", "15.00000000");
    const Plan13 orbit(set);
    ASSERT_TRUE(orbit.usable());
    SatelliteState state;
    ASSERT_TRUE(orbit.at(orbit.epochDay(), {}, state));
    const double N0 = set.MM / 86400;
    EXPECT_NEAR(state.RS, std::cbrt(GM / N0 / N0), 1e-9);
    EXPECT_NEAR(state.M, set.MA, 1e-12);
    EXPECT_DOUBLE_EQ(state.T, 0);
    EXPECT_NEAR(std::hypot(state.S.x, state.S.y, state.S.z), state.RS, 1e-9);
    // The epoch in the time base: 2018 day 20.5.
    EXPECT_DOUBLE_EQ(orbit.epochDay(), 6595.5);
}

TEST(Plan13, KeplersEquationSettlesEvenForAVeryEccentricOrbit) {
    for (const char* eccentricity : {"0000000", "7199874", "9900000", "9999000"}) {
        const Plan13 orbit(elementsWith(eccentricity, "000.5000", "02.00600000"));
        ASSERT_TRUE(orbit.usable()) << eccentricity;
        SatelliteState state;
        for (double hours : {0.0, 0.01, 3.0, 6.0, 11.9})
            EXPECT_TRUE(orbit.at(orbit.epochDay() + hours / 24, {}, state))
                << eccentricity << " at " << hours << " h";
    }
}

TEST(Plan13, ADragTermThatHasEatenTheOrbitGivesNoPosition) {
    ElementSet set = elementsWith("0010000", "010.0000", "15.50000000");
    set.M2 = TWO_PI * 0.05; // a decaying object's derivative, years after its epoch
    const Plan13 orbit(set);
    SatelliteState state;
    EXPECT_TRUE(orbit.at(orbit.epochDay() + 1, {}, state));
    EXPECT_FALSE(orbit.at(orbit.epochDay() + 1000, {}, state));
}

TEST(Plan13, SetsThatDescribeNoEllipseAreRefused) {
    ElementSet set = elementsWith("0010000", "010.0000", "15.50000000");
    for (double eccentricity : {1.0, 1.5, -0.1}) {
        ElementSet bad = set;
        bad.EC = eccentricity;
        EXPECT_FALSE(Plan13(bad).usable()) << eccentricity;
    }
    set.MM = 0;
    EXPECT_FALSE(Plan13(set).usable());
    set.MM = NAN;
    EXPECT_FALSE(Plan13(set).usable());
}

TEST(Observe, TheStationSeesASatelliteOverheadStraightUp) {
    const Plan13 orbit(elementsWith("0000000", "000.0000", "15.00000000"));
    SatelliteState state;
    ASSERT_TRUE(orbit.at(orbit.epochDay(), {}, state));
    const SubPoint below = subPointOf(state);
    // The station on the radius through the satellite: its geodetic latitude is steeper
    // than the geocentric one, and its vertical leans from the radius by their difference.
    const double geodetic = DEG * std::atan(std::tan(below.latitude * RAD) / ((1 - FL) * (1 - FL)));
    const StationModel station = StationModel::from(geodetic, below.longitude, 0);
    Observation seen;
    ASSERT_TRUE(observe(station, state, seen));
    EXPECT_GT(seen.elevation, 89.75);
    EXPECT_LT(seen.elevation, 90);
    EXPECT_NEAR(seen.range, below.altitude, 25);
    state.S = station.O;
    EXPECT_FALSE(observe(station, state, seen)) << "a satellite on the station has no direction";
}

TEST(TrackingLabels, MeanAnomalyInSteps) {
    struct Case {
        double degrees;
        int expected;
    };
    for (const Case& c : {Case{0, 0}, Case{90, 64}, Case{180, 128}, Case{359.9, 255},
                          Case{1.40625, 1}, Case{358.59375, 255}, Case{1.4, 0}})
        EXPECT_EQ(ma256Of(c.degrees * RAD), c.expected) << c.degrees;
}

TEST(TrackingLabels, Texts) {
    struct Case {
        double value;
        const char* expected;
    };
    for (const Case& c : {Case{0.5, ".5"}, Case{0.04, ".0"}, Case{0.96, "1.0"}, Case{12.34, "12.3"},
                          Case{179.96, "180.0"}, Case{100, "100.0"}})
        EXPECT_EQ(oneDecimalWithoutLeadingZero(c.value).view(), c.expected) << c.value;
    EXPECT_EQ(squintCaption(0.5).view(), "Squint Angle .5 Deg.");
    EXPECT_EQ(rangeCaption(1022.99).view(), "Range 1022 kM");
    EXPECT_EQ(wholeNumberText(255).view(), "255");
}
