// The three editor models of the sky: what they show, store and hand on.
#include "core/horizon_editor.h"
#include "core/priority_editor.h"
#include "core/satellite_db.h"
#include "core/schedule_editor.h"
#include "core/settings_store.h"
#include "core/sky_store.h"
#include "platform/dialogs.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

struct Editors : ::testing::Test {
    core::SettingsStore store{":memory:"};
    core::SatelliteDb db{store};
    platform::ScriptedDialogs dialogs;
};

TEST_F(Editors, PriorityWindowSavesWholePrioritiesAndEmptiesTheRest) {
    for (const char* name : {"AO-7", "ISS", "SO-50", "FO-29"})
        db.save(core::satelliteTemplate(false, name));
    store.save("ORV_SAT2", "scheds", "3", "9");
    std::vector<int> started;
    int starts = 0;
    core::PriorityEditor editor(db, store, dialogs, {[&](std::vector<int> p) {
                                    started = std::move(p);
                                    ++starts;
                                }});
    editor.Form_Load();
    ASSERT_EQ(editor.rows(), 4);
    EXPECT_EQ(editor.name(2), "ISS");
    EXPECT_EQ(editor.text(2), "9");
    editor.text(1) = "12"; // above 10: saved empty, never chosen
    editor.text(3) = "7";
    editor.text(4) = "ten";
    editor.Command1_Click();
    EXPECT_FALSE(editor.isOpen());
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(started, (std::vector<int>{0, 9, 7, 0}));
    EXPECT_EQ(store.get("ORV_SAT2", "scheds", "2"), "");
    EXPECT_EQ(store.get("ORV_SAT2", "scheds", "4"), "7");
    EXPECT_EQ(store.get("ORV_SAT2", "scheds", "5"), "");

    editor.Form_Load();
    editor.text(1) = "3";
    editor.Command3_Click(); // EXIT stores nothing and starts nothing
    EXPECT_EQ(store.get("ORV_SAT2", "scheds", "2"), "");
    EXPECT_EQ(starts, 1);
    editor.Command2_Click();
    EXPECT_TRUE(dialogs.anyContains("There MUST BE MORE THAN 2 PRIORITY LEVELS SET."));
}

TEST_F(Editors, PriorityWindowShowsAtMostThirtyRows) {
    for (int i = 1; i <= 33; ++i)
        store.save("ORV_SAT1", "satlist", std::to_string(i + 1), "SAT" + std::to_string(i));
    store.save("ORV_SAT1", "satlist", "1", "33");
    core::PriorityEditor editor(db, store, dialogs, {});
    editor.Form_Load();
    EXPECT_EQ(editor.rows(), 30);
}

TEST_F(Editors, HorizonEditorShowsTheStoredTableAndSavingHandsItOn) {
    core::ensureHorizonTable(store);
    store.save("ORV_SAT2", "horizan", "5", "22");
    int saves = 0;
    core::HorizonEditor editor(store, dialogs, {[&] { ++saves; }});
    editor.Form_Load();
    EXPECT_EQ(editor.text(4), "22");
    EXPECT_EQ(core::HorizonEditor::label(36), "351 to 360");
    editor.text(36) = "8.5";
    editor.Command1_Click();
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(editor.isOpen());
    EXPECT_EQ(store.get("ORV_SAT2", "horizan", "37"), "8.5");
    editor.Command2_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Enter the maximum elevation angle of the \n"
                                     "obstruction on the horizon for those azimuth\n"
                                     "segments that apply.");
}

TEST_F(Editors, ScheduleDefaultFillsTheBoxesAndOnlySaveStoresThem) {
    int saves = 0;
    core::ScheduleEditor editor(store, dialogs, {[&] { ++saves; }});
    editor.Form_Load();
    editor.Command3_Click();
    EXPECT_EQ(editor.text(1), "Sample Entry");
    EXPECT_EQ(editor.text(7), "255");
    editor.Command4_Click(); // Exit without Save
    EXPECT_EQ(store.get("ORV_SAT2", "malist", "1"), "");
    EXPECT_EQ(saves, 0);

    editor.Form_Load();
    editor.text(1) = "AO-40";
    editor.text(7) = "100";
    editor.Command1_Click();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(store.get("ORV_SAT2", "malist", "1"), "AO-40");
    EXPECT_EQ(store.get("ORV_SAT2", "malist", "7"), "100");
    EXPECT_EQ(core::readSchedule(store)[6], "100");
}

TEST(PriorityText, OnlyWholePrioritiesOneToTenAreKept) {
    const struct {
        const char* box;
        const char* stored;
        int value;
    } cases[] = {{"7", "7", 7}, {" 10", "10", 10}, {"12", "", 0}, {"0", "", 0},
                 {"-3", "", 0}, {"", "", 0},       {"x", "", 0},  {"4.6", "4", 4}};
    for (const auto& c : cases) {
        EXPECT_EQ(core::priorityText(c.box), c.stored) << c.box;
        EXPECT_EQ(core::priorityValue(c.box), c.value) << c.box;
    }
}

} // namespace
