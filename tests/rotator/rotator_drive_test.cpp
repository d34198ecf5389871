// The rotator drive on the simulated box: moves only past the step, rotators held
// when switched off, parking with its time limit, the serial fault count,
// calibration, and the flip decision with its outcomes.
#include "drive_fixture.h"
#include "synthetic_pass.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

rotator::RotatorTiming quickTiming() {
    rotator::RotatorTiming timing;
    timing.parkRoundMs = 2;
    return timing;
}

TEST(RotatorDrive, ANewTargetGoesOutOnlyWhenTheErrorExceedsTheStep) {
    for (const int variant : {3, 4}) {
        DriveFixture f(variant, 60);
        // Narrow deadbands: the box then stops the rotators well inside the step.
        f.config.azDeadband = f.config.elDeadband = 1;
        f.settle(100, 20, 300);
        const auto& k = f.drive->format();
        const double azDegrees = rotator::trueAzimuthAt(k, f.azCount());
        EXPECT_LE(std::abs(azDegrees - 100),
                  f.config.azStep + f.config.azDeadband * k.degPerCount())
            << variant;
        EXPECT_NEAR(f.elCount() * rotator::kElevationDegPerCount, 20,
                    f.config.elStep + f.config.elDeadband * rotator::kElevationDegPerCount);
        const int moves = f.drive->state().movesSent;
        f.settle(101, 21, 8); // within the 2-degree steps
        EXPECT_EQ(f.drive->state().movesSent, moves) << variant;
        f.tick(104, 21);
        EXPECT_EQ(f.drive->state().movesSent, moves + 1) << variant;
        const auto target = rotator::azimuthOnRotator(k, 104, f.drive->state().average.azimuth());
        EXPECT_EQ(f.hardware->box().azimuth().target(), std::lround(target.count)) << variant;
        EXPECT_EQ(f.panel.caption("lbl_rot"), "Rotators Active");
    }
}

TEST(RotatorDrive, NoMovesWithoutASatelliteOrBelowTheHorizon) {
    DriveFixture f(4, 60);
    f.loop.selectedSatellite = core::kNoSatellite;
    f.settle(100, 20, 10);
    EXPECT_EQ(f.drive->state().movesSent, 0);
    EXPECT_EQ(f.frame[34], 0);
    f.loop.selectedSatellite = "AO-7";
    f.settle(100, -1, 10);
    EXPECT_EQ(f.drive->state().movesSent, 0);
}

TEST(RotatorDrive, ARotatorSwitchedOffDuringAPassIsHeldAtItsReading) {
    for (const int variant : {3, 4}) {
        DriveFixture f(variant, 60);
        // Every present serial reply switches the elevation rotator back on, unless the
        // configuration inhibits it.
        f.config.inhibitElevation = "YES";
        f.settle(100, 30, 300);
        f.panel.setValue("ch_el", 0);
        f.panel.gesture("ch_el", core::Gesture::Click);
        EXPECT_EQ(f.panel.caption("ch_el"), "Restore Elevation");
        EXPECT_FALSE(f.panel.visible("lbl_Elfed"));
        const int heldAt = f.elCount();
        f.settle(140, 60, 200);
        const auto& box = f.box->state();
        if (variant == 4) {
            EXPECT_EQ(f.frame[33] * 256 + f.frame[32], box.elReadingHigh * 256 + box.elReadingLow);
            EXPECT_EQ(f.frame[35], 1) << "held, not let go";
        } else {
            EXPECT_EQ(f.frame[47] * 256 + f.frame[48], box.elReadingHigh * 256 + box.elReadingLow);
            EXPECT_EQ(f.frame[64], 1);
        }
        EXPECT_NEAR(f.elCount(), heldAt, f.config.elDeadband + 1) << variant;
        // The azimuth still follows on its own.
        EXPECT_LE(std::abs(rotator::trueAzimuthAt(f.drive->format(), f.azCount()) - 140), 3.5)
            << variant;
        f.panel.setValue("ch_el", 1);
        f.panel.gesture("ch_el", core::Gesture::Click);
        EXPECT_EQ(f.panel.caption("ch_el"), "El Rotator Enabled");
    }
}

