// The orbit units inside a station: the import at start-up with its messages, the
// position on each tick, the element controls and the status line.
#include "core/messages.h"
#include "orbit/element_store.h"
#include "orbit/time_routines.h"
#include "test_station.h"

#include <QDir>
#include <QFile>
#include <fstream>
#include <gtest/gtest.h>

using namespace orv;
using orv::test::TestStation;

namespace {

const double kToday = orbit::ConvDay(2026, 12, 6); // the test clock's date

std::string elementFile(const TestStation& t) {
    return t.programDir + "/orv_kite.txt";
}

// Selects `name` as a typed selection would and runs ticks until it is tracked.
void track(TestStation& t, const std::string& name) {
    t.station->loop().pendingSelection = name;
    t.tick();
}

} // namespace

TEST(StationElements, TheFirstStartImportsTheFileAndStampsToday) {
    TestStation t;
    t.start();
    const orbit::ElementStore& store = t.station->elementStore();
    EXPECT_EQ(store.catalogueNumberOf("ISS (ZARYA)"), "25544");
    EXPECT_EQ(store.catalogueNumberOf("AO-7"), "07530");
    EXPECT_EQ(store.ageText(), std::to_string(static_cast<int>(kToday)));
    EXPECT_FALSE(t.dialogs.anyContains("OLDER than 30 Days"));
    EXPECT_FALSE(t.dialogs.anyContains("KEP FILE"));
}

TEST(StationElements, ElementsThirtyDaysOldBringMessageFive) {
    for (const auto& [age, warned] : {std::pair{30, true}, {29, false}}) {
        TestStation t;
        t.store->save("Kep_TLE", "AGE", "1", std::to_string(static_cast<int>(kToday) - age));
        t.start();
        EXPECT_EQ(t.dialogs.anyContains("is OLDER than 30 Days!!!!"), warned) << age << " days";
        EXPECT_TRUE(t.station->loopTimer().isActive()) << "start-up goes on";
    }
}

TEST(StationElements, AMissingFileIsNamedAndTheEditorOpens) {
    TestStation present, missing;
    for (TestStation* t : {&present, &missing}) {
        t->store->save("ORV_CFG4", "configuration", "1", "-39.5");
        t->store->save("ORV_CFG4", "configuration", "6", "Keps/Amateur.txt");
    }
    QDir(QString::fromStdString(present.programDir)).mkdir("Keps");
    QFile::copy(QString::fromStdString(elementFile(present)),
                QString::fromStdString(present.programDir + "/Keps/Amateur.txt"));
    present.start();
    missing.start();
    EXPECT_FALSE(present.dialogs.anyContains("KEP FILE"));
    ASSERT_TRUE(missing.dialogs.anyContains("ORV-KITE IS UNABLE TO LOCATE THE 2 LINE KEP FILE"));
    EXPECT_TRUE(missing.dialogs.anyContains(core::elementFileMissingText("Keps/Amateur.txt")));
    EXPECT_EQ(missing.editorOpenings, present.editorOpenings + 1);
    EXPECT_TRUE(missing.station->loopTimer().isActive()) << "start-up goes on";
}

TEST(StationElements, ACorruptFileKeepsTheSetsBeforeTheFault) {
    TestStation t;
    const std::string whole = test::kTestElementFile;
    std::ofstream(elementFile(t), std::ios::binary)
        << whole.substr(0, whole.find("2 07530")); // ISS whole, AO-7 without its line 2
    t.start();
    EXPECT_TRUE(t.dialogs.anyContains(core::elementFileCorruptText()));
    EXPECT_EQ(t.editorOpenings, 1);
    EXPECT_EQ(t.station->elementStore().catalogueNumberOf("ISS (ZARYA)"), "25544");
    EXPECT_EQ(t.station->elementStore().catalogueNumberOf("AO-7"), "");
}

