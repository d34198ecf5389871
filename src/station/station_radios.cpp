// The station's radios: the radio subsystem wired to the box driver, the loop
// timer and the loaded record, the routines that hand over to it, and the radio
// values of the status line.
#include "radio/civ_frames.h"
#include "radio/frequency_text.h"
#include "radio/radios.h"
#include "rotator/interface_box.h"
#include "sim/civ_radio.h"
#include "sim/simulated_hardware.h"
#include "station/station.h"
#include "station/station_remote.h"

#include <array>
#include <string>
#include <vector>

namespace orv::station {

namespace {
// The simulated radio that speaks a model's commands; nullptr: whichever understands them.
const char* simulatedRadioName(radio::RadioFamily family) {
    using F = radio::RadioFamily;
    switch (family) {
    case F::Icom:
    case F::IcomR8500:
    case F::IcomR9000:
        return "CI-V";
    case F::Ic910:
        return "IC-910";
    case F::Kenwood:
    case F::Ts2000:
        return "Kenwood";
    case F::Ft736:
    case F::Ft847:
    case F::Ft757:
    case F::Ft100:
    case F::Ft1000:
    case F::Vr5000:
        return "Yaesu";
    case F::Pcr1000:
        return "PCR-1000";
    case F::Aor:
        return "AOR";
    default:
        return nullptr;
    }
}

// The dial a simulated radio shows for one link: a CI-V radio by its address and
// band (the sub band carries the downlink of a satellite radio on both links), the
// others by where they transmit (uplink) or receive (downlink).
std::string simulatedDial(sim::SimulatedHardware* hardware, int port,
                          const radio::RadioModel& model, bool uplink, bool subBand) {
    if (!hardware || port < 1 || port > 4 || model.family == radio::RadioFamily::None) return {};
    sim::RadioPort& radioPort = hardware->box().radioPort(port);
    const char* name = simulatedRadioName(model.family);
    std::optional<uint64_t> hz;
    if (auto* civ = dynamic_cast<sim::CivRadioFamily*>(radioPort.family("CI-V"));
        civ && model.civAddress && name == std::string("CI-V")) {
        const sim::CivRadioState& radio = civ->radio(model.civAddress);
        hz = radio.dials[static_cast<size_t>((subBand ? 2 : 0) + radio.vfo)].hz;
    } else if (sim::RadioFamily* family = name ? radioPort.family(name) : nullptr) {
        hz = family->linkDialHz(uplink);
    } else {
        hz = radioPort.linkDialHz(uplink);
    }
    return hz ? radio::megahertzText(static_cast<double>(*hz) / 1e6) : std::string();
}

// Puts on each port of the simulated box the radios the record names there.
void attachSimulatedRadios(sim::SimulatedHardware* hardware,
                           const core::SatelliteConfig& satellite) {
    if (!hardware) return;
    std::array<std::vector<std::string>, 5> names;
    std::array<bool, 5> anyRadio{};
    for (const auto* link : {&satellite.uplink, &satellite.downlink}) {
        if (link->port < 1 || link->port > 4) continue;
        const auto slot = static_cast<size_t>(link->port);
        const radio::RadioModel& model = radio::radioModel(link->radio);
        hardware->box().radioPort(link->port).fit(model.name); // opcodes differ by model
        if (const char* name = simulatedRadioName(model.family))
            names[slot].emplace_back(name);
        else
            anyRadio[slot] = true;
    }
    for (int port = 1; port <= 4; ++port) {
        const auto slot = static_cast<size_t>(port);
        hardware->box().radioPort(port).attach(anyRadio[slot] ? std::vector<std::string>()
                                                              : names[slot]);
    }
}
} // namespace

void Station::wireRadios() {
    radio::RadiosHooks hooks;
    hooks.satelliteSelected = [this] {
        return loop_.selectedSatellite != kNoSatellite || (remote_ && remote_->recordInUse());
    };
    hooks.outs = [this] { interfaceBox_->outs(); };
    hooks.ins = [this] { interfaceBox_->ins(); };
    hooks.ecpValue = [this] { return interfaceBox_->state().ecpValue; };
    hooks.frameBeingSent = [this] { return interfaceBox_->state().serialSendBusy != 0; };
    hooks.markRadioSetupDone = [this] { interfaceBox_->state().radioSetupDone = 1; };
    hooks.loopTimerActive = [this] { return loopTimer_.isActive(); };
    hooks.stopLoopTimer = [this] { loopTimer_.stop(); };
    hooks.startLoopTimer = [this] { loopTimer_.start(loop_.currentInterval); };
    hooks.reloadSatellite = [this] { GetSatCfg(loop_.selectedSatellite); };
    hooks.runEnded = [this] { return ended_; };
    hooks.showMessage = [this](const std::string& text) { showMessage(text); };
    hooks.silenceBox = [this] { demo_mode(); };
    radios_ = std::make_unique<radio::Radios>(
        radio::RadiosWiring{panel_, platform_.waits, config_, startup_, currentSatellite_,
                            currentRecord_, tracking_, boxFrame_, boxReply_, radioLinkTiming_},
        std::move(hooks));
    radios_->bind(panel_);
    wirePcrReceiver();

    statusLine_.add("up", [this] { return radios_->uplinkStatus(); });
    statusLine_.add("dn", [this] { return radios_->downlinkStatus(); });
    statusLine_.add("up_dop", [this] { return radios_->uplinkDopplerStatus(); });
    statusLine_.add("dn_dop", [this] { return radios_->downlinkDopplerStatus(); });
    if (!options_.simulate) return;
    statusLine_.add("sim_up", [this] {
        const auto& up = currentSatellite_.uplink;
        return simulatedDial(simulated_.get(), up.port, radio::radioModel(up.radio), true, false);
    });
    statusLine_.add("sim_dn", [this] {
        const auto& down = currentSatellite_.downlink;
        const auto& model = radio::radioModel(down.radio);
        const bool sub = model.satellite && currentSatellite_.uplink.radio == down.radio;
        return simulatedDial(simulated_.get(), down.port, model, false, sub);
    });
}

// Start-up and the selection routines of the radios.
void Station::setInhibitControls() {
    radios_->controls().releaseInhibits();
}
void Station::shut_down_radios() {
    radios_->shut_down_radios();
}
// Both radios inhibited while the antennas park.
void Station::inhibitBothRadios() {
    radios_->controls().lbl_inhibit_tx_DblClick();
    radios_->controls().Lbl_inhibit_rx_DblClick();
}
void Station::resetSelectionDisplays() {
    radios_->resetSelectionDisplays();
}
void Station::lbl_refresh_DblClick() {
    radios_->lbl_refresh_DblClick();
}
void Station::resetInhibitAndStepControls() {
    radios_->controls().releaseInhibits();
    radios_->resetTuningControls();
}
void Station::showToneDisplay() {
    radios_->showToneDisplay();
}
void Station::frequency() {
    radios_->frequency();
}
void Station::resetTuningControls() {
    radios_->resetTuningControls();
}
void Station::applySatelliteToRadios() {
    radios_->applySatellite();
    attachSimulatedRadios(simulated_.get(), currentSatellite_);
}
void Station::setUpRadiosForSelection() {
    radios_->setUpForSelection();
}

} // namespace orv::station
