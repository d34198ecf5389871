#include "radio/radio_dispatch.h"

#include "core/number_text.h"
#include "radio/frequency_text.h"
#include "radio/radio_colours.h"

namespace orv::radio {

namespace {
constexpr int kSerialFrameWaitMs = 50;
} // namespace

RadioDispatch::RadioDispatch(DispatchWiring wiring, DispatchHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

bool RadioDispatch::sameRadioBothLinks() const {
    return wiring_.satellite.uplink.radio == wiring_.satellite.downlink.radio;
}

bool RadioDispatch::pttRadio() const {
    return sameRadioBothLinks() && uplinkModel().pttBothLinks;
}

void RadioDispatch::waitForSerialFrame() {
    if (wiring_.link.variant() == 4 && hooks_.frameBeingSent && hooks_.frameBeingSent())
        wiring_.waits.timerx(kSerialFrameWaitMs);
}

void RadioDispatch::pre_radio_init() {
    auto& panel = wiring_.panel;
    const auto& satellite = wiring_.satellite;
    auto& state = wiring_.state;
    state.uplinkName = displayedRadioName(satellite.uplink.radio, true, NameMoment::Loaded);
    state.downlinkName = displayedRadioName(satellite.downlink.radio, false, NameMoment::Loaded);
    panel.setCaption("lbl_UpFreq", megahertzText(wiring_.plan.uplink));
    panel.setCaption("lbl_DnFreq", megahertzText(wiring_.plan.downlink));
    panel.setCaption("lbl_radio_up", state.uplinkName.empty() ? "No Radio" : state.uplinkName);
    panel.setCaption("lbl_radio_dn", state.downlinkName.empty() ? "No Radio" : state.downlinkName);
}

void RadioDispatch::radioinit() {
    if (wiring_.link.variant() == 4 && hooks_.markRadioSetupDone) hooks_.markRadioSetupDone();
    wiring_.panel.setBackColor("lbl_DnMode", colours::kGrey);
    if (!hooks_.satelliteSelected()) return;
    initUplink();
    initDownlink();
    showRadioLabels();
    wiring_.state.uplinkInitialised = 1;
    wiring_.state.downlinkInitialised = 1;
}

void RadioDispatch::initUplink() {
    auto& state = wiring_.state;
    auto& link = wiring_.link;
    const RadioModel& model = uplinkModel();
    link.currentTransfer = kUplinkTransfer;
    state.directionIndex = 0;
    link.settings().uplink.parameter = model.directionParameter;
    link.setExtraCatDelayMs(model.uplinkCatDelayMs);
    if (model.civAddress) state.uplinkCiv = model.civAddress;
    wiring_.panel.setVisible("lbl_ptt_on", false);
    wiring_.panel.setVisible("lbl_ptt_off", false);
    state.uplinkName = displayedRadioName(model.number, true, NameMoment::Initialised);
    driverOf(model).setUpUplink(uplinkRadio());
}

void RadioDispatch::initDownlink() {
    auto& state = wiring_.state;
    auto& link = wiring_.link;
    const RadioModel& model = downlinkModel();
    link.currentTransfer = kDownlinkTransfer;
    state.directionIndex = 1;
    link.settings().downlink.parameter = model.directionParameter;
    if (model.civAddress) state.downlinkCiv = model.civAddress;
    state.downlinkName = displayedRadioName(model.number, false, NameMoment::Initialised);
    if (sameRadioBothLinks() && model.setUpOnceForBothLinks) return;
    driverOf(model).setUpDownlink(downlinkRadio());
}

void RadioDispatch::showRadioLabels() {
    const auto caption = [](const RadioModel& model, const std::string& name, int port) {
        if (model.family == RadioFamily::None) return std::string("No Radio");
        return name + "(" + std::to_string(port) + ")";
    };
    const auto& satellite = wiring_.satellite;
    wiring_.panel.setCaption(
        "lbl_radio_up", caption(uplinkModel(), wiring_.state.uplinkName, satellite.uplink.port));
    wiring_.panel.setCaption("lbl_radio_dn", caption(downlinkModel(), wiring_.state.downlinkName,
                                                     satellite.downlink.port));
}

void RadioDispatch::catcontrol_tx() {
    waitForSerialFrame();
    auto& state = wiring_.state;
    state.frequencyText = core::trimmed(wiring_.doppler.uplinkText);
    state.directionIndex = 0;
    state.mainSub = 0;
    state.vfo = 0;
    wiring_.link.currentTransfer = kUplinkTransfer;
    driverOf(uplinkModel()).tuneUplink(uplinkRadio());
}

void RadioDispatch::catcontrol_rx() {
    waitForSerialFrame();
    auto& state = wiring_.state;
    state.directionIndex = 1;
    state.mainSub = 0;
    state.vfo = 0;
    state.frequencyText = core::trimmed(wiring_.doppler.downlinkText);
    wiring_.link.currentTransfer = kDownlinkTransfer;
    driverOf(downlinkModel()).tuneDownlink(downlinkRadio());
}

bool RadioDispatch::readBackDownlink() {
    const RadioModel& model = downlinkModel();
    if (!model.readBack) return false; // the button does nothing
    wiring_.panel.setBackColor("lbl_down_read", core::colour::kGreen);
    wiring_.state.vfo = 0;
    wiring_.link.currentTransfer = kDownlinkTransfer;
    driverOf(model).readBackDownlink(downlinkRadio());
    return true;
}

void RadioDispatch::switchTransmit(bool transmit) {
    if (!pttRadio()) return;
    driverOf(uplinkModel()).switchTransmit(uplinkRadio(), transmit);
}

void RadioDispatch::shut_down_radios() {
    waitForSerialFrame();
    wiring_.panel.setCaption("lbl_UpMode", "Mode");
    wiring_.panel.setCaption("lbl_DnMode", "Mode");
    closeUplink();
    closeDownlink();
}

void RadioDispatch::closeUplink() {
    const RadioModel& model = uplinkModel();
    wiring_.link.currentTransfer = kUplinkTransfer;
    if (model.civAddress) wiring_.state.uplinkCiv = model.civAddress;
    driverOf(model).closeUplink(uplinkRadio());
}

void RadioDispatch::closeDownlink() {
    const RadioModel& model = downlinkModel();
    wiring_.link.currentTransfer = kDownlinkTransfer;
    if (sameRadioBothLinks() && model.closedOnceForBothLinks) return;
    if (model.civAddress) wiring_.state.downlinkCiv = model.civAddress;
    driverOf(model).closeDownlink(downlinkRadio());
}

} // namespace orv::radio
