// Start-up and shutdown: the directory check, DEMO, first run, messages, the
// running flag, the exit routine and the settings-clearing gesture.
#include "core/messages.h"
#include "station/program_directory.h"
#include "test_station.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;
using orv::test::TestStation;

TEST(ProgramDirectory, LastNineCharactersPickTheVariant) {
    EXPECT_EQ(station::variantFromDirectory("/opt/ORV_KITE3"), 3);
    EXPECT_EQ(station::variantFromDirectory("/home/op/orv_kite4"), 4);
    EXPECT_EQ(station::variantFromDirectory("/home/op/orv_kite4/"), 4);
    EXPECT_EQ(station::variantFromDirectory("/opt/my_ORV_KITE4"), 4);
    EXPECT_EQ(station::variantFromDirectory("/opt/ORV_KITE5"), std::nullopt);
    EXPECT_EQ(station::variantFromDirectory("/opt/ORV_KITE4/bin"), std::nullopt);
    EXPECT_EQ(station::variantFromDirectory("KITE4"), std::nullopt);
}

TEST(ProgramDirectory, DemoOnlyForTheParallelBox) {
    EXPECT_TRUE(station::demoRequested(3, "DEMO"));
    EXPECT_TRUE(station::demoRequested(3, "  demo "));
    EXPECT_FALSE(station::demoRequested(4, " demo "));
    EXPECT_FALSE(station::demoRequested(3, "DEMO now"));
    EXPECT_EQ(station::versionText(3), "Ver 3.0.g");
    EXPECT_EQ(station::windowCaption(4).rfind("Orv_Kite 2003     4.0.g", 0), 0u);
}

TEST(Startup, FirstRunWritesDefaultsShowsMessageFourAndOpensTheEditorOnTheFirstTick) {
    TestStation t;
    t.start();
    ASSERT_FALSE(t.station->ended());
    EXPECT_EQ(t.store->get("ORV_CFG4", "configuration", "1"), "-39.524");
    EXPECT_EQ(t.store->get("ORV_CFG4", "configuration", "35"), "0");
    EXPECT_EQ(t.store->get("ORV_SAT1", "satlist", "1"), "0");
    EXPECT_EQ(t.store->get("ORV_SAT2", "scheds", "1"), "1");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_TRUE(t.dialogs.anyContains("started for the first time"));
    EXPECT_EQ(t.editorOpenings, 0);
    EXPECT_EQ(t.station->startup().openEditorRequest, 1);
    EXPECT_TRUE(t.station->loopTimer().isActive());
    EXPECT_EQ(t.station->loopTimer().interval(), 1);

    t.tick();
    EXPECT_EQ(t.editorOpenings, 1);
    EXPECT_TRUE(t.station->configEditor().isOpen());
    EXPECT_EQ(t.station->configEditor().text(1), "-39.524");
    EXPECT_EQ(t.station->startup().openEditorRequest, 0);
    EXPECT_EQ(t.station->loopTimer().interval(), 50);
    t.tick();
    EXPECT_EQ(t.editorOpenings, 1);
}

TEST(Startup, ASecondStartFindsTheConfigurationAndStaysQuiet) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/s.sqlite";
    { TestStation(4, path).start(); }
    TestStation t(4, path);
    t.start();
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.station->startup().openEditorRequest, 0);
    // A variant-4 configuration is not seen by variant 3.
    TestStation parallel(3, path);
    parallel.start();
    EXPECT_TRUE(parallel.dialogs.anyContains("started for the first time"));
}

TEST(Startup, AWronglyNamedDirectoryShowsMessageSixAndEnds) {
    TestStation t;
    station::StationOptions options;
    options.programDir = "/opt/stations/orbit";
    station::Station station(*t.store, {t.clock, t.waits, t.dialogs, t.launcher}, options);
    station.Form_Load();
    EXPECT_TRUE(station.ended());
    EXPECT_EQ(station.exitCode(), 2);
    EXPECT_TRUE(t.dialogs.anyContains("incorrect directory"));
    EXPECT_TRUE(t.dialogs.anyContains("/opt/stations/orbit" + std::string(29, ' ')));
    EXPECT_EQ(t.store->get("ORV_CFG4", "configuration", "1"), ""); // nothing initialised
    EXPECT_FALSE(station.loopTimer().isActive());
}