TEST(StationTracking, EachTickPutsTheSelectedSatelliteInTheTrackingState) {
    TestStation t;
    t.clock.set(QDateTime(QDate(2018, 1, 20), QTime(22, 20, 0))); // UTC offset 0
    t.start();
    track(t, "ISS (ZARYA)");
    const core::TrackingState& tracking = t.station->tracking();
    EXPECT_EQ(t.station->loop().elementsValid, 1);
    EXPECT_NEAR(tracking.azimuth, 178.19, 1.0); // independent SGP4: 178.19, 20.27
    EXPECT_NEAR(tracking.elevation, 20.27 + 0.2, 1.0);
    EXPECT_NEAR(tracking.range, 1022.7, 15);
    const std::string status = t.station->statusLine().render();
    EXPECT_NE(status.find(" az=178."), std::string::npos) << status;
    EXPECT_NE(status.find(" range=10"), std::string::npos) << status;
    EXPECT_NE(status.find(" rr=2.8"), std::string::npos) << status;
    EXPECT_NE(status.find(" ma=" + std::to_string(tracking.ma256)), std::string::npos) << status;

    const double before = tracking.azimuth;
    t.clock.advanceMs(60000);
    t.tick();
    EXPECT_GT(std::abs(tracking.azimuth - before), 1) << "the next tick reads the clock again";
}

TEST(StationTracking, WithoutASatelliteTheStatusLineShowsNoPosition) {
    TestStation t;
    t.start();
    t.tick();
    const std::string status = t.station->statusLine().render();
    for (const char* key : {" az=-", " el=-", " range=-", " rr=-", " ma=-"})
        EXPECT_NE(status.find(key), std::string::npos) << status;
}

TEST(StationTracking, ASatelliteWithoutElementsShowsTheRedLabelAndItsHelp) {
    TestStation t;
    t.start();
    t.station->panel().setVisible("lbl_kep_error", false); // as the window starts it
    track(t, "AO-51");
    EXPECT_EQ(t.station->loop().elementsValid, 0);
    EXPECT_EQ(t.station->loop().elementsMissing, 1);
    t.tick();
    EXPECT_TRUE(t.station->panel().visible("lbl_kep_error"));

    t.dialogs.shown.clear();
    t.station->panel().gesture("lbl_kep_error", core::Gesture::Click);
    EXPECT_TRUE(t.dialogs.anyContains("does NOT APPEAR in the"));
    EXPECT_EQ(t.station->loop().maskSet, 1);
    EXPECT_FALSE(t.station->panel().visible("lbl_kep_error"));
    EXPECT_EQ(t.station->loop().elementsMissing, 0);
}

TEST(StationElements, UpdateKepsStampsTheAgeAndStartsGetkepsDetached) {
    TestStation t;
    t.store->save("ORV_CFG4", "configuration", "1", "-39.5");
    t.store->save("ORV_CFG4", "configuration", "6", "/srv/keps/Amateur.TXT");
    t.store->save("Kep_TLE", "AGE", "1", "1000");
    t.start();
    t.dialogs.shown.clear();
    t.station->panel().gesture("lbl_kepler", core::Gesture::Click);
    EXPECT_EQ(t.station->elementStore().ageText(), std::to_string(static_cast<int>(kToday)));
    ASSERT_EQ(t.launcher.starts.size(), 1u);
    EXPECT_EQ(t.launcher.starts[0].program, t.programDir + "/getkeps");
    EXPECT_EQ(t.launcher.starts[0].arguments, std::vector<std::string>{"/srv/keps/Amateur.TXT"});
    EXPECT_EQ(t.launcher.starts[0].workingDir, t.programDir);
    EXPECT_TRUE(t.dialogs.shown.empty());

    t.launcher.fail = true;
    t.station->panel().gesture("lbl_kepler", core::Gesture::Click);
    EXPECT_TRUE(t.dialogs.anyContains("The element update could not be started."));
}
