// keplers: the store lookup, the three modes and what each writes, the element flags
// and the guard that leaves the fields alone on a numeric fault.
#include "core/panel.h"
#include "core/settings_store.h"
#include "core/station_state.h"
#include "core/tracking_state.h"
#include "orbit/element_set.h"
#include "orbit/element_store.h"
#include "orbit/keplers.h"
#include "orbit/plan13.h"
#include "sample_sets.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::orbit;
using namespace orv::test;

namespace {

// 2018 January 20 22:20 UTC: the ISS at 20 degrees over Hastings.
constexpr double kPassDay = 6595 + (22 + 20 / 60.0) / 24;
// Epoch 2018 day 20.5, eccentric, the mean anomaly in columns 44 to 51 left open.
const std::string kEccentric1 =
    "1 99999U 18001A   18020.50000000  .00000000  00000-0  00000-0 0  9999";
std::string eccentric2(const char* meanAnomaly) {
    return std::string("2 99999  63.4000 100.0000 7000000 270.0000 ") + meanAnomaly +
           "  2.00600000    10";
}

struct KeplersTest : ::testing::Test {
    core::SettingsStore settings{":memory:"};
    ElementStore store{settings};
    core::TrackingState tracking;
    core::Panel panel;
    int elementsValid = 0, elementsMissing = 0;
    int clockReadings = 0;
    double now = kPassDay;
    Keplers keplers{
        Keplers::Wiring{store, tracking, panel, {elementsValid, elementsMissing}, [this] {
                            ++clockReadings;
                            tracking.dayNumber = std::floor(now);
                            tracking.dayFraction = now - std::floor(now);
                        }}};

    KeplersTest() {
        keplers.setStationModel(StationModel::from(-39.524, 176.869, 50));
        save("ISS (ZARYA)", kIss1, kIss2);
    }
    void save(const std::string& name, const std::string& line1, const std::string& line2) {
        settings.save(kElementApplication, name, "1", line1);
        settings.save(kElementApplication, name, "2", line2);
    }
    // The position the propagator value gives for the same set, station and instant.
    Observation expected(double day) const {
        const Plan13 orbit(parseElementSet(kIss1, kIss2));
        SatelliteState state;
        Observation seen;
        EXPECT_TRUE(orbit.at(day, {}, state) && observe(keplers.stationModel(), state, seen));
        return seen;
    }
};

} // namespace

TEST_F(KeplersTest, NormalTrackingReadsTheClockAndWritesTheTrackingFieldsAndLabels) {
    keplers.keplers("ISS (ZARYA)");
    const Observation seen = expected(kPassDay);
    EXPECT_EQ(clockReadings, 1);
    EXPECT_EQ(elementsValid, 1);
    EXPECT_EQ(tracking.elementName, "ISS (ZARYA)");
    EXPECT_DOUBLE_EQ(tracking.azimuth, seen.azimuth);
    EXPECT_DOUBLE_EQ(tracking.elevation, seen.elevation + 0.2);
    EXPECT_NEAR(tracking.elevation, 20.27 + 0.2, 1.5);
    EXPECT_DOUBLE_EQ(tracking.rangeRate, seen.rangeRate);
    EXPECT_DOUBLE_EQ(tracking.range, seen.range);
    EXPECT_EQ(panel.caption("lbl_range"), "Range " + std::to_string(int(seen.range)) + " kM");
    EXPECT_EQ(panel.caption("lbl_sq6").rfind("Squint Angle ", 0), 0u);
    EXPECT_EQ(panel.caption("lbl_ma256"), std::to_string(tracking.ma256));
    EXPECT_EQ(tracking.subLongitude, 0) << "map fields are map mode's";
}

TEST_F(KeplersTest, PredictionModeUsesThePresetInstantAndItsOwnFields) {
    tracking.predictMode = 1;
    tracking.dayNumber = 6595;
    tracking.dayFraction = (22 + 30 / 60.0) / 24;
    keplers.keplers("ISS (ZARYA)");
    const Observation seen = expected(6595 + (22 + 30 / 60.0) / 24);
    EXPECT_EQ(clockReadings, 0);
    EXPECT_DOUBLE_EQ(tracking.predictAzimuth, seen.azimuth);
    EXPECT_DOUBLE_EQ(tracking.predictElevation, seen.elevation + 0.2);
    EXPECT_EQ(tracking.azimuth, 0);
    EXPECT_EQ(tracking.elevation, 0);
    EXPECT_EQ(panel.caption("lbl_range"), "Range " + std::to_string(int(seen.range)) + " kM");
    EXPECT_EQ(panel.caption("lbl_ma256"), "");
}