TEST(Startup, DemoSetsTheFlagOnlyOnVariantThree) {
    TestStation parallel(3, ":memory:", " demo ");
    parallel.start();
    EXPECT_EQ(parallel.station->startup().demo, 1);
    TestStation serial(4, ":memory:", "DEMO");
    serial.start();
    EXPECT_EQ(serial.station->startup().demo, 0);
    EXPECT_EQ(parallel.station->startup().versionText, "Ver 3.0.g");
    EXPECT_EQ(parallel.station->panel().caption("MainWindow").rfind("Orv_Kite 2003     3.0.g", 0),
              0u);
    EXPECT_NEAR(parallel.station->startup().sine[30], 1.0, 1e-12);
    EXPECT_NEAR(parallel.station->startup().cosine[60], -1.0, 1e-12);
}

TEST(Startup, TheExitRoutineInDemonstrationModeEndsAtOnce) {
    TestStation t(3, ":memory:", "DEMO");
    t.start();
    t.station->cmd_Bye_Click();
    EXPECT_TRUE(t.station->ended());
    // Ended before its shutdown steps: the running flag is left where it was.
    EXPECT_EQ(t.store->get("ORVTUNE", "START", "1"), "1");
}

TEST(Startup, TheExitRoutineRemovesTheRunningFlag) {
    TestStation t;
    t.start();
    t.tick();
    t.station->cmd_Bye_Click();
    EXPECT_TRUE(t.station->ended());
    EXPECT_EQ(t.endings, 1);
    EXPECT_EQ(t.store->get("ORVTUNE", "START", "1"), "");
    EXPECT_FALSE(t.station->loopTimer().isActive());
}

TEST(Startup, MessagesShowOnceWhereTheirFlagSaysSo) {
    TestStation t;
    t.start();
    t.dialogs.shown.clear();
    t.station->error_msgs(8);
    t.station->error_msgs(8);
    t.station->error_msgs(9);
    t.station->error_msgs(11);
    ASSERT_EQ(t.dialogs.shown.size(), 2u);
    EXPECT_EQ(t.editorOpenings, 2);
    t.station->error_msgs(3);
    EXPECT_EQ(t.station->panel().caption("lbl_sat_name"), core::kNoSatellite);
    EXPECT_FALSE(t.station->panel().visible("Knob1")); // the mask is set
    const auto text = core::messageText(7, "/x", "closing");
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "The Serial COM port specified in the Main Configuration\nfile is NOT fitted "
                     "to this machine\n\nPlease amend the Main Configuration entry. \n\nOrv_Kite "
                     "2003 MUST Be closed and restarted.\n\nclosing");
}

TEST(Startup, DdeServiceWithNoProgramAnsweringFallsBackToStandAlone) {
    TestStation t;
    t.store->save("ORV_CFG4", "configuration", "1", "-39.5");
    t.store->save("ORV_CFG4", "configuration", "25", "yes");
    t.start();
    EXPECT_EQ(t.station->loop().trackingSource, 1);
    EXPECT_EQ(t.station->loop().mapUsed, 1);
    EXPECT_TRUE(t.dialogs.anyContains("cannot find a DDE link"));
    EXPECT_EQ(t.editorOpenings, 1);
    EXPECT_EQ(t.station->panel().caption("lbl_standalone"), "DDE link absent.");
    EXPECT_EQ(t.station->startup().message8Shown, 0); // cleared again after initialize
}