// The box closes the loop within the deadbands of the frame it last took: a frame
// without them (a park, a move with no radio command) would leave it hunting.
TEST(RotatorDrive, EveryFrameCarriesTheConfiguredDeadbands) {
    for (const int variant : {3, 4}) {
        DriveFixture f(variant, 300, quickTiming());
        f.config.azDeadband = 7;
        f.config.elDeadband = 9;
        f.config.elevationPark = "YES";
        f.config.azParking = 90;
        f.drive->park();
        f.settle(100, 20, 60);
        f.drive->rot_timer_Timer(); // the stop frame
        ASSERT_GT(f.framesSeen.size(), 3u) << variant;
        for (const auto& frame : f.framesSeen) {
            EXPECT_EQ(frame.azDeadband, 7) << variant;
            EXPECT_EQ(frame.elDeadband, 9) << variant;
        }
    }
}

// A serial reply that carries the position mark but counts past the travel.
std::vector<uint8_t> serialReplyWithCounts(int az, int el) {
    std::vector<uint8_t> reply(29, 0);
    reply[0] = static_cast<uint8_t>(az & 0xFF);
    reply[1] = static_cast<uint8_t>(az >> 8);
    reply[2] = static_cast<uint8_t>(el & 0xFF);
    reply[3] = static_cast<uint8_t>(el >> 8);
    reply[6] = 255;
    reply[7] = 128;
    return reply;
}

int highestCount(const std::vector<sim::RotatorCommand>& frames) {
    int highest = 0;
    for (const auto& frame : frames)
        highest = std::max({highest, frame.azTarget, frame.elTarget});
    return highest;
}

// A garbled reply is no position: a rotator held at its reading stays at the last
// valid one, the average and the readouts keep it, and a park to "where it stands"
// does not send the rotator to count 0.
TEST(RotatorDrive, ReadingsOutsideTheTravelNeverBecomeTargets) {
    DriveFixture f(4, 60, quickTiming());
    f.config.inhibitElevation = "YES";
    f.settle(100, 30, 300);
    f.panel.setValue("ch_el", 0);
    f.panel.gesture("ch_el", core::Gesture::Click);
    f.settle(100, 30, 4);
    const int heldEl = f.box->elevationCount();
    const int heldAz = f.box->azimuthCount();
    const std::string shownAz = f.panel.caption("lbl_Azfed");
    QCoreApplication::processEvents(); // no reply of the box left on its way
    f.box->storeSerialReply(serialReplyWithCounts(48949, 62421));
    f.tick(140, 30); // an azimuth move goes out with the held elevation
    EXPECT_EQ(f.frame[33] * 256 + f.frame[32], heldEl);
    EXPECT_LE(highestCount(f.framesSeen), 1023);
    EXPECT_EQ(f.panel.caption("lbl_Azfed"), shownAz) << "the readout keeps the last valid position";

    f.panel.setValue("ch_el", 1);
    f.panel.gesture("ch_el", core::Gesture::Click);
    f.settle(140, 30, 200);
    const int standing = f.box->azimuthCount();
    QCoreApplication::processEvents();
    f.box->storeSerialReply(serialReplyWithCounts(48949, 62421));
    f.config.elevationPark = "YES";
    f.config.azParking = 0; // stay where it stands
    f.framesSeen.clear();
    f.drive->park();
    ASSERT_FALSE(f.framesSeen.empty());
    EXPECT_NEAR(f.framesSeen.front().azTarget, standing, 8);
    EXPECT_NE(heldAz, 0);
}

TEST(RotatorDrive, GarbledParallelRepliesNeverBecomeTargets) {
    DriveFixture f(3, 60, quickTiming(), true, sim::FaultPlan{sim::FaultKind::Garbled, 1});
    f.settle(100, 30, 300);
    const int heldEl = f.elCount();
    f.panel.setValue("ch_el", 0);
    f.panel.gesture("ch_el", core::Gesture::Click);
    f.faultSeconds = 2;
    f.framesSeen.clear();
    for (int i = 0; i < 40; ++i)
        f.tick(100 + 5 * (i % 2), 30);
    ASSERT_FALSE(f.framesSeen.empty());
    EXPECT_LE(highestCount(f.framesSeen), 1023);
    for (const auto& frame : f.framesSeen)
        EXPECT_NEAR(frame.elTarget, heldEl, 1);
}

