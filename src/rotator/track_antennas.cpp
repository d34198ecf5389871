// track_antennas and the rotator timers: when a move is worth sending, the frames
// of both box variants, and the stop frame that follows the last move.
#include "core/tracking_source.h"
#include "rotator/drive_slots.h"
#include "rotator/rotator_drive.h"

#include <cmath>

namespace orv::rotator {

namespace {
namespace parallel = parallel_slots;
namespace serial = serial_slots;

constexpr double kForcedError = 100;
constexpr int kColourActive = 255;
} // namespace

void RotatorDrive::track_antennas() {
    if (links_.box.demo() || state_.driveElevation <= 0) return;
    auto& frame = links_.frame;
    // A network client's pointing target is driven with no satellite selected.
    const bool noTarget = links_.loop.selectedSatellite == core::kNoSatellite &&
                          links_.loop.trackingSource != core::kRemotePointingSource;
    if (noTarget || links_.startup.hardwareAbsent || state_.suspended) {
        if (serialBox())
            frame[serial::kAzDrive] = frame[serial::kElDrive] = 0;
        else
            frame[parallel::kDrive] = 0;
        return;
    }
    double elevation = state_.driveElevation;
    state_.elevationDriven = true;
    if (state_.flipActive) {
        const auto flipped = flippedElevation(elevation);
        state_.elevationDriven = flipped.has_value();
        if (flipped) elevation = *flipped;
    }
    // Below 1 degree a flipped elevation rotator is let be: a frame going out on this
    // tick (an azimuth move) must not drive it to an old target.
    if (!state_.elevationDriven) {
        if (serialBox())
            frame[serial::kElDrive] = 0;
        else
            frame[parallel::kElStop] = 1;
    }
    state_.pointingElevation = elevation;
    state_.elTargetCount = targetCount(elevation, state_.elDegPerCount);
    state_.azTargetCount = targetCount(state_.driveAzimuth, format().degPerCount());

    if (serialBox() && links_.box.state().serialSendBusy) links_.waits.timerx(100);
    holdSwitchedOff();

    // Errors in degrees along each rotator's travel, so that an overlap or a flip
    // compares the position with the target actually sent.
    auto& box = links_.box.state();
    double azError =
        std::abs(state_.average.azimuth() * format().degPerCount() - state_.driveAzimuth);
    double elError = std::abs(elevationReading() - elevation);
    if (box.azLedFlag) azError = kForcedError;
    const double trackingElevation = links_.tracking.elevation;
    if (box.elLedFlag ||
        (trackingElevation >= links_.config.startTrackingAt && trackingElevation < 1))
        elError = kForcedError;

    if ((azError > links_.config.azStep && azimuthSwitchOn()) || state_.azForceMove) moveAzimuth();
    if (elError > links_.config.elStep && elevationSwitchOn() && state_.driveElevation >= 0 &&
        state_.elevationDriven)
        moveElevation();
}

// A rotator whose switch is off is held at its present reading, not let go. The
// reading is the last one that passed the valid-count check; before the first there is
// nothing to hold it at, and it stands undriven.
void RotatorDrive::holdSwitchedOff() {
    const bool azOn = azimuthSwitchOn();
    const bool elOn = elevationSwitchOn();
    if (azOn && elOn) return;
    auto& frame = links_.frame;
    if (!azOn && !elOn) {
        if (serialBox()) {
            frame[serial::kAzDrive] = frame[serial::kElDrive] = 0;
        } else {
            frame[parallel::kAzStop] = frame[parallel::kElStop] = 1;
            frame[parallel::kDrive] = 0;
        }
        startTimer(rot_timer_, timing_.rotTimerMs);
        return;
    }
    const auto& held = links_.box.lastValidPosition();
    const bool azimuth = !azOn;
    const int count = held ? (azimuth ? held->azimuth : held->elevation) : 0;
    if (serialBox()) {
        frame[azimuth ? serial::kAzHigh : serial::kElHigh] = highByte(count);
        frame[azimuth ? serial::kAzLow : serial::kElLow] = lowByte(count);
        frame[azimuth ? serial::kAzDrive : serial::kElDrive] = held ? 1 : 0;
        startTimer(rot_timer_, timing_.rotTimerMs);
        return;
    }
    frame[azimuth ? parallel::kAzHigh : parallel::kElHigh] = highByte(count);
    frame[azimuth ? parallel::kAzLow : parallel::kElLow] = lowByte(count);
    // The stop flag holds the rotator at its target; without a target it only stops it.
    frame[azimuth ? parallel::kAzStop : parallel::kElStop] = 1;
    startTimer(azimuth ? az_timer_ : ele_timer_, azimuth ? timing_.azTimerMs : timing_.eleTimerMs);
}

void RotatorDrive::moveAzimuth() {
    state_.azForceMove = 0;
    links_.box.state().azLedFlag = 0;
    auto& panel = links_.panel;
    panel.setVisible("redled", false);
    panel.setVisible("grnled", true);
    startTimer(az_timer_, timing_.azTimerMs);
    startTimer(rot_timer_, timing_.rotTimerMs);
    panel.setCaption("lbl_rot", "Rotators Active");
    panel.setForeColor("lbl_rot", kColourActive);
    auto& frame = links_.frame;
    const int count = state_.azTargetCount;
    if (serialBox()) {
        frame[serial::kAzHigh] = highByte(count);
        frame[serial::kAzLow] = lowByte(count);
        frame[serial::kAzDrive] = 1;
        frame[serial::kSendFlag] = frame[serial::kReadFlag] = 0;
    } else {
        frame[parallel::kAzHigh] = highByte(count);
        frame[parallel::kAzLow] = lowByte(count);
        frame[parallel::kAzStop] = 0;
        frame[parallel::kDrive] = 1;
    }
    ++state_.movesSent;
    links_.box.outs();
}

void RotatorDrive::moveElevation() {
    links_.box.state().elLedFlag = 0;
    auto& panel = links_.panel;
    panel.setVisible("redled1", false);
    panel.setVisible("grnled1", true);
    startTimer(ele_timer_, timing_.eleTimerMs);
    startTimer(rot_timer_, timing_.rotTimerMs);
    panel.setCaption("lbl_rot", "Rotators Active");
    panel.setForeColor("lbl_rot", kColourActive);
    auto& frame = links_.frame;
    const int count = state_.elTargetCount;
    if (serialBox()) {
        frame[serial::kElHigh] = highByte(count);
        frame[serial::kElLow] = lowByte(count);
        frame[serial::kElDrive] = 1;
        frame[serial::kSendFlag] = frame[serial::kReadFlag] = 0;
    } else {
        frame[parallel::kElHigh] = highByte(count);
        frame[parallel::kElLow] = lowByte(count);
        frame[parallel::kElStop] = 0;
        frame[parallel::kDrive] = 1;
    }
    ++state_.movesSent;
    links_.box.outs();
}

void RotatorDrive::clearParallelOneShots() {
    auto& frame = links_.frame;
    frame[parallel::kFrameMark] = 3;
    frame[parallel::kEndMark] = 5;
    for (int slot = parallel::kFirstOneShot; slot <= parallel::kLastOneShot; ++slot)
        frame[slot] = 0;
}

void RotatorDrive::az_timer_Timer() {
    if (!serialBox()) clearParallelOneShots();
    az_timer_.stop();
    showDriveLamps();
}

void RotatorDrive::ele_timer_Timer() {
    if (!serialBox()) clearParallelOneShots();
    ele_timer_.stop();
    showDriveLamps();
}

// A lamp's time after a move is up: it stays green only while the readings still
// show the rotator turning.
void RotatorDrive::showDriveLamps() {
    auto& panel = links_.panel;
    const bool azMoving = az_timer_.isActive() || azTurning_.turning();
    const bool elMoving = ele_timer_.isActive() || elTurning_.turning();
    panel.setVisible("grnled", azMoving);
    panel.setVisible("redled", !azMoving);
    panel.setVisible("grnled1", elMoving);
    panel.setVisible("redled1", !elMoving);
}

void RotatorDrive::rot_timer_Timer() {
    rot_timer_.stop();
    showRotatorsFree();
    sendStopFrame();
}

void RotatorDrive::showRotatorsFree() {
    links_.panel.setCaption("lbl_rot", "Rotators Free");
    links_.panel.setForeColor("lbl_rot", core::colour::kDefault);
}

// The stopped LEDs and the frame that lets both rotators go.
void RotatorDrive::sendStopFrame() {
    auto& panel = links_.panel;
    panel.setVisible("redled", true);
    panel.setVisible("grnled", false);
    panel.setVisible("redled1", true);
    panel.setVisible("grnled1", false);
    auto& frame = links_.frame;
    if (serialBox()) {
        if (links_.box.state().serialSendBusy) links_.waits.timerx(50);
        frame[serial::kAzDrive] = frame[serial::kElDrive] = 0;
    } else {
        clearParallelOneShots();
        frame[parallel::kAzStop] = frame[parallel::kElStop] = 1;
        frame[parallel::kDrive] = 0;
    }
    links_.box.outs();
}

} // namespace orv::rotator
