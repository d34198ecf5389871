// The main loop: step order, the error trap, re-arming, requests and the running flag.
#include "test_station.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orv;
using orv::test::TestStation;

TEST(MainLoop, RunsTheTwentyTwoStepsInOrder) {
    TestStation t;
    t.start();
    std::vector<int> steps;
    t.station->stepObserver = [&](int step) { steps.push_back(step); };
    t.tick();
    ASSERT_EQ(steps.size(), 22u);
    for (int i = 0; i < 22; ++i)
        EXPECT_EQ(steps[i], i + 1);
}

TEST(MainLoop, AFailingStepIsSkippedAndTheTimerStillReArmed) {
    TestStation t;
    t.start();
    std::vector<int> steps;
    t.station->stepObserver = [&](int step) {
        if (step == 9) throw std::runtime_error("clock broke");
        steps.push_back(step);
    };
    t.tick(3);
    EXPECT_EQ(t.station->stepFailures[9], 3);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), 9), 0);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), 22), 3);
    EXPECT_TRUE(t.station->loopTimer().isActive());
    EXPECT_EQ(t.station->loopTimer().interval(), 50);
}

TEST(MainLoop, TheFirstTickDeselectsAndUnlocksTheEntry) {
    TestStation t;
    t.start();
    EXPECT_EQ(t.station->loop().entryLock, 1);
    t.tick();
    EXPECT_EQ(t.station->loop().pendingSelection, core::kNoSatellite);
    EXPECT_EQ(t.station->loop().selectedSatellite, core::kNoSatellite);
    EXPECT_EQ(t.station->loop().deselectionDone, 1);
    EXPECT_EQ(t.station->loop().entryLock, 0);
    EXPECT_EQ(t.station->panel().caption("lbl_maptext"),
              "Click Satellite's Dot to activate tracking.");
}

TEST(MainLoop, TheClockIsWrittenEveryTick) {
    TestStation t;
    t.start();
    t.tick();
    EXPECT_EQ(t.station->panel().caption("lbl_UTC"), "12:00:00");
    t.clock.advanceMs(61000);
    t.tick();
    EXPECT_EQ(t.station->panel().caption("lbl_UTC"), "12:01:01");
    EXPECT_EQ(t.station->panel().caption("lbl_date"),
              "ORV_KITE 2003               DATE: 2026-12-06      UTC: 12:01:01      LOCAL: "
              "12:01:01");
}

TEST(MainLoop, AReinitialisationRequestRunsInitializeAgain) {
    TestStation t;
    t.start();
    t.tick();
    t.store->remove("ORVTUNE");
    t.station->loop().reinitRequest = 1;
    t.tick(); // initialize raises the running flag again before the tick checks it
    EXPECT_FALSE(t.station->ended());
    EXPECT_EQ(t.station->loop().reinitRequest, 0);
    EXPECT_EQ(t.store->get("ORVTUNE", "START", "1"), "1");
    EXPECT_EQ(t.station->panel().caption("lbl_rot"), "Rotators Free");
}

TEST(MainLoop, AMissingRunningFlagEndsTheProgramWithinOneTick) {
    TestStation t;
    t.start();
    t.tick();
    t.store->remove("ORVTUNE");
    std::vector<int> steps;
    t.station->stepObserver = [&](int step) { steps.push_back(step); };
    t.tick();
    EXPECT_TRUE(t.station->ended());
    EXPECT_EQ(steps.back(), 20); // nothing after the check, the timer stays stopped
    EXPECT_FALSE(t.station->loopTimer().isActive());
}

TEST(MainLoop, ASecondCopyOnTheSameStoreEndsTheFirst) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/shared.sqlite";
    TestStation first(4, path);
    first.start();
    first.tick();
    TestStation second(4, path); // its own connection, as another process has
    second.start();              // removes the flag and raises its own
    EXPECT_EQ(second.store->get("ORVTUNE", "START", "1"), "1");
    first.tick();
    EXPECT_TRUE(first.station->ended());
    second.tick();
    EXPECT_FALSE(second.station->ended());
    second.station->cmd_Bye_Click(); // the second copy's exit removes the flag again
    EXPECT_EQ(first.store->get("ORVTUNE", "START", "1"), "");
}

TEST(MainLoop, TicksRunFromTheEventLoopAtTheConfiguredInterval) {
    TestStation t;
    t.store->save("ORV_CFG4", "configuration", "1", "-39.5");
    t.store->save("ORV_CFG4", "configuration", "28", "50");
    t.start();
    int ticks = 0;
    t.station->stepObserver = [&](int step) {
        if (step == 1) ++ticks;
    };
    QEventLoop loop;
    QTimer::singleShot(520, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GE(ticks, 5);
    EXPECT_LE(ticks, 12);
}

TEST(MainLoop, DdeTimerExpiryIsHeldWhileAutoTracking) {
    TestStation t;
    t.start();
    t.tick();
    t.station->loop().autoTrack = 1;
    t.station->config().ddeService = "YES";
    t.station->time_dde_Timer();
    t.tick();
    EXPECT_EQ(t.station->loop().ddePollDue, 1);
    t.station->loop().autoTrack = 0;
    t.tick();
    EXPECT_EQ(t.station->loop().ddePollDue, 0);
}