TEST_F(KeplersTest, MapModeWritesTheMapFieldsWithoutBiasAndNoLabels) {
    tracking.mapMode = 1;
    keplers.keplers("ISS (ZARYA)");
    const Observation seen = expected(kPassDay);
    EXPECT_EQ(clockReadings, 1);
    EXPECT_DOUBLE_EQ(tracking.mapAzimuth, seen.azimuth);
    EXPECT_DOUBLE_EQ(tracking.mapElevation, seen.elevation);
    EXPECT_NEAR(tracking.subLongitude, 177.25, 0.15);
    EXPECT_NEAR(tracking.subLatitude, -47.46, 0.15);
    EXPECT_NEAR(tracking.altitude, 420, 20);
    EXPECT_GE(tracking.sunLongitude, 0);
    EXPECT_LT(tracking.sunLongitude, 2 * M_PI);
    EXPECT_NEAR(tracking.sunLatitude, -19.97 * M_PI / 180, 0.002);
    EXPECT_EQ(tracking.azimuth, 0);
    EXPECT_EQ(panel.caption("lbl_range"), "");
    EXPECT_EQ(panel.caption("lbl_sq6"), "");
}

TEST_F(KeplersTest, ASuffixedNameUsesTheSetOfItsBaseName) {
    keplers.keplers("ISS (ZARYA)");
    const double azimuth = tracking.azimuth, elevation = tracking.elevation;
    tracking.azimuth = tracking.elevation = 0;
    keplers.keplers("ISS (ZARYA)_2");
    EXPECT_EQ(tracking.elementName, "ISS (ZARYA)");
    EXPECT_EQ(tracking.azimuth, azimuth);
    EXPECT_EQ(tracking.elevation, elevation);
    EXPECT_EQ(elementsValid, 1);
}

TEST_F(KeplersTest, TheElementFlags) {
    struct Case {
        const char* name;
        int validBefore, validAfter, missingAfter;
    };
    for (const Case& c :
         {Case{"", 1, 0, 0}, Case{core::kNoSatellite, 1, 1, 0}, Case{core::kNoSatellite, 0, 0, 0},
          Case{"AO-51", 1, 0, 1}, Case{"ISS (ZARYA)", 0, 1, 0}}) {
        elementsValid = c.validBefore;
        elementsMissing = 0;
        tracking.azimuth = -1;
        keplers.keplers(c.name);
        EXPECT_EQ(elementsValid, c.validAfter) << '"' << c.name << '"';
        EXPECT_EQ(elementsMissing, c.missingAfter) << '"' << c.name << '"';
        EXPECT_EQ(tracking.azimuth != -1, std::string(c.name) == "ISS (ZARYA)") << c.name;
    }
}

TEST_F(KeplersTest, ANumericFaultLeavesEveryFieldAndLabelAsItWasAndMarksNoPosition) {
    keplers.keplers("ISS (ZARYA)");
    const core::TrackingState before = tracking;
    const std::string range = panel.caption("lbl_range"), ma = panel.caption("lbl_ma256");
    save("GARBLED", kIss1, "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 xx.54190080 95614");
    save("DECAYED", "1 25544U 98067A   18020.89808844  .05000000  00000-0  38550-4 0  9992", kIss2);
    save("SHORT", kIss1, "2 25544  51.6424");
    now = kPassDay + 2000; // years on, the decayed set's drag term has eaten its orbit
    for (const char* name : {"GARBLED", "DECAYED", "SHORT"}) {
        elementsMissing = 0;
        keplers.keplers(name);
        EXPECT_EQ(elementsValid, 0) << name << ": no position to track on";
        EXPECT_EQ(elementsMissing, 1) << name << ": the red label is asked for";
        EXPECT_EQ(tracking.azimuth, before.azimuth) << name;
        EXPECT_EQ(tracking.elevation, before.elevation) << name;
        EXPECT_EQ(tracking.rangeRate, before.rangeRate) << name;
        EXPECT_EQ(tracking.ma256, before.ma256) << name;
        EXPECT_EQ(panel.caption("lbl_range"), range) << name;
        EXPECT_EQ(panel.caption("lbl_ma256"), ma) << name;
    }
}

TEST_F(KeplersTest, MeanAnomalyStepsAtTheEpoch) {
    for (const auto& [column, steps] :
         {std::pair{"180.0000", 128}, {"359.9000", 255}, {"000.0000", 0}, {"090.0000", 64}}) {
        save("ECCENTRIC", kEccentric1, eccentric2(column));
        now = 6595.5;
        keplers.keplers("ECCENTRIC");
        EXPECT_EQ(tracking.ma256, steps) << column;
        EXPECT_EQ(panel.caption("lbl_ma256"), std::to_string(steps)) << column;
    }
}

TEST_F(KeplersTest, TheSquintAngleBelowOneDegreeHasNoLeadingZero) {
    // At apogee, seen from the point below it, the station looks along the line from
    // perigee through the Earth's centre: the squint angle all but vanishes.
    save("ECCENTRIC", kEccentric1, eccentric2("180.0000"));
    now = 6595.5;
    tracking.mapMode = 1;
    keplers.keplers("ECCENTRIC");
    keplers.setStationModel(StationModel::from(tracking.subLatitude, tracking.subLongitude, 0));
    tracking.mapMode = 0;
    keplers.keplers("ECCENTRIC");
    const std::string caption = panel.caption("lbl_sq6");
    EXPECT_EQ(caption.rfind("Squint Angle .", 0), 0u) << caption;
    EXPECT_EQ(caption.substr(caption.size() - 5), " Deg.") << caption;
}
