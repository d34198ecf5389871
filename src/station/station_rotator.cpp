// The station's rotator drive: built on the interface box, wired to the loop timer,
// the radios and the propagator, and the routines that hand over to it.
#include "radio/radios.h"
#include "rotator/interface_box.h"
#include "rotator/rotator_drive.h"
#include "station/station.h"

#include <memory>

namespace orv::station {

namespace {
using rotator::degreesText;
} // namespace

void Station::makeRotatorDrive() {
    rotator::RotatorDriveHooks hooks;
    hooks.setLoopTimerEnabled = [this](bool enabled) { setLoopTimerEnabled(enabled); };
    // The radios are held while the antennas park; a park that keeps them for the next
    // pass gives them back as the operator had them.
    struct HeldRadios {
        int uplink = 0, downlink = 0;
    };
    auto held = std::make_shared<HeldRadios>();
    hooks.inhibitRadios = [this, held] {
        held->uplink = radios_->state().uplinkInhibit;
        held->downlink = radios_->state().downlinkInhibit;
        inhibitBothRadios();
    };
    hooks.releaseRadios = [this, held] {
        if (!held->uplink) radios_->controls().lbl_inhibit_tx_Click();
        if (!held->downlink) radios_->controls().Lbl_inhibit_rx_Click();
    };
    hooks.shutDownRadios = [this] { shut_down_radios(); };
    hooks.errorMessage = [this](int number) { error_msgs(number); };
    hooks.timeRoutines = [this] { time_routines(); };
    hooks.predictSelected = [this] { keplers(loop_.selectedSatellite); };
    hooks.programEnded = [this] { return ended_; };
    rotatorDrive_ = std::make_unique<rotator::RotatorDrive>(
        rotator::RotatorDriveLinks{config_, startup_, loop_, tracking_, boxFrame_, boxReply_,
                                   panel_, platform_.waits, *interfaceBox_},
        std::move(hooks));
    rotatorDrive_->bindGestures();
}

// Inside a tick the loop timer is re-armed by the tick's last step: started earlier, it
// could fire in one of the tick's waits and run a tick inside the tick.
void Station::setLoopTimerEnabled(bool enabled) {
    if (!enabled) {
        loopTimer_.stop();
        return;
    }
    if (inMainLoop_ || loopTimer_.isActive() || ended_) return;
    loopTimer_.start(loop_.currentInterval);
}

void Station::addRotatorStatus() {
    statusLine_.add("rot_az", [this] { return degreesText(rotatorDrive_->azimuthReading()); });
    statusLine_.add("rot_el", [this] { return degreesText(rotatorDrive_->elevationReading()); });
    statusLine_.add("drive_az",
                    [this] { return degreesText(rotatorDrive_->state().pointingAzimuth); });
    statusLine_.add("drive_el",
                    [this] { return degreesText(rotatorDrive_->state().pointingElevation); });
    statusLine_.add("rot", [this] { return panel_.caption("lbl_rot"); });
    statusLine_.add("flip", [this] {
        switch (rotatorDrive_->flipState()) {
        case rotator::FlipState::On:
            return std::string("on");
        case rotator::FlipState::Asked:
            return std::string("ask");
        case rotator::FlipState::Off:
            break;
        }
        return std::string("off");
    });
}

void Station::scales() {
    rotatorDrive_->scales();
}
void Station::stopRotatorTimers() {
    rotatorDrive_->stopTimers();
}
void Station::park() {
    rotatorDrive_->park();
}
void Station::antenna_status() {
    rotatorDrive_->antenna_status();
}
void Station::flip_park() {
    rotatorDrive_->flip_park();
}
void Station::track_antennas() {
    rotatorDrive_->track_antennas();
}
void Station::rotators() {
    rotatorDrive_->rotators();
}

} // namespace orv::station