TEST(RotatorDrive, ParkingAgainstARotatorThatDoesNotMoveGivesUpAfter550Rounds) {
    for (const int variant : {3, 4}) {
        DriveFixture f(variant, 0, quickTiming());
        f.config.elevationPark = "YES";
        f.config.azParking = 90;
        testing::internal::CaptureStderr();
        f.drive->park();
        // Without windows the operator hears of it on standard error.
        EXPECT_NE(testing::internal::GetCapturedStderr().find(
                      "No Az/El control? or 1 Minute Max Parking Timeout 550"),
                  std::string::npos);
        EXPECT_EQ(f.drive->state().lastParkRounds, 550) << variant;
        EXPECT_EQ(f.panel.caption("lbl_maplogo"),
                  "No Az/El control? or 1 Minute Max Parking Timeout 550");
        if (variant == 4) {
            EXPECT_EQ(f.frame[34], 0);
            EXPECT_EQ(f.frame[35], 0);
        } else {
            EXPECT_EQ(f.frame[62], 0);
            EXPECT_EQ(f.frame[63], 1);
            EXPECT_EQ(f.frame[64], 1);
        }
        EXPECT_FALSE(f.hardware->box().azimuth().driven()) << "the stop frame reached the box";
        EXPECT_EQ(f.panel.caption("lbl_rot"), "Rotators Free");
        EXPECT_EQ(f.loopTimerEnabled, (std::vector<bool>{false, true}));
        EXPECT_EQ(f.radioShutdowns, 1);
        EXPECT_EQ(f.radioReleases, 0);
    }
}

TEST(RotatorDrive, TheParkAfterAPassKeepsTheRadios) {
    DriveFixture f(4, 300, quickTiming());
    f.config.elevationPark = "YES";
    f.drive->parkAfterPass();
    EXPECT_EQ(f.radioInhibits, 1);
    EXPECT_EQ(f.radioReleases, 1);
    EXPECT_EQ(f.radioShutdowns, 0);
    f.drive->park();
    EXPECT_EQ(f.radioShutdowns, 1);
}

TEST(RotatorDrive, ParkingDrivesBothRotatorsToTheParkPosition) {
    for (const int variant : {3, 4}) {
        DriveFixture f(variant, 300, quickTiming());
        f.config.elevationPark = "YES";
        f.config.azParking = 90; // format 0: half a turn from the south start
        f.config.snowWindPark = 45;
        f.drive->park();
        EXPECT_LT(f.drive->state().lastParkRounds, 550) << variant;
        EXPECT_NEAR(f.azCount(), 767, 8) << variant;
        EXPECT_NEAR(f.elCount(), 255, 8) << variant;
        EXPECT_EQ(f.panel.caption("lbl_rot"), "Rotators Free");
    }
}

TEST(RotatorDrive, ParkingIsSkippedWhenNotWantedOrNotPossible) {
    DriveFixture f(4, 0, quickTiming());
    f.drive->park(); // elevation park "NO" and nothing asked
    f.panel.setValue("ch_az", 0);
    f.config.elevationPark = "YES";
    f.drive->park(); // a rotator switched off
    EXPECT_TRUE(f.loopTimerEnabled.empty());
    EXPECT_EQ(f.radioInhibits, 0);
}

TEST(RotatorDrive, SerialRepliesWithoutThePositionMarkEndInDemonstrationMode) {
    DriveFixture f(4, 0, {}, false);
    for (int i = 0; i < 300; ++i)
        f.drive->antenna_status();
    EXPECT_TRUE(f.messages.empty());
    EXPECT_EQ(f.startup.demo, 0);
    f.drive->antenna_status();
    EXPECT_EQ(f.messages, std::vector<int>{1});
    EXPECT_EQ(f.panel.caption("lbl_azctrl"), "No Serial Port or Hardware");
    EXPECT_TRUE(f.panel.visible("lbl_azctrl"));
    EXPECT_EQ(f.startup.demo, 1);
}

TEST(RotatorDrive, CalibrationShowsRawCountsUntilRestore) {
    DriveFixture f(3, 60);
    f.settle(200, 40, 300);
    std::vector<std::string> shown;
    int waits = 0;
    f.waits.onWait = [&](int ms) {
        f.waitedMs += ms;
        QCoreApplication::processEvents();
        shown.push_back(f.panel.caption("lbl_calaz"));
        if (++waits == 6) f.panel.gesture("lbl_calib", core::Gesture::Click);
    };
    f.loopTimerEnabled.clear();
    f.panel.gesture("lbl_calib", core::Gesture::DblClick);
    EXPECT_EQ(f.drive->state().calibrating, 0);
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown[2], std::to_string(f.box->azimuthCount()));
    EXPECT_EQ(f.panel.caption("lbl_calel"), std::to_string(f.box->elevationCount()));
    EXPECT_EQ(f.panel.caption("lbl_calib"), "Calibrate");
    EXPECT_EQ(f.panel.caption("lbl_rot"), "Rotators Free");
    EXPECT_TRUE(f.panel.visible("lbl_Azfed"));
    EXPECT_FALSE(f.panel.visible("txt_calib"));
    EXPECT_EQ(f.loopTimerEnabled, (std::vector<bool>{false, true}));
}

