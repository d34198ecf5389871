// Selecting a satellite by name and the main loop taking it over.
#include "core/satellite_editor.h"
#include "test_station.h"

#include <gtest/gtest.h>

using namespace orv;
using orv::test::TestStation;

namespace {

void type(TestStation& t, const std::string& text) {
    t.station->panel().setCaption("txt_entre", text);
    t.station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
}

struct Selection : ::testing::Test {
    void SetUp() override {
        t.start();
        t.tick(); // deselects and unlocks the entry
        t.dialogs.shown.clear();
    }
    TestStation t;
};

} // namespace

TEST_F(Selection, ANameTheElementSetLacksGivesMessageThreeAndNoSelection) {
    type(t, "no-such-bird");
    EXPECT_TRUE(t.dialogs.anyContains("does NOT APPEAR in the"));
    EXPECT_EQ(t.station->loop().pendingSelection, core::kNoSatellite);
    EXPECT_EQ(t.station->panel().caption("lbl_sat_name"), core::kNoSatellite);
    EXPECT_EQ(t.station->panel().caption("txt_entre"), "");
    t.tick();
    EXPECT_EQ(t.station->loop().selectedSatellite, core::kNoSatellite);
}

TEST_F(Selection, OnlyEnterSelectsAndOnlyWhileTheEntryIsUnlocked) {
    t.station->panel().setCaption("txt_entre", "ao-7");
    t.station->txt_entre_KeyPress(65);
    EXPECT_EQ(t.station->loop().pendingSelection, core::kNoSatellite);
    t.station->loop().entryLock = 1;
    t.station->txt_entre_KeyPress(13);
    EXPECT_EQ(t.station->loop().pendingSelection, core::kNoSatellite);
}

TEST_F(Selection, ASuffixedNameIsKeptWholeWhileItsElementsComeFromTheBaseName) {
    t.station->satelliteDb().save(core::satelliteTemplate(false, "AO-7_2"));
    type(t, "ao-7_2");
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.station->loop().pendingSelection, "AO-7_2");
    EXPECT_EQ(t.station->loop().typedSelection, 1);
    t.tick();
    EXPECT_EQ(t.station->loop().selectedSatellite, "AO-7_2");
    EXPECT_EQ(t.station->panel().caption("lbl_sat_name"), "AO-7_2");
    EXPECT_EQ(t.station->loop().elementsValid, 1);
    EXPECT_EQ(t.station->currentSatellite().name, "AO-7_2");
    EXPECT_EQ(t.station->panel().caption("lbl_UpMode"), "FM");
    EXPECT_EQ(t.station->panel().caption("lbl_tone"), "0");
    EXPECT_TRUE(t.station->panel().visible("Knob1")); // the mask is released
}

TEST_F(Selection, GetSatCfgLoadsOncePerSelection) {
    auto record = core::satelliteTemplate(true, "AO-7");
    t.station->satelliteDb().save(record);
    type(t, "AO-7");
    t.tick();
    EXPECT_EQ(t.station->panel().caption("lbl_DnMode"), "USB");
    // A change stored behind the station's back is not reloaded by the next ticks...
    record[14] = "LSB";
    t.station->satelliteDb().save(record);
    t.tick(3);
    EXPECT_EQ(t.station->panel().caption("lbl_DnMode"), "USB");
    // ...but a click on the satellite's name loads it again.
    t.station->panel().gesture("lbl_sat_name", core::Gesture::Click);
    EXPECT_EQ(t.station->panel().caption("lbl_DnMode"), "LSB");
}

TEST_F(Selection, ANameTheDatabaseLacksSelectsNothingSetsTheMaskAndOpensTheEditor) {
    int editorShown = 0;
    station::ViewHooks hooks;
    hooks.showSatelliteEditor = [&] { ++editorShown; };
    t.station->setViewHooks(hooks);
    type(t, "AO-7");
    t.tick();
    EXPECT_EQ(t.station->loop().pendingSelection, core::kNoSatellite);
    EXPECT_FALSE(t.station->panel().visible("Knob1"));
    EXPECT_EQ(editorShown, 1);
    EXPECT_TRUE(t.station->satelliteEditor().isOpen());
    EXPECT_EQ(t.station->satelliteEditor().text(1), "AO-7");
    // The operator makes a record from a template and saves it: the next tick refreshes.
    t.station->satelliteEditor().standard_Click();
    t.station->satelliteEditor().save_Click();
    EXPECT_TRUE(t.station->satelliteDb().exists("AO-7"));
    EXPECT_EQ(t.station->loop().refreshRequest, 1);
}