TEST(Startup, AStartupFailureOfOneStepLetsTheRestRun) {
    TestStation t;
    t.store->save("ORV_CFG4", "configuration", "1", "-39.5");
    t.store->save("ORV_CFG4", "configuration", "28", "20000");
    t.start();
    EXPECT_EQ(t.station->loop().mapIntervalTicks, 0); // taken before the upper bound
    EXPECT_DOUBLE_EQ(t.station->config().programTimerMs, 50);
    EXPECT_EQ(t.station->loop().currentInterval, 50);
    EXPECT_EQ(t.station->loop().pendingSelection, "?");
    EXPECT_EQ(t.store->get("ORVTUNE", "START", "1"), "1");
}

TEST(RegistryGesture, OnlyTheFullSequenceAsksAndOnlyYesDeletes) {
    TestStation t;
    t.start();
    t.tick();
    t.dialogs.shown.clear();
    auto& panel = t.station->panel();
    using core::Gesture;
    panel.gesture("lbl_time", Gesture::DblClick);
    panel.gesture("lbl_UTCbox", Gesture::DblClick);
    panel.gesture("lbl_time", Gesture::DblClick);
    EXPECT_TRUE(t.dialogs.shown.empty());

    panel.gesture("lbl_date", Gesture::DblClick);
    panel.gesture("lbl_UTCbox", Gesture::DblClick);
    t.dialogs.answers.push_back(platform::DialogAnswer::No);
    panel.gesture("lbl_time", Gesture::DblClick);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].title, "Clean Registery");
    EXPECT_EQ(t.dialogs.shown[0].defaultAnswer, platform::DialogAnswer::No);
    EXPECT_EQ(t.store->get("ORV_CFG4", "configuration", "1"), "-39.524");

    t.dialogs.answers.push_back(platform::DialogAnswer::Yes);
    panel.gesture("lbl_time", Gesture::DblClick); // the gate stays at step 2 after a run
    EXPECT_EQ(t.store->get("ORV_CFG4", "configuration", "1"), "");
    EXPECT_EQ(t.store->get("ORV_SAT1", "satlist", "1"), "");
    EXPECT_FALSE(t.station->ended()); // the running program is not stopped...
    t.tick();
    EXPECT_TRUE(t.station->ended()); // ...until its next tick misses the running flag
}

TEST(ConfigEditor, SavingStoresAllBoxesAndEndsTheProgram) {
    TestStation t;
    t.start();
    t.tick();
    auto& editor = t.station->configEditor();
    editor.text(1) = "51.5";
    editor.text(5) = "/dev/ttyACM0";
    editor.exit_Click();
    EXPECT_TRUE(t.station->ended());
    EXPECT_FALSE(editor.isOpen());
    EXPECT_EQ(t.store->get("ORV_CFG4", "configuration", "1"), "51.5");
    EXPECT_EQ(t.store->get("ORV_CFG4", "configuration", "5"), "/dev/ttyACM0");
    EXPECT_EQ(t.store->get("ORV_CFG4", "configuration", "35"), "0");
}

TEST(ConfigEditor, LeavingWithoutSavingKeepsTheStoreAndAsksForAMapRedraw) {
    TestStation t;
    t.start();
    t.tick();
    auto& editor = t.station->configEditor();
    editor.text(1) = "0";
    editor.Command2_Click();
    EXPECT_FALSE(editor.isOpen());
    EXPECT_FALSE(t.station->ended());
    EXPECT_EQ(t.store->get("ORV_CFG4", "configuration", "1"), "-39.524");
    EXPECT_EQ(t.station->loop().mapRefreshCounter, 99);
}

TEST(ConfigEditor, UninstallRemovesTheVariantOrDoesNothingWhenEmpty) {
    TestStation t;
    t.start();
    t.tick();
    t.store->save("ORV_CFG4", "configuration", "1", "");
    t.station->configEditor().Command1_Click();
    EXPECT_FALSE(t.station->ended());
    EXPECT_EQ(t.store->get("ORV_CFG4", "configuration", "2"), "176.869");

    t.store->save("ORV_CFG4", "configuration", "1", "10");
    t.station->configEditor().Command1_Click();
    EXPECT_TRUE(t.station->ended());
    EXPECT_EQ(t.store->get("ORV_CFG4", "configuration", "2"), "");
}