TEST(RotatorDrive, TheEndOfTheRunEndsCalibrationAndParking) {
    DriveFixture f(3, 0, quickTiming());
    bool ended = false;
    rotator::RotatorDriveHooks hooks;
    hooks.programEnded = [&] { return ended; };
    f.drive = std::make_unique<rotator::RotatorDrive>(
        rotator::RotatorDriveLinks{f.config, f.startup, f.loop, f.tracking, f.frame, f.reply,
                                   f.panel, f.waits, *f.box},
        hooks, quickTiming());
    f.drive->bindGestures();
    int waits = 0;
    f.waits.onWait = [&](int) {
        if (++waits == 4) ended = true;
    };
    f.panel.gesture("lbl_calib", core::Gesture::DblClick);
    EXPECT_EQ(f.drive->state().calibrating, 0);
    f.config.elevationPark = "YES";
    f.config.azParking = 90;
    f.drive->park();
    EXPECT_LT(f.drive->state().lastParkRounds, 550);
}

TEST(RotatorDrive, CalibrationTextAndCaptionWhileRunning) {
    DriveFixture f(3, 0);
    std::string caption, rot;
    bool textShown = false;
    f.waits.onWait = [&](int) {
        if (!caption.empty()) return;
        caption = f.panel.caption("lbl_calib");
        rot = f.panel.caption("lbl_rot");
        textShown = f.panel.visible("txt_calib");
        f.panel.gesture("lbl_calib", core::Gesture::Click);
    };
    f.panel.gesture("lbl_calib", core::Gesture::DblClick);
    EXPECT_EQ(caption, "Restore");
    EXPECT_TRUE(textShown);
    EXPECT_EQ(f.panel.caption("txt_calib").rfind("Using the manual switches move \r\n", 0), 0u);
    EXPECT_NE(f.panel.caption("txt_calib").find("black  boxes  toggle between 1022 "),
              std::string::npos);
}

// A pass across the south on a south-start rotator is flipped: with flipping on the
// antennas are parked at once where it rises over the top; with flipping off the
// operator is asked, and the click both flips and pre-positions.
TEST(FlipPark, ASouthCrossingPassIsFlippedOrAskedByTheFlipSwitch) {
    for (const char* useFlipping : {"YES", "NO"}) {
        const bool flipping = std::string(useFlipping) == "YES";
        DriveFixture f(4, 300, quickTiming());
        f.config.useFlipping = useFlipping;
        f.predict = syntheticPass(200, 600, 150, 60);
        f.tick(150, -3);
        f.drive->flip_park();
        EXPECT_EQ(f.drive->state().flipDecision, "Yes");
        EXPECT_EQ(f.drive->state().prePositionElevation, 175);
        EXPECT_EQ(f.tracking.predictMode, 0);
        if (flipping) {
            EXPECT_EQ(f.drive->flipState(), rotator::FlipState::On);
            EXPECT_EQ(f.panel.caption("lbl_flip_mode"), "Flipping ON");
            EXPECT_EQ(f.panel.field("lbl_flip_mode").backColor, 255);
            EXPECT_EQ(f.panel.field("lbl_flip_mode").foreColor, 65535);
        } else {
            EXPECT_EQ(f.radioInhibits, 0) << "not pre-positioned before the operator accepts";
            EXPECT_EQ(f.drive->flipState(), rotator::FlipState::Asked);
            EXPECT_EQ(f.panel.caption("lbl_flip_mode"), "??? FLIP ???");
            EXPECT_EQ(f.panel.field("lbl_flip_mode").backColor, 65280);
            f.tick(150, -2);
            f.panel.gesture("lbl_flip_mode", core::Gesture::Click);
            EXPECT_EQ(f.drive->flipState(), rotator::FlipState::On);
            EXPECT_EQ(f.panel.caption("lbl_flip_mode"), "Flipping ON");
        }
        // Parked where the pass rises, turned by half a turn: 330 degrees, over the top.
        EXPECT_EQ(f.radioInhibits, 1) << useFlipping;
        EXPECT_EQ(f.radioReleases, 1) << useFlipping;
        EXPECT_LT(std::abs(rotator::trueAzimuthAt(f.drive->format(), f.azCount()) - 330), 4)
            << useFlipping;
        EXPECT_NEAR(f.elCount() * rotator::kElevationDegPerCount, 175, 2) << useFlipping;
        // Flipped drive: the reciprocal bearing, the elevation over the top.
        f.tick(170, 30);
        EXPECT_NEAR(f.drive->state().pointingAzimuth, 350, 1e-9);
        EXPECT_NEAR(f.drive->state().pointingElevation, 150, 1e-9);
        EXPECT_TRUE(f.panel.visible("lbl_recip"));
        f.tick(170, 0.5);
        EXPECT_FALSE(f.drive->state().elevationDriven);
        f.drive->endOfPass();
        EXPECT_EQ(f.drive->flipState(), rotator::FlipState::Off);
        EXPECT_EQ(f.panel.caption("lbl_flip_mode"), flipping ? "Auto Flip ON" : "Flipping OFF");
        EXPECT_EQ(f.panel.field("lbl_flip_mode").backColor, 0xC0C0C0);
    }
}

