// The sky in the station: the horizon table at start-up and in the main loop, the
// priority window's gestures, and the schedule's gestures.
#include "core/horizon_editor.h"
#include "core/priority_editor.h"
#include "core/satellite_db.h"
#include "core/schedule_editor.h"
#include "test_station.h"

#include <gtest/gtest.h>

using namespace orv;
using orv::test::TestStation;

namespace {

constexpr const char* kIss = "ISS (ZARYA)";

struct StationSky : ::testing::Test {
    void SetUp() override {
        t.clock.set(QDateTime(QDate(2018, 1, 21), QTime(0, 0, 0)));
        auto& configuration = t.station->configuration();
        configuration.makes_cfg(4);
        configuration.write(4, 32, "YES");
        configuration.write(4, 28, "1000"); // a map update every 5 ticks
        t.station->satelliteDb().save(core::satelliteTemplate(false, kIss));
        t.station->satelliteDb().save(core::satelliteTemplate(false, "AO-7"));
        t.start();
        t.tick();
    }
    // Moves the clock to where `name` is more than `elevation` degrees up.
    double riseAbove(const std::string& name, double elevation) {
        for (int step = 0; step < 2 * 24 * 60; ++step) {
            t.clock.advanceMs(30'000);
            t.station->keplers(name);
            if (t.station->tracking().elevation > elevation) return t.station->tracking().azimuth;
        }
        ADD_FAILURE() << name << " never rose";
        return 0;
    }
    void type(const std::string& name) {
        t.station->panel().setCaption("txt_entre", name);
        t.station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
    }
    std::string status(const std::string& key) {
        const std::string line = " " + t.station->statusLine().render() + " ";
        const auto at = line.find(" " + key + "=");
        if (at == std::string::npos) return "?";
        const auto start = at + key.size() + 2;
        return line.substr(start, line.find(' ', start) - start);
    }
    core::Panel& panel() { return t.station->panel(); }
    TestStation t;
};

TEST_F(StationSky, StartUpCreatesTheHorizonTableAndTheControlFollowsKey32) {
    EXPECT_EQ(t.store->get("ORV_SAT2", "horizan", "1"), "1");
    EXPECT_EQ(t.store->get("ORV_SAT2", "horizan", "37"), "0");
    EXPECT_TRUE(panel().visible("lbl_hoztable"));
    t.station->configuration().write(4, 32, "NO");
    t.station->initialize();
    EXPECT_FALSE(panel().visible("lbl_hoztable"));
}

TEST_F(StationSky, ASavedHorizonIsInUseAtOnceAndMarksTheTrackedSatellite) {
    const double azimuth = riseAbove(kIss, 10);
    type(kIss);
    t.tick();
    EXPECT_EQ(status("obscured"), "0");
    EXPECT_EQ(panel().field("lbl_compAz").foreColor, 0xC00000);
    EXPECT_EQ(panel().field("lbl_CompEle").foreColor, 0x4080);

    int shown = 0;
    station::ViewHooks hooks;
    hooks.showHorizonEditor = [&] { ++shown; };
    t.station->setViewHooks(hooks);
    panel().gesture("lbl_hoztable", core::Gesture::DblClick);
    auto& editor = t.station->horizonEditor();
    ASSERT_TRUE(editor.isOpen());
    EXPECT_EQ(shown, 1);
    const int segment = azimuth < 1 ? 36 : (static_cast<int>(azimuth) - 1) / 10 + 1;
    editor.text(segment) = "80";
    editor.Command1_Click();
    EXPECT_EQ(t.station->horizonTable().at(azimuth), 80); // no restart needed
    t.tick();
    EXPECT_EQ(status("obscured"), "1");
    EXPECT_EQ(panel().caption("lbl_sat_name"), std::string(kIss) + " obscured");
    EXPECT_EQ(panel().field("lbl_sat_name").foreColor, 0xFF);
    EXPECT_EQ(panel().field("lbl_status").backColor, 0xFF);
    t.tick(); // the caption is not appended to again
    EXPECT_EQ(panel().caption("lbl_sat_name"), std::string(kIss) + " obscured");

    panel().gesture("lbl_hoztable", core::Gesture::DblClick);
    editor.text(segment) = "0";
    editor.Command1_Click();
    t.tick();
    EXPECT_EQ(status("obscured"), "0");
    EXPECT_EQ(panel().caption("lbl_sat_name"), kIss);
    EXPECT_EQ(panel().field("lbl_sat_name").foreColor, 0x800000);
    EXPECT_EQ(panel().field("lbl_status").backColor, 0xC0C0C0);
}

TEST_F(StationSky, TheHorizonIsIgnoredWhileKey32IsNotYes) {
    t.station->configuration().write(4, 32, "AUTO");
    t.station->initialize();
    t.tick();
    const double azimuth = riseAbove(kIss, 10);
    core::HorizonTexts all;
    all.fill("90");
    core::writeHorizonTexts(*t.store, all);
    t.station->initialize();
    t.tick();
    EXPECT_EQ(t.station->horizonTable().at(azimuth), 90);
    type(kIss);
    t.tick(2);
    EXPECT_EQ(status("obscured"), "0");
    EXPECT_EQ(panel().caption("lbl_sat_name"), kIss);
}

TEST_F(StationSky, ThePriorityWindowStartsAutoTrackAndAClickStopsIt) {
    t.store->save("ORV_SAT2", "scheds", "2", "8");
    int shown = 0;
    station::ViewHooks hooks;
    hooks.showPriorityEditor = [&] { ++shown; };
    t.station->setViewHooks(hooks);
    EXPECT_EQ(status("auto"), "off");
    panel().gesture("lbl_sched", core::Gesture::DblClick);
    auto& editor = t.station->priorityEditor();
    ASSERT_TRUE(editor.isOpen());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(editor.text(1), "8");
    riseAbove(kIss, 5);
    editor.Command1_Click();
    EXPECT_EQ(status("auto"), "on");
    EXPECT_EQ(panel().caption("lbl_status"), "Under Orv_Kite automatic tracking control");
    t.tick(2); // the map update chooses, the next tick takes it over
    EXPECT_EQ(t.station->loop().selectedSatellite, kIss);
    EXPECT_EQ(status("prio"), "8");
    EXPECT_EQ(panel().caption("lbl_sched"), "Auto Tracking ON");
    EXPECT_EQ(panel().caption("lbl_maptext"), std::string("Auto Tracking ") + kIss);
    EXPECT_TRUE(panel().visible("Lbl_force_park"));

    // Bumped: held out, and with nothing else in view, let go.
    panel().gesture("lbl_bump", core::Gesture::DblClick);
    t.tick(3);
    EXPECT_EQ(status("ring"), "ISS_(ZARYA)");
    EXPECT_EQ(t.station->loop().selectedSatellite, core::kNoSatellite);
    EXPECT_EQ(panel().caption("lbl_sched"), "Auto Track Idle Mode");

    panel().gesture("lbl_sched", core::Gesture::Click);
    EXPECT_EQ(status("auto"), "off");
    EXPECT_EQ(status("ring"), "-");
    EXPECT_EQ(panel().caption("lbl_sched"), "Auto Tracking OFF");
    EXPECT_EQ(panel().caption("lbl_status"), "Enter Satellite name and Press Enter.");
}

TEST_F(StationSky, StartingAutoTrackWithAnEmptyDatabaseSaysSo) {
    t.station->satelliteDb().del_sat(kIss);
    t.station->satelliteDb().del_sat("AO-7");
    panel().gesture("lbl_sched", core::Gesture::DblClick);
    t.station->priorityEditor().Command1_Click();
    EXPECT_TRUE(t.dialogs.anyContains("There are NO satellites in the satellite data base."));
    EXPECT_EQ(status("auto"), "off");
}

TEST_F(StationSky, MaModeActsOnlyWithASatelliteSelected) {
    panel().gesture("lbl_phase", core::Gesture::DblClick);
    EXPECT_EQ(status("ma_mode"), "off");
    type("AO-7");
    t.tick();
    panel().gesture("lbl_phase", core::Gesture::DblClick);
    EXPECT_EQ(status("ma_mode"), "on");
    EXPECT_EQ(panel().caption("lbl_phase"), "MA Mode Tracking");
    panel().gesture("lbl_phase", core::Gesture::Click);
    EXPECT_EQ(status("ma_mode"), "off");
    EXPECT_EQ(panel().caption("lbl_phase"), "MA Track");

    int shown = 0;
    station::ViewHooks hooks;
    hooks.showScheduleEditor = [&] { ++shown; };
    t.station->setViewHooks(hooks);
    panel().gesture("lbl_satmode", core::Gesture::DblClick);
    EXPECT_TRUE(t.station->scheduleEditor().isOpen());
    EXPECT_EQ(shown, 1);
}

} // namespace
