// flip_park: the look ahead before each pass, the flip decision and the
// pre-position; the operator's acceptance of a flip, and the end of a flipped pass.
#include "rotator/drive_slots.h"
#include "rotator/rotator_drive.h"

#include <cmath>
#include <limits>

namespace orv::rotator {

namespace {
constexpr double kPassUnderWay = 2; // degrees: no analysis once the satellite is this high
constexpr double kSecondsPerDay = 86400;

constexpr int kColourRed = 255, kColourYellow = 65535, kColourGreen = 65280;
constexpr int kColourIdleBack = 0xC0C0C0, kColourIdleText = 0x800000;

// The hold frame of the serial box: no radio command, the rotators where they are.
constexpr int kHoldFill = 240;
} // namespace

std::optional<PredictedLook> RotatorDrive::predictAt(double dayNumber, double startFraction,
                                                     double secondsAhead) {
    auto& tracking = links_.tracking;
    tracking.predictMode = 1;
    tracking.dayNumber = dayNumber;
    tracking.dayFraction = startFraction + secondsAhead / kSecondsPerDay;
    tracking.predictAzimuth = tracking.predictElevation = std::numeric_limits<double>::quiet_NaN();
    hooks_.predictSelected();
    if (!std::isfinite(tracking.predictAzimuth) || !std::isfinite(tracking.predictElevation))
        return std::nullopt;
    return PredictedLook{tracking.predictAzimuth, tracking.predictElevation};
}

void RotatorDrive::flip_park() {
    if (!links_.loop.elementsValid || links_.box.demo() || !azimuthSwitchOn() ||
        !elevationSwitchOn() || !hooks_.predictSelected)
        return;
    if (!std::signbit(state_.driveElevation) && state_.driveElevation > kPassUnderWay) return;
    if (hooks_.timeRoutines) hooks_.timeRoutines();
    auto& tracking = links_.tracking;
    const double dayNumber = tracking.dayNumber;
    const double startFraction = tracking.dayFraction;
    const auto pass =
        analysePass([&](double seconds) { return predictAt(dayNumber, startFraction, seconds); });
    // Prediction mode ends with the analysis whatever its outcome: left on, the next
    // tick's position would go to the predicted fields and tracking would stand still.
    tracking.predictMode = 0;
    tracking.dayNumber = dayNumber;
    tracking.dayFraction = startFraction;
    if (!pass) return;

    state_.lastPass = *pass;
    const FlipPlan plan = decideFlip(state_.azRotatorFormat, *pass, state_.average.azimuth());
    state_.flipDecision = plan.flip ? "Yes" : "No";
    state_.prePositionCount = plan.prePositionCount;
    state_.prePositionElevation = plan.prePositionElevation;
    if (plan.scaleOverride) {
        state_.azFormatOverride = plan.scaleOverride;
        scales();
        state_.azFormatOverride = 0;
    } else {
        scales();
    }
    showFlipOutcome();
}

// A flipped pass is pre-positioned as any other, to where it rises over the top; one the
// operator has still to accept waits for the click.
void RotatorDrive::showFlipOutcome() {
    auto& panel = links_.panel;
    state_.prePositionWaiting = false;
    if (state_.flipDecision == "Yes" && links_.config.useFlipping != "YES") {
        panel.setBackColor("lbl_flip_mode", kColourGreen);
        panel.setCaption("lbl_flip_mode", "??? FLIP ???");
        state_.prePositionWaiting = true;
        return;
    }
    if (state_.flipDecision == "Yes") showFlippingOn();
    prePosition();
}

void RotatorDrive::showFlippingOn() {
    state_.flipActive = 1;
    auto& panel = links_.panel;
    panel.setBackColor("lbl_flip_mode", kColourRed);
    panel.setForeColor("lbl_flip_mode", kColourYellow);
    panel.setCaption("lbl_flip_mode", "Flipping ON");
}

void RotatorDrive::prePosition() {
    links_.box.state().prePositionMode = 1;
    state_.prePositionPlanned = true;
    if (serialBox()) setHoldFrame();
    state_.parkRequest = 1;
    park();
}

void RotatorDrive::setHoldFrame() {
    auto& frame = links_.frame;
    const auto& box = links_.box.state();
    const RotatorCounts present = links_.box.lastValidPosition().value_or(RotatorCounts{});
    for (int slot = 1; slot <= 22; ++slot)
        frame[slot] = kHoldFill;
    frame[23] = frame[24] = frame[25] = 0;
    frame[26] = 20;
    frame[27] = 205;
    frame[28] = 1;
    frame[29] = 0;
    frame[serial_slots::kAzLow] = lowByte(present.azimuth);
    frame[serial_slots::kAzHigh] = highByte(present.azimuth);
    frame[serial_slots::kElLow] = lowByte(present.elevation);
    frame[serial_slots::kElHigh] = highByte(present.elevation);
    frame[serial_slots::kAzDrive] = frame[serial_slots::kElDrive] = 0;
    frame[serial_slots::kAzDeadband] = links_.config.azDeadband;
    frame[serial_slots::kElDeadband] = links_.config.elDeadband;
    frame[38] = box.ecpSense;
}

void RotatorDrive::lbl_flip_mode_Click() {
    if (state_.flipDecision != "Yes") return;
    showFlippingOn();
    // Accepted before the pass is under way: the antennas go to where it rises.
    const bool waiting = state_.prePositionWaiting;
    state_.prePositionWaiting = false;
    if (waiting && state_.driveElevation <= kPassUnderWay && !links_.box.demo() &&
        azimuthSwitchOn() && elevationSwitchOn())
        prePosition();
}

void RotatorDrive::endOfPass() {
    if (!state_.flipActive && state_.flipDecision != "Yes") return;
    state_.flipActive = 0;
    state_.flipDecision = "No";
    state_.prePositionWaiting = false;
    state_.azFormatOverride = 0;
    auto& panel = links_.panel;
    panel.setBackColor("lbl_flip_mode", kColourIdleBack);
    panel.setForeColor("lbl_flip_mode", kColourIdleText);
    showFlipMode(links_.config.useFlipping == "YES");
    scales();
}

void RotatorDrive::showFlipMode(bool autoFlip) {
    if (flipState() != FlipState::Off) return;
    links_.panel.setCaption("lbl_flip_mode", autoFlip ? "Auto Flip ON" : "Flipping OFF");
}

} // namespace orv::rotator
