// The map in the station: the pictures at start-up, a drawing at each map update with
// the satellites, the sun and the grey line, the controls, and a click selecting the
// satellite under it through the main loop.
#include "core/satellite_db.h"
#include "sky/map_hit_test.h"
#include "sky/map_renderer.h"
#include "station/map_display.h"
#include "test_station.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;
using orv::test::TestStation;

namespace {

constexpr const char* kIss = "ISS (ZARYA)";
constexpr int kUpdateTicks = 5; // key 30 (5 s) at a tick of 1000 ms

struct StationMap : ::testing::Test {
    void SetUp() override {
        t.clock.set(QDateTime(QDate(2018, 1, 21), QTime(0, 0, 0)));
        t.watchMap();
        auto& configuration = t.station->configuration();
        configuration.makes_cfg(4);
        configuration.write(4, 28, "1000");
        t.station->satelliteDb().save(core::satelliteTemplate(false, kIss));
        t.station->satelliteDb().save(core::satelliteTemplate(false, "AO-7"));
    }
    void startAndUpdate() {
        t.start();
        update();
    }
    void update() { t.tick(kUpdateTicks + 1); }
    const station::MapDisplay& map() { return t.station->mapDisplay(); }
    const sky::MapSatellite* drawn(const std::string& name) {
        for (const auto& satellite : map().scene.satellites)
            if (satellite.name == name) return &satellite;
        return nullptr;
    }
    QPoint pixelOf(double longitude, double latitude) {
        const sky::MapPoint at = sky::sat_pos(longitude, latitude, map().type);
        return sky::toPixels({double(at.x), double(at.y)}, map().image.size()).toPoint();
    }
    int changedAround(QPoint centre) {
        int changed = 0;
        for (int dy = -8; dy <= 8; ++dy)
            for (int dx = -8; dx <= 8; ++dx) {
                const QPoint at = centre + QPoint(dx, dy);
                changed += map().image.pixel(at) != map().pictures.day().pixel(at);
            }
        return changed;
    }
    void click(double longitude, double latitude) {
        const sky::MapPoint at = sky::sat_pos(longitude, latitude, map().type);
        t.station->panel().gesture("Picture1", core::Gesture::MouseDown, sky::packMapClick(at));
    }
    core::Panel& panel() { return t.station->panel(); }
    TestStation t;
};

TEST_F(StationMap, EveryListedSatelliteIsDrawnWithItsFootprintWhereItIs) {
    startAndUpdate();
    panel().gesture("lbl_mapoff", core::Gesture::Click); // every satellite, up or down
    panel().gesture("lbl_sun_off", core::Gesture::Click);
    update();
    ASSERT_FALSE(map().image.isNull());
    EXPECT_EQ(map().image.size(), map().pictures.day().size());
    ASSERT_EQ(map().scene.satellites.size(), 2u);
    for (const char* name : {kIss, "AO-7"}) {
        const auto* satellite = drawn(name);
        ASSERT_NE(satellite, nullptr) << name;
        EXPECT_EQ(satellite->mark, sky::MapMark::Visible);
        // The station's own propagation puts it there: the map marks that spot (a dot
        // below the horizon is a ring round it).
        EXPECT_GT(changedAround(pixelOf(satellite->subLongitude, satellite->subLatitude)), 10)
            << name;
    }
    EXPECT_EQ(panel().caption("lbl_maptext"), "Click Satellite's Dot to activate tracking.");
}

TEST_F(StationMap, TheSunAndTheNightSideShowOnlyWithTheSunOn) {
    startAndUpdate();
    ASSERT_TRUE(map().scene.sun.has_value()); // on from the start
    const sky::SunPosition sun = *map().scene.sun;
    const QPoint noon = pixelOf(sun.longitude, 0);
    const QPoint midnight = pixelOf(sun.longitude + 180, 0);
    const auto brightness = [](QRgb p) { return qRed(p) + qGreen(p) + qBlue(p); };
    const QImage& day = map().pictures.day();
    EXPECT_NE(map().image.pixel(pixelOf(sun.longitude, sun.latitude)),
              day.pixel(pixelOf(sun.longitude, sun.latitude)));
    EXPECT_LT(brightness(map().image.pixel(midnight)), brightness(day.pixel(midnight)));
    EXPECT_EQ(map().image.pixel(noon + QPoint(0, 60)), day.pixel(noon + QPoint(0, 60)));

    panel().gesture("lbl_sun_off", core::Gesture::Click);
    update();
    EXPECT_FALSE(map().scene.sun.has_value());
    EXPECT_EQ(map().image.pixel(midnight), day.pixel(midnight));
}

TEST_F(StationMap, TheFilterControlsSetTheDrawingThreshold) {
    startAndUpdate();
    const auto below = [&] {
        int count = 0;
        for (const auto& satellite : map().scene.satellites)
            count += satellite.elevation < 0;
        return count;
    };
    EXPECT_EQ(below(), 0); // above the horizon only, until a filter is chosen
    panel().gesture("lbl_mapoff", core::Gesture::Click);
    update();
    EXPECT_EQ(map().scene.satellites.size(), 2u);
    panel().gesture("lbl_mapon", core::Gesture::Click);
    update();
    for (const auto& satellite : map().scene.satellites)
        EXPECT_GE(satellite.elevation, -6);
    EXPECT_EQ(panel().field("lbl_mapon").foreColor, core::colour::kRed);
}

TEST_F(StationMap, AClickOnADotTracksItsSatelliteAndOnEmptySeaNothing) {
    startAndUpdate();
    panel().gesture("lbl_mapoff", core::Gesture::Click);
    update();
    const auto* iss = drawn(kIss);
    ASSERT_NE(iss, nullptr);
    // Far from both satellites: nothing happens.
    const auto* ao7 = drawn("AO-7");
    ASSERT_NE(ao7, nullptr);
    double emptyLongitude = iss->subLongitude + 90;
    if (std::fabs(std::remainder(emptyLongitude - ao7->subLongitude, 360)) < 20)
        emptyLongitude += 90;
    click(emptyLongitude, -iss->subLatitude / 2);
    update();
    EXPECT_EQ(t.station->loop().selectedSatellite, core::kNoSatellite);

    click(drawn(kIss)->subLongitude, drawn(kIss)->subLatitude);
    update();
    EXPECT_EQ(t.station->loop().selectedSatellite, kIss);
    EXPECT_EQ(panel().caption("lbl_sat_name"), kIss);
    update();
    ASSERT_NE(drawn(kIss), nullptr);
    EXPECT_EQ(drawn(kIss)->mark, sky::MapMark::Selected);
    EXPECT_FALSE(map().scene.groundTrack.empty());
    EXPECT_EQ(panel().caption("lbl_maptext"), std::string("Tracking ") + kIss);
}

TEST_F(StationMap, TheMapControlsChooseThePictureAndForceAnUpdate) {
    startAndUpdate();
    EXPECT_EQ(map().type, sky::MapType::Greenwich); // key 31 = 0
    const int drawings = map().drawings;
    panel().gesture("lbl_uk", core::Gesture::Click);
    t.tick(); // the very next pass draws
    EXPECT_EQ(map().drawings, drawings + 1);
    EXPECT_EQ(map().type, sky::MapType::Pacific);
    EXPECT_EQ(panel().field("lbl_uk").foreColor, core::colour::kRed);
    EXPECT_EQ(panel().field("lbl_nz").foreColor, core::colour::kNavy);
    panel().gesture("lbl_mapus", core::Gesture::Click);
    t.tick();
    EXPECT_EQ(map().type, sky::MapType::Americas);
    panel().gesture("lbl_mapping", core::Gesture::Click);
    t.tick();
    EXPECT_EQ(t.station->loop().mapOnDisplay, 1);
    EXPECT_FALSE(panel().visible("lbl_calib"));
    panel().gesture("lbl_map", core::Gesture::Click);
    t.tick();
    EXPECT_EQ(t.station->loop().mapOnDisplay, 0);
}

TEST_F(StationMap, TheConfiguredCentreChoosesTheMapAtStartUp) {
    t.station->configuration().write(4, 31, "180");
    startAndUpdate();
    EXPECT_EQ(map().type, sky::MapType::Pacific);
    EXPECT_FALSE(map().image.isNull());
}

TEST_F(StationMap, NobodyLookingNothingIsDrawnButTheSelectionStillRuns) {
    TestStation headless;
    headless.clock.set(QDateTime(QDate(2018, 1, 21), QTime(0, 0, 0)));
    headless.station->configuration().makes_cfg(4);
    headless.station->configuration().write(4, 28, "1000");
    headless.station->satelliteDb().save(core::satelliteTemplate(false, kIss));
    headless.start();
    headless.tick(kUpdateTicks + 1);
    const auto& display = headless.station->mapDisplay();
    EXPECT_TRUE(display.image.isNull());
    EXPECT_EQ(display.drawings, 0);
    EXPECT_FALSE(display.scene.satellites.empty());
    headless.watchMap();
    headless.tick(kUpdateTicks + 1);
    EXPECT_FALSE(display.image.isNull());
    EXPECT_EQ(headless.mapViews, 1);
}

TEST_F(StationMap, AMissingMapPictureIsNamedAndEndsTheProgram) {
    ASSERT_TRUE(QFile::remove(QString::fromStdString(t.programDir + "/nasaus.jpg")));
    t.start();
    EXPECT_TRUE(t.dialogs.anyContains("ORV-KITE IS UNABLE TO LOCATE THE MAP DISPLAYS"));
    EXPECT_TRUE(t.dialogs.anyContains("nasaus.jpg"));
    EXPECT_TRUE(t.station->ended());
    EXPECT_EQ(t.endings, 1);
}

TEST_F(StationMap, WithoutTheMapFeatureNoPictureIsNeededOrDrawn) {
    t.station->configuration().write(4, 27, "NO");
    ASSERT_TRUE(QFile::remove(QString::fromStdString(t.programDir + "/nasauk.jpg")));
    startAndUpdate();
    EXPECT_FALSE(t.station->ended());
    EXPECT_TRUE(map().image.isNull());
    EXPECT_FALSE(panel().visible("lbl_uk"));
}

} // namespace
