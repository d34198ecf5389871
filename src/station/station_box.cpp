// The station's interface box: the backends a run uses (the simulated box with
// --simulate, else the real serial line and printer port), start-up of either
// variant, and the routines that hand over to the box driver.
#include "platform/port_io.h"
#include "platform/serial_line.h"
#include "rotator/box_messages.h"
#include "rotator/interface_box.h"
#include "rotator/rotator_drive.h"
#include "sim/simulated_hardware.h"
#include "station/station.h"

namespace orv::station {

void Station::makeBoxBackends() {
    if (options_.simulate) {
        simulated_ = sim::makeSimulatedHardware(options_.simulateFault, options_.verbose, [this] {
            return static_cast<double>(platform_.clock.now().toMSecsSinceEpoch()) / 1000.0;
        });
        useBoxBackends(simulated_->serialLine(), simulated_->portIo());
        return;
    }
    realSerialLine_ = std::make_unique<platform::QtSerialLine>();
    realPortIo_ = std::make_unique<platform::DevPortIo>();
    useBoxBackends(*realSerialLine_, *realPortIo_);
}

void Station::useBoxBackends(platform::SerialLine& line, platform::PortIo& ports) {
    rotatorDrive_.reset();
    rotator::InterfaceBoxHooks hooks;
    hooks.restartLoopTimer = [this](int intervalMs) { loopTimer_.start(intervalMs); };
    interfaceBox_.reset();
    interfaceBox_ = std::make_unique<rotator::InterfaceBox>(
        rotator::InterfaceBoxLinks{config_, startup_, boxFrame_, boxReply_, radioLinkTiming_,
                                   panel_, platform_.waits, platform_.dialogs, line, ports},
        hooks);
    interfaceBox_->bindGestures();
    makeRotatorDrive();
}

void Station::configureSimulatedBox() {
    if (simulated_) simulated_->configure(config_.parallelPortBase, config_.azRotatorFormat);
}

void Station::startParallelInterfaceBox() {
    configureSimulatedBox();
    interfaceBox_->startParallelPort();
}

bool Station::openSerialInterfaceBox() {
    configureSimulatedBox();
    const auto result = interfaceBox_->openSerialPort();
    switch (result.outcome) {
    case platform::SerialOpenOutcome::Opened:
        break;
    case platform::SerialOpenOutcome::Missing:
        throw StartupFailure{StartupFailure::Kind::SerialPortMissing, result.device};
    case platform::SerialOpenOutcome::Refused:
        showMessage(rotator::serialPortRefusedText(result.device, result.reason));
        return false;
    }
    interfaceBox_->ins();
    rotators();
    interfaceBox_->outs();
    return true;
}

void Station::readInterfaceBox() {
    platform_.waits.timerx(10);
    interfaceBox_->ins();
}

void Station::hrdw_reset_Click() {
    interfaceBox_->hrdw_reset_Click();
}
void Station::demo_mode() {
    interfaceBox_->demo_mode();
}
void Station::switchEcpOutputs() {
    interfaceBox_->serviceEcpOutputs();
}
void Station::outs() {
    interfaceBox_->outs();
}

void Station::addBoxStatus() {
    statusLine_.add("box", [this] { return interfaceBox_->presenceWord(); });
    // A reading off the travel is no position: shown as "-".
    const auto countText = [this](int count) {
        return interfaceBox_->readingValid() ? std::to_string(count) : std::string();
    };
    statusLine_.add("rot_az_count",
                    [this, countText] { return countText(interfaceBox_->azimuthCount()); });
    statusLine_.add("rot_el_count",
                    [this, countText] { return countText(interfaceBox_->elevationCount()); });
}

} // namespace orv::station