// A flip accepted once the pass is under way leaves the antennas to the drive.
TEST(FlipPark, AFlipAcceptedDuringThePassIsNotPrePositioned) {
    DriveFixture f(4, 300, quickTiming());
    f.predict = syntheticPass(200, 600, 150, 60);
    f.tick(150, -3);
    f.drive->flip_park();
    f.tick(160, 10);
    f.panel.gesture("lbl_flip_mode", core::Gesture::Click);
    EXPECT_EQ(f.drive->flipState(), rotator::FlipState::On);
    EXPECT_EQ(f.radioInhibits, 0);
}

// Below 1 degree the elevation of a flipped pass is not driven, on the parallel box as on
// the serial one: the frames of azimuth moves before the satellite is up let the
// elevation rotator stand at its pre-position, over the top.
TEST(FlipPark, BelowOneDegreeAFlippedElevationIsNotDrivenOnEitherBox) {
    for (const int variant : {3, 4}) {
        DriveFixture f(variant, 300, quickTiming());
        f.config.useFlipping = "YES";
        f.predict = syntheticPass(200, 600, 150, 60);
        f.tick(150, -3);
        f.drive->flip_park();
        const int prePosition = int(175 / rotator::kElevationDegPerCount);
        f.framesSeen.clear();
        for (int i = 0; i < 10; ++i)
            f.tick(150 + 2 * i, 0.5);
        ASSERT_FALSE(f.framesSeen.empty()) << variant;
        for (const auto& frame : f.framesSeen)
            EXPECT_FALSE(frame.elDrive) << variant << ": elevation " << frame.elTarget << " driven";
        EXPECT_NEAR(f.elCount(), prePosition, f.config.elDeadband + 1) << variant;
        f.tick(172, 3); // up: driven over the top
        EXPECT_TRUE(f.framesSeen.back().elDrive) << variant;
        EXPECT_EQ(f.framesSeen.back().elTarget, std::lround(177 / rotator::kElevationDegPerCount))
            << variant;
    }
}

TEST(FlipPark, APassWithoutFlipIsPrePositioned) {
    DriveFixture f(4, 300, quickTiming());
    f.config.azRotatorFormat = 1;
    f.drive->scales();
    f.predict = syntheticPass(200, 600, 30, 100);
    f.tick(30, -3);
    f.drive->flip_park();
    EXPECT_EQ(f.drive->state().flipDecision, "No");
    EXPECT_EQ(f.drive->state().prePositionCount, 85); // 30 degrees on a north-start rotator
    EXPECT_EQ(f.radioInhibits, 1);
    EXPECT_EQ(f.radioShutdowns, 0) << "pre-positioning keeps the radios";
    EXPECT_EQ(f.radioReleases, 1) << "and holds them only while the antennas turn";
    EXPECT_NEAR(f.azCount(), 85, 8);
    EXPECT_NEAR(f.elCount(), 0, 8);
    EXPECT_EQ(f.box->state().prePositionMode, 1);
    f.tick(30, -2); // the reading after a pre-position is skipped, and the mode cleared
    EXPECT_EQ(f.box->state().prePositionMode, 0);
}

TEST(FlipPark, NoAnalysisOnceThePassIsUnderWayOrWithoutElements) {
    DriveFixture f(4, 0);
    f.predict = syntheticPass(200, 600, 150, 60);
    f.tick(150, 10);
    f.drive->flip_park();
    EXPECT_EQ(f.predictions, 0);
    f.tick(150, -1);
    f.loop.elementsValid = 0;
    f.drive->flip_park();
    EXPECT_EQ(f.predictions, 0);
    f.loop.elementsValid = 1;
    f.predict = syntheticPass(4000, 600, 150, 60); // no pass within 45 minutes
    f.drive->flip_park();
    EXPECT_EQ(f.predictions, 271);
    EXPECT_EQ(f.drive->state().flipDecision, "No");
    EXPECT_EQ(f.tracking.predictMode, 0);
}

} // namespace
} // namespace orv::test
