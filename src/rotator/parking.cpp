// Parking: at the end of a pass, before the next one (the pre-position), and on
// the operator's demand; the main loop stands still while the rotators turn.
#include "rotator/azimuth_mapping.h"
#include "rotator/drive_slots.h"
#include "rotator/rotator_drive.h"

#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace orv::rotator {

namespace {
constexpr int kParkAzimuthTolerance = 8; // counts
constexpr int kColourActive = 255;
const char* const kParkTimeoutText = "No Az/El control? or 1 Minute Max Parking Timeout ";

namespace parallel = parallel_slots;
namespace serial = serial_slots;
} // namespace

void RotatorDrive::timeout_parker(int ms) {
    if (ms <= 1) return;
    parkWaitFlag_ = 0;
    QEventLoop loop;
    QObject::connect(&park1_, &QTimer::timeout, &loop, &QEventLoop::quit);
    park1_.start(ms);
    // One nested loop: it also returns when the application quits, which must not
    // leave the park spinning.
    if (parkWaitFlag_ != 255) loop.exec();
    park1_.stop();
}

void RotatorDrive::park() {
    if (!azimuthSwitchOn() || !elevationSwitchOn() || links_.box.demo()) return;
    if (state_.parking) return; // one park at a time; the running one re-arms the loop
    auto& box = links_.box.state();
    const bool prePosition = box.prePositionMode && state_.prePositionPlanned;
    if (!prePosition && !state_.parkRequest) {
        if (links_.config.elevationPark == "NO") return;
        if (links_.startup.hardwareAbsent) {
            if (hooks_.setLoopTimerEnabled) hooks_.setLoopTimerEnabled(true);
            return;
        }
    }
    state_.parking = 1;
    if (hooks_.setLoopTimerEnabled) hooks_.setLoopTimerEnabled(false);
    links_.box.ins();
    // Parked "where it stands" is where the last valid reading put it: a garbled reply
    // must not send the rotator to count 0.
    const int presentAz = standing().azimuth;
    if (hooks_.inhibitRadios) hooks_.inhibitRadios();

    int azTarget = parkingCount(format(), links_.config.azParking, presentAz);
    double elevation = links_.config.snowWindPark;
    if (prePosition) {
        azTarget = state_.prePositionCount;
        elevation = state_.prePositionElevation;
    }
    const int elTarget =
        std::clamp(static_cast<int>(elevation / state_.elDegPerCount), 0, kMaxCount);
    putParkTargets(azTarget, elTarget);
    links_.box.outs();

    int round = 0;
    while (!parkRound(azTarget, elTarget)) {
        if (round >= timing_.parkRounds || ended()) break;
        timeout_parker(timing_.parkRoundMs);
        ++round;
        links_.panel.setCaption("lbl_rot", "Park Timer " + std::to_string(round));
        links_.panel.setForeColor("lbl_rot", kColourActive);
    }
    state_.lastParkRounds = round;
    ++state_.parksDone;
    if (round >= timing_.parkRounds) {
        const std::string text = kParkTimeoutText + std::to_string(round);
        // On the panel, and for a run without windows on standard error.
        std::fprintf(stderr, "orv_kite: %s\n", text.c_str());
        links_.panel.setCaption("lbl_maplogo", text);
        links_.panel.setVisible("lbl_maplogo", true);
        sendStopFrame();
    }
    showRotatorsFree();
    state_.parkRequest = 0;
    state_.suspended = 0;
    state_.parking = 0;
    // A pre-position (or the park after a pass) keeps the radios for the pass to come:
    // they were held only while the antennas turned.
    if (prePosition || keepRadios_) {
        if (hooks_.releaseRadios) hooks_.releaseRadios();
    } else if (hooks_.shutDownRadios) {
        hooks_.shutDownRadios();
    }
    if (hooks_.setLoopTimerEnabled) hooks_.setLoopTimerEnabled(true);
}

// The park targets with both rotators driven: a frame without the drive flags would
// leave the rotators standing and the park would run into its time limit.
void RotatorDrive::putParkTargets(int azCount, int elCount) {
    auto& frame = links_.frame;
    if (serialBox()) {
        frame[serial::kAzHigh] = highByte(azCount);
        frame[serial::kAzLow] = lowByte(azCount);
        frame[serial::kElHigh] = highByte(elCount);
        frame[serial::kElLow] = lowByte(elCount);
        frame[serial::kAzDrive] = frame[serial::kElDrive] = 1;
    } else {
        frame[parallel::kAzHigh] = highByte(azCount);
        frame[parallel::kAzLow] = lowByte(azCount);
        frame[parallel::kElHigh] = highByte(elCount);
        frame[parallel::kElLow] = lowByte(elCount);
        frame[parallel::kAzStop] = frame[parallel::kElStop] = 0;
        frame[parallel::kDrive] = 1;
    }
}

// Where the rotators stand by the last valid reading; at the start of the travel before
// the box has reported any.
RotatorCounts RotatorDrive::standing() const {
    return links_.box.lastValidPosition().value_or(RotatorCounts{});
}

// One reading of the parking loop; true once both rotators have arrived.
bool RotatorDrive::parkRound(int azTarget, int elTarget) {
    links_.box.ins();
    const RotatorCounts position = standing();
    const int az = position.azimuth;
    const int el = position.elevation;
    state_.average.set(az, el);
    links_.panel.setCaption("lbl_Azfed", degreesText(azimuthReading()));
    links_.panel.setCaption("lbl_Elfed", degreesText(elevationReading()));
    const int azError = std::abs(az - azTarget);
    const int elError = elevationSwitchOn() ? std::abs(el - elTarget) : 0;
    return azError <= kParkAzimuthTolerance &&
           elError <= links_.config.elevationLow + kParkAzimuthTolerance;
}

void RotatorDrive::parkAfterPass() {
    keepRadios_ = true;
    park();
    keepRadios_ = false;
}

void RotatorDrive::Lbl_force_park_DblClick() {
    if (links_.startup.hardwareAbsent) return;
    if (hooks_.shutDownRadios) hooks_.shutDownRadios();
    state_.suspended = 0;
    state_.parkRequest = 1;
    park();
    state_.manualPark = 1;
    if (hooks_.setLoopTimerEnabled) hooks_.setLoopTimerEnabled(true);
}

} // namespace orv::rotator
