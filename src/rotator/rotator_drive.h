// The rotator drive: reads the positions each tick, works out where the antennas
// should point (with the flip decided before each pass), sends new targets when the
// satellite has moved far enough, parks the antennas, and serves the operator's
// rotator controls and the calibration of the position feedback.
#pragma once

#include "core/box_frame.h"
#include "core/configuration.h"
#include "core/panel.h"
#include "core/station_state.h"
#include "core/tracking_state.h"
#include "platform/waits.h"
#include "rotator/drive_arithmetic.h"
#include "rotator/interface_box.h"
#include "rotator/pass_analysis.h"
#include "rotator/rotator_format.h"
#include "rotator/turning_watch.h"

#include <QTimer>
#include <functional>
#include <string>

namespace orv::rotator {

// Intervals of the rotator timers, in milliseconds.
struct RotatorTiming {
    int azTimerMs = 600; // a move's green LED stays lit this long
    int eleTimerMs = 600;
    int rotTimerMs = 4000; // the stop frame follows the last move by this long
    int parkRoundMs = 75;  // one round of the parking loop
    int parkRounds = 550;
};

struct RotatorDriveLinks {
    const core::ConfigValues& config;
    core::StartupState& startup;
    const core::LoopState& loop;
    core::TrackingState& tracking;
    core::BoxFrame& frame;
    const core::BoxReply& reply;
    core::Panel& panel;
    platform::Waits& waits;
    InterfaceBox& box;
};

// What the drive asks of the rest of the station.
struct RotatorDriveHooks {
    std::function<void(bool enabled)> setLoopTimerEnabled;
    std::function<void()> inhibitRadios;
    std::function<void()> releaseRadios; // undoes inhibitRadios
    std::function<void()> shutDownRadios;
    std::function<void(int number)> errorMessage; // the numbered operator messages
    std::function<void()> timeRoutines;           // reads the clock into the tracking state
    std::function<void()> predictSelected;        // runs the propagator for the selected satellite
    std::function<bool()> programEnded;           // the run is over: loops of the drive let go
};

enum class FlipState { Off, On, Asked };

struct RotatorDriveState {
    int azRotatorFormat = 0;
    int azFormatOverride = 0;
    double azDegPerCount = 360.0 / kMaxCount;
    double elDegPerCount = kElevationDegPerCount;
    std::string scaleLabel;

    std::string flipDecision = "No";
    int flipActive = 0;
    PassAnalysis lastPass;
    int prePositionCount = 0;
    double prePositionElevation = 0;
    bool prePositionPlanned = false; // a pass analysis set the pre-position targets
    bool prePositionWaiting = false; // a flip to be accepted before the pre-position
    int parkRequest = 0;

    PositionAverage average;
    int faultCounter = 0;
    double compAzimuth = 0;  // true drive azimuth before the flip (lbl_compAz)
    double driveAzimuth = 0; // along the rotator's travel, degrees
    double driveElevation = 0;
    double pointingAzimuth = 0;   // true azimuth the antennas are to point at
    double pointingElevation = 0; // elevation sent to the rotator (over the top when flipped)
    bool elevationDriven = true;  // false on a flipped tick below 1 degree
    int azTargetCount = 0;
    int elTargetCount = 0;
    double trackFactor = 1;
    int azForceMove = 0;

    int suspended = 0; // set while parking: no moves
    int parking = 0;
    int manualPark = 0;
    int lastParkRounds = 0;
    int parksDone = 0;
    int calibrating = 0;
    int movesSent = 0;
};

class RotatorDrive {
public:
    RotatorDrive(RotatorDriveLinks links, RotatorDriveHooks hooks, RotatorTiming timing = {});
    RotatorDrive(const RotatorDrive&) = delete;
    RotatorDrive& operator=(const RotatorDrive&) = delete;

    // Binds the operator's rotator controls on the panel.
    void bindGestures();

    void scales();
    void antenna_status();
    void rotators();
    void track_antennas();
    void park();
    // The park as a tracked pass ends: the radios stay set up for the satellite's next
    // pass, and are only held while the antennas turn.
    void parkAfterPass();
    void timeout_parker(int ms);
    void flip_park();
    void lbl_flip_mode_Click();
    // The satellite went below the re-arm elevation: a flipped pass is over.
    void endOfPass();
    // The flip control's idle caption, unless a flip is active or waiting for the operator.
    void showFlipMode(bool autoFlip);
    void stopTimers();

    // Operator controls.
    void ch_az_Click();
    void ch_el_Click();
    void ResetAz_Click();
    void ResetEl_Click();
    void hs_Azimuth_Change();
    void hs_elevation_Change();
    void lbl_calib_DblClick();
    void lbl_calib_Click();
    void Lbl_force_park_DblClick();

    // Timer ticks.
    void az_timer_Timer();
    void ele_timer_Timer();
    void rot_timer_Timer();

    void requestAzimuthMove() { state_.azForceMove = 1; }
    RotatorDriveState& state() { return state_; }
    const RotatorDriveState& state() const { return state_; }
    FlipState flipState() const;
    const RotatorFormat& format() const;
    // The rotator readings as the panel shows them, degrees.
    double azimuthReading() const;
    double elevationReading() const;

private:
    bool ended() const { return hooks_.programEnded && hooks_.programEnded(); }
    bool azimuthSwitchOn() const { return links_.panel.value("ch_az") != 0; }
    bool elevationSwitchOn() const { return links_.panel.value("ch_el") != 0; }
    bool serialBox() const { return links_.box.variant() == 4; }
    void countSerialFault();
    void takeReading();
    void computeDriveAngles();
    void holdSwitchedOff();
    void moveAzimuth();
    void moveElevation();
    void clearParallelOneShots();
    void sendStopFrame();
    // No move in flight: the state word at rest, no longer in the colour of a move.
    void showRotatorsFree();
    // The drive lamps: green while a target has just gone out or the axis is seen turning.
    void showDriveLamps();
    void watchTurning();
    void putParkTargets(int azCount, int elCount);
    bool parkRound(int azTarget, int elTarget);
    RotatorCounts standing() const;
    void setHoldFrame();
    std::optional<PredictedLook> predictAt(double dayNumber, double startFraction,
                                           double secondsAhead);
    void showFlipOutcome();
    void showFlippingOn();
    void prePosition();
    void calibrationLoop();
    void startTimer(QTimer& timer, int ms);

    RotatorDriveLinks links_;
    RotatorDriveHooks hooks_;
    RotatorTiming timing_;
    RotatorDriveState state_;
    QTimer az_timer_, ele_timer_, rot_timer_, park1_;
    TurningWatch azTurning_, elTurning_;
    int averagesWatched_ = 0;
    int parkWaitFlag_ = 0;
    bool keepRadios_ = false;
};

} // namespace orv::rotator
