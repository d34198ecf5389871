// The interface box as the station runs it: start-up of both variants, the box
// read on every tick, the status line, and the simulated box with its faults.
#include "rotator/azimuth_mapping.h"
#include "rotator/interface_box.h"
#include "rotator/rotator_drive.h"
#include "sim/simulated_hardware.h"
#include "test_station.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>
#include <set>

namespace orv::test {
namespace {

bool contains(const std::vector<std::string>& actions, const std::string& action) {
    return std::find(actions.begin(), actions.end(), action) != actions.end();
}

TEST(StationBox, SerialStartUpOpensTheLineOnceAndExchangesTheOpeningFrames) {
    TestStation t(4);
    t.start();
    const auto& actions = t.serialLine.actions;
    ASSERT_FALSE(actions.empty());
    EXPECT_EQ(actions.front(), "open 1");
    EXPECT_TRUE(contains(actions, "write 38"));                        // the opening frame
    EXPECT_EQ(std::count(actions.begin(), actions.end(), "RTS 1"), 2); // reset and request
    EXPECT_EQ(t.station->startup().serialPortOpened, 1);
    EXPECT_TRUE(t.dialogs.shown.size() <= 1u); // at most message 4 of the first run
    t.station->initialize();
    EXPECT_EQ(std::count(t.serialLine.actions.begin(), t.serialLine.actions.end(), "open 1"), 1);
}

TEST(StationBox, AMissingSerialPortGivesMessageSevenAndTheEditor) {
    TestStation t(4);
    t.serialLine.openOutcome = platform::SerialOpenOutcome::Missing;
    t.start();
    EXPECT_TRUE(t.dialogs.anyContains("is NOT fitted to this machine"));
    EXPECT_GE(t.editorOpenings, 1);
    EXPECT_EQ(t.station->startup().serialPortOpened, 0);
    EXPECT_FALSE(contains(t.serialLine.actions, "write 38"));
}

TEST(StationBox, ARefusedSerialPortIsExplained) {
    TestStation t(4);
    t.serialLine.openOutcome = platform::SerialOpenOutcome::Refused;
    t.start();
    EXPECT_TRUE(t.dialogs.anyContains("cannot be opened"));
    EXPECT_TRUE(t.dialogs.anyContains("dialout"));
    EXPECT_FALSE(t.dialogs.anyContains("NOT fitted"));
}

TEST(StationBox, ParallelStartUpKeepsDataBitFive) {
    TestStation t(3);
    t.portIo.registers[0x378] = 0x20;
    t.start();
    const auto data = t.portIo.writesTo(0x378);
    ASSERT_FALSE(data.empty());
    EXPECT_EQ(data.front(), 0xE0);
    EXPECT_TRUE(t.serialLine.actions.empty());
}

TEST(StationBox, DemonstrationStartTouchesNoHardware) {
    TestStation t(3, ":memory:", "DEMO");
    t.start();
    t.tick(3);
    t.station->cmd_Bye_Click();
    EXPECT_FALSE(t.portIo.touched());
    EXPECT_FALSE(t.serialLine.touched());
    EXPECT_NE(t.station->statusLine().render().find("box=demo"), std::string::npos);
}

TEST(StationBox, EachTickReadsTheBoxAndTheExitRoutineResetsIt) {
    TestStation t(3);
    t.start();
    t.portIo.accesses.clear();
    t.tick();
    EXPECT_FALSE(t.portIo.writesTo(0x378).empty()); // the request byte of a read
    const std::string status = t.station->statusLine().render();
    EXPECT_NE(status.find("box=present rot_az_count=0 rot_el_count=0"), std::string::npos)
        << status;
    t.portIo.accesses.clear();
    t.station->cmd_Bye_Click();
    const auto control = t.portIo.writesTo(0x37A);
    EXPECT_EQ(control, (std::vector<int>{1, 4}));
}

TEST(StationBox, HardwareResetButtonAndErrorMessageOneReachTheBox) {
    TestStation t(4);
    t.start();
    t.serialLine.actions.clear();
    t.station->panel().gesture("hrdw_reset", core::Gesture::Click);
    EXPECT_EQ(t.serialLine.actions, (std::vector<std::string>{"RTS 1", "DTR 1", "RTS 0", "DTR 0"}));
    EXPECT_EQ(t.station->interfaceBox().state().prePositionMode, 1);
    EXPECT_TRUE(t.station->loopTimer().isActive());
    EXPECT_EQ(t.station->loopTimer().interval(), 3);
    t.station->error_msgs(1);
    EXPECT_EQ(t.station->interfaceBox().state().statusText, "DEMO MODE");
    t.serialLine.actions.clear();
    t.tick(2);
    EXPECT_TRUE(t.serialLine.actions.empty());
}

// A station on the simulated box: waits let the event loop run, as they do in a run.
struct SimulatedStation {
    // `beforeStart` sees the station built, its simulated box in place, before Form_Load.
    explicit SimulatedStation(int variant, std::string fault = {},
                              const std::function<void(station::Station&)>& beforeStart = {})
        : doubles(variant) {
        doubles.waits.onWait = [](int) { QCoreApplication::processEvents(); };
        station::StationOptions options;
        options.programDir = doubles.programDir;
        options.simulate = true;
        options.simulateFault = std::move(fault);
        station = std::make_unique<station::Station>(
            *doubles.store,
            station::StationPlatform{doubles.clock, doubles.waits, doubles.dialogs,
                                     doubles.launcher},
            options);
        if (beforeStart) beforeStart(*station);
        station->Form_Load();
    }
    void tick(int count) {
        for (int i = 0; i < count; ++i) {
            doubles.clock.advanceMs(50);
            station->loop_timer_Timer();
        }
    }
    std::string status() const { return station->statusLine().render(); }
    TestStation doubles;
    std::unique_ptr<station::Station> station;
};

TEST(StationOnSimulatedBox, BothVariantsFindTheBoxAndReadPositions) {
    for (const int variant : {3, 4}) {
        SimulatedStation s(variant);
        ASSERT_NE(s.station->simulatedHardware(), nullptr);
        auto& frame = s.station->boxFrame();
        frame[variant == 3 ? 45 : 31] = 1; // azimuth target 300, driven
        frame[variant == 3 ? 46 : 30] = 44;
        frame[variant == 3 ? 62 : 34] = 1;
        s.station->interfaceBox().outs();
        s.tick(3);
        s.doubles.clock.advanceMs(3000); // 18 degrees
        s.tick(2);
        EXPECT_NE(s.status().find("box=present"), std::string::npos) << variant << s.status();
        EXPECT_EQ(s.station->interfaceBox().azimuthCount(),
                  s.station->simulatedHardware()->box().azimuth().count())
            << variant;
        EXPECT_GT(s.station->interfaceBox().azimuthCount(), 50) << variant;
        EXPECT_FALSE(s.station->panel().visible("lbl_azctrl")) << variant;
    }
}

TEST(StationOnSimulatedBox, ASilentSerialBoxShowsTheControllerAbsent) {
    SimulatedStation s(4, "silent@1");
    s.tick(2);
    EXPECT_NE(s.status().find("box=present"), std::string::npos) << s.status();
    s.doubles.clock.advanceMs(1000); // the run time of the fault is real time
    QThread::msleep(1100);
    s.tick(4);
    EXPECT_EQ(s.station->panel().caption("lbl_azctrl"), "Az/El Controller Off or Absent.");
    EXPECT_TRUE(s.station->panel().visible("lbl_azctrl"));
    EXPECT_EQ(s.station->panel().value("ch_el"), 0);
    EXPECT_NE(s.status().find("box=absent"), std::string::npos) << s.status();
}

TEST(StationOnSimulatedBox, ASilentParallelBoxEndsInTheFaultAndDemonstrationMode) {
    SimulatedStation s(3, "silent");
    s.tick(99);
    EXPECT_TRUE(s.doubles.dialogs.shown.size() <= 1u);
    s.tick(3);
    EXPECT_TRUE(s.doubles.dialogs.anyContains("There are 5 possible causes for this fault."));
    EXPECT_EQ(s.station->panel().caption("lbl_azctrl"), "No Printer Port or Hardware");
    EXPECT_NE(s.status().find("box=demo"), std::string::npos) << s.status();
}

// The box closes its loop within the deadbands of the frame it last took: the frame
// that follows the opening of the line carries them too.
TEST(StationOnSimulatedBox, EveryFrameFromTheFirstCarriesTheDeadbands) {
    for (const int variant : {3, 4}) {
        std::vector<sim::RotatorCommand> frames;
        SimulatedStation s(variant, {}, [&](station::Station& station) {
            station.simulatedHardware()->box().onFrame(
                [&](const sim::BoxCommand& command) { frames.push_back(command.rotators); });
        });
        s.tick(3);
        // The parallel box opens without a frame; the next one goes out here.
        if (variant == 3) s.station->interfaceBox().outs();
        ASSERT_FALSE(frames.empty()) << variant;
        for (const auto& frame : frames) {
            EXPECT_EQ(frame.azDeadband, 5) << variant;
            EXPECT_EQ(frame.elDeadband, 5) << variant;
        }
    }
}

std::string statusValue(const std::string& status, const std::string& key) {
    const std::string line = " " + status + " ";
    const auto at = line.find(" " + key + "=");
    if (at == std::string::npos) return "(no " + key + ")";
    const auto start = at + key.size() + 2;
    return line.substr(start, line.find(' ', start) - start);
}

// A position reply off the travel is no position: the status line shows "-", the
// box state says the reply was bad, the readouts keep the last valid position.
TEST(StationOnSimulatedBox, APositionReplyOffTheTravelIsShownAsBad) {
    SimulatedStation s(4);
    s.tick(6);
    const std::string shownAz = s.station->panel().caption("lbl_Azfed");
    const std::string shownEl = s.station->panel().caption("lbl_Elfed");
    QCoreApplication::processEvents();
    std::vector<uint8_t> reply(29, 0);
    reply[0] = 0x35, reply[1] = 0xBF, reply[2] = 0xD5, reply[3] = 0xF3; // 48949 and 62421
    reply[6] = 255, reply[7] = 128;
    s.station->interfaceBox().storeSerialReply(reply);
    s.station->rotatorDrive().antenna_status();
    EXPECT_EQ(statusValue(s.status(), "rot_az_count"), "-");
    EXPECT_EQ(statusValue(s.status(), "rot_el_count"), "-");
    EXPECT_EQ(s.station->panel().caption("lbl_Azfed"), shownAz);
    EXPECT_EQ(s.station->panel().caption("lbl_Elfed"), shownEl);
    EXPECT_EQ(s.station->panel().caption("lbl_azctrl"),
              "Bad position reply from the Az/El Controller.");
    EXPECT_TRUE(s.station->panel().visible("lbl_azctrl"));
    EXPECT_EQ(statusValue(s.status(), "box"), "bad_reply");
    // The next good reply clears it.
    s.tick(3);
    EXPECT_EQ(statusValue(s.status(), "box"), "present");
    EXPECT_NE(statusValue(s.status(), "rot_az_count"), "-");
    EXPECT_FALSE(s.station->panel().visible("lbl_azctrl"));
}

TEST(StationOnSimulatedBox, GarbledParallelRepliesShowAsBad) {
    SimulatedStation s(3, "garbled@1");
    s.tick(4);
    EXPECT_EQ(statusValue(s.status(), "box"), "present");
    const std::string shownAz = s.station->panel().caption("lbl_Azfed");
    QThread::msleep(1100); // the fault starts after a second of run time
    int bad = 0;
    for (int i = 0; i < 10; ++i) {
        s.tick(1);
        if (s.station->interfaceBox().readingValid()) continue;
        ++bad;
        EXPECT_EQ(statusValue(s.status(), "rot_az_count"), "-");
        EXPECT_EQ(statusValue(s.status(), "box"), "bad_reply");
        EXPECT_EQ(s.station->panel().caption("lbl_Azfed"), shownAz);
    }
    EXPECT_GE(bad, 8);
}

// The first tick's park holds the main loop while the rotators turn. Whoever prints the
// status line meanwhile sees the clock run and the park timer count; the readings
// averaged after the park are the rotator's, not a mix with those before it.
TEST(StationOnSimulatedBox, AParkThatHoldsTheLoopLeavesTheClockAndTheParkTimerShowing) {
    SimulatedStation s(4, {}, [](station::Station& station) {
        auto& configuration = station.configuration();
        configuration.makes_cfg(4);
        configuration.write(4, 17, "YES"); // park
        configuration.write(4, 11, "90");  // at 90 degrees: half a turn from the south start
    });
    std::set<std::string> clocks, rotCaptions;
    s.doubles.waits.onWait = [&](int) {
        s.doubles.clock.advanceMs(500);
        QCoreApplication::processEvents();
        if (!s.station->rotatorDrive().state().parking) return;
        clocks.insert(statusValue(s.status(), "utc"));
        rotCaptions.insert(statusValue(s.status(), "rot"));
    };
    s.tick(8); // the first tick parks at 90 degrees; then readings there
    s.station->config().azParking = 270;
    s.tick(2); // partial sums of the average before the next park
    clocks.clear();
    rotCaptions.clear();
    s.station->panel().gesture("Lbl_force_park", core::Gesture::DblClick);
    EXPECT_GT(s.station->rotatorDrive().state().parksDone, 0);
    EXPECT_GT(clocks.size(), 5u) << "the status line's clock ran during the park";
    EXPECT_TRUE(rotCaptions.count("Park_Timer_3")) << s.status();
    EXPECT_EQ(statusValue(s.status(), "rot"), "Rotators_Free");
    for (int i = 0; i < 4; ++i) {
        s.tick(1);
        const double rotatorAt =
            rotator::trueAzimuthAt(s.station->rotatorDrive().format(),
                                   s.station->simulatedHardware()->box().azimuth().count());
        EXPECT_NEAR(s.station->rotatorDrive().azimuthReading(), rotatorAt, 1) << s.status();
    }
}

} // namespace
} // namespace orv::test
