#include "rotator/rotator_drive.h"

#include "rotator/azimuth_mapping.h"

namespace orv::rotator {

namespace {
constexpr int kValidPositionMark = 128; // reply slot 8 of a serial position reply
constexpr int kSerialFaultLimit = 300;
} // namespace

RotatorDrive::RotatorDrive(RotatorDriveLinks links, RotatorDriveHooks hooks, RotatorTiming timing)
    : links_(links), hooks_(std::move(hooks)), timing_(timing) {
    for (QTimer* timer : {&az_timer_, &ele_timer_, &rot_timer_, &park1_})
        timer->setSingleShot(true);
    QObject::connect(&az_timer_, &QTimer::timeout, [this] { az_timer_Timer(); });
    QObject::connect(&ele_timer_, &QTimer::timeout, [this] { ele_timer_Timer(); });
    QObject::connect(&rot_timer_, &QTimer::timeout, [this] { rot_timer_Timer(); });
    QObject::connect(&park1_, &QTimer::timeout, [this] { parkWaitFlag_ = 255; });
    state_.azRotatorFormat = links_.config.azRotatorFormat;
}

const RotatorFormat& RotatorDrive::format() const {
    // A configured format outside the table drives as a plain north-start rotator.
    const RotatorFormat* configured = rotatorFormat(state_.azRotatorFormat);
    return configured ? *configured : *rotatorFormat(1);
}

void RotatorDrive::scales() {
    state_.azRotatorFormat = links_.config.azRotatorFormat;
    const auto choice = rotator::scales(state_.azRotatorFormat, state_.azFormatOverride);
    if (!choice) return;
    state_.azDegPerCount = choice->azDegPerCount;
    const std::string label(choice->scaleLabel);
    if (label == state_.scaleLabel) return;
    if (!state_.scaleLabel.empty()) links_.panel.setVisible(state_.scaleLabel, false);
    links_.panel.setVisible(label, true);
    state_.scaleLabel = label;
}

double RotatorDrive::azimuthReading() const {
    return trueAzimuthAt(format(), state_.average.azimuth());
}

double RotatorDrive::elevationReading() const {
    return state_.average.elevation() * state_.elDegPerCount;
}

FlipState RotatorDrive::flipState() const {
    if (state_.flipActive) return FlipState::On;
    return state_.flipDecision == "Yes" ? FlipState::Asked : FlipState::Off;
}

void RotatorDrive::antenna_status() {
    links_.waits.timerx(10);
    links_.box.ins();
    if (links_.box.demo()) return;
    if (serialBox()) {
        countSerialFault();
        if (links_.box.demo()) return;
    }
    takeReading();
    auto& panel = links_.panel;
    panel.setCaption("lbl_Elfed", degreesText(elevationReading()));
    panel.setValue("vs_vertical", state_.average.elevation());
    computeDriveAngles();
    rotators();
}

void RotatorDrive::countSerialFault() {
    if (links_.reply.value(8) == kValidPositionMark) {
        if (state_.faultCounter > 0) --state_.faultCounter;
        return;
    }
    if (++state_.faultCounter <= kSerialFaultLimit) return;
    state_.faultCounter = 0;
    if (hooks_.errorMessage) hooks_.errorMessage(1);
    links_.panel.setCaption("lbl_azctrl", "No Serial Port or Hardware");
    links_.panel.setVisible("lbl_azctrl", true);
    links_.box.demo_mode();
}

void RotatorDrive::takeReading() {
    auto& box = links_.box.state();
    if (box.prePositionMode) {
        box.prePositionMode = 0;
        state_.prePositionPlanned = false;
        return;
    }
    state_.average.add(links_.box.azimuthCount(), links_.box.elevationCount());
    watchTurning();
}

void RotatorDrive::watchTurning() {
    if (state_.average.averagesTaken() == averagesWatched_) return;
    averagesWatched_ = state_.average.averagesTaken();
    azTurning_.averaged(state_.average.azimuth());
    elTurning_.averaged(state_.average.elevation());
    showDriveLamps();
}

void RotatorDrive::computeDriveAngles() {
    const auto& config = links_.config;
    auto& panel = links_.panel;
    DriveInputs in;
    in.azSlewing = config.azSlewing;
    in.azOffset = panel.value("hs_Azimuth");
    in.azimuth = links_.tracking.azimuth;
    in.elSlewing = config.elSlewing;
    in.elOffset = panel.value("hs_elevation");
    in.trackFactor = state_.trackFactor;
    in.elevation = links_.tracking.elevation;
    in.maxElevation = config.maxElevation;
    const DriveAngles angles = driveAngles(in);
    state_.compAzimuth = angles.azimuth;
    state_.driveAzimuth = angles.azimuth;
    state_.driveElevation = angles.elevation;
    panel.setCaption("lbl_compAz", degreesText(angles.azimuth));
    panel.setCaption("lbl_CompEle", degreesText(angles.elevation));
}

void RotatorDrive::rotators() {
    auto& panel = links_.panel;
    double azimuth = state_.compAzimuth;
    if (state_.flipActive) {
        azimuth = wrap360(azimuth + 180);
        panel.setCaption("lbl_recip", "Reciprocal " + degreesText(azimuth));
    }
    panel.setVisible("lbl_recip", state_.flipActive != 0);
    state_.pointingAzimuth = azimuth;
    const RotatorFormat& rotator = format();
    const int present = state_.average.azimuth();
    state_.driveAzimuth = azimuthOnRotator(rotator, azimuth, present).driveAzimuth;
    panel.setCaption("lbl_Azfed", degreesText(azimuthReading()));
    panel.setValue("hs_hf", azimuthBarCount(rotator, present));
}

void RotatorDrive::startTimer(QTimer& timer, int ms) {
    timer.start(ms);
}

void RotatorDrive::stopTimers() {
    for (QTimer* timer : {&az_timer_, &ele_timer_, &rot_timer_, &park1_})
        timer->stop();
}

} // namespace orv::rotator
