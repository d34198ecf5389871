#include "radio/radio_dispatch.h"

#include "core/number_text.h"
#include "radio/civ_frames.h"
#include "radio/frequency_text.h"
#include "radio/radio_colours.h"

#include <cmath>

namespace orv::radio {

namespace {
constexpr int kSerialFrameWaitMs = 50;
constexpr int kFt736Parameter = 6;
constexpr double kFt847ExtraDelayMs = 50;
constexpr double kFt847SameBandMHz = 10;
constexpr int kFt736 = 1;
constexpr int kTs2000 = 26;
constexpr int kIc910 = 27;
} // namespace

RadioDispatch::RadioDispatch(DispatchWiring wiring, DispatchHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

bool RadioDispatch::sameRadioBothLinks() const {
    return wiring_.satellite.uplink.radio == wiring_.satellite.downlink.radio;
}

bool RadioDispatch::oneIc910() const {
    return wiring_.satellite.uplink.radio == kIc910 && wiring_.satellite.downlink.radio == kIc910;
}

// A satellite radio carrying both links receives on its sub band.
int RadioDispatch::downlinkBand(const RadioModel& model) const {
    if (!model.satellite) return 0;
    return sameRadioBothLinks() ? kCivSubBand : kCivMainBand;
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

void RadioDispatch::initIcom(const RadioModel& model, int mainSub, int transfer) {
    auto& state = wiring_.state;
    state.satelliteFlag = model.satellite ? 1 : 0;
    state.mainSub = mainSub;
    wiring_.icom.init_icom(mainSub, state.satelliteFlag, state.directionIndex, state.vfo,
                           state.splits, state.satelliteRig, transfer);
}

void RadioDispatch::initUplink() {
    auto& state = wiring_.state;
    auto& link = wiring_.link;
    auto& later = wiring_.later;
    const RadioModel& model = uplinkModel();
    link.currentTransfer = kUplinkTransfer;
    state.directionIndex = 0;
    link.settings().uplink.parameter = 0;
    link.setExtraCatDelayMs(0);
    state.ft847SameBand = 0;
    state.ic910BothLinks = 0;
    wiring_.panel.setVisible("lbl_ptt_on", false);
    wiring_.panel.setVisible("lbl_ptt_off", false);
    state.uplinkName = model.uplink
                           ? displayedRadioName(model.number, true, NameMoment::Initialised)
                           : std::string();
    switch (model.family) {
    case RadioFamily::Ft736:
        link.settings().uplink.parameter = kFt736Parameter;
        later.init_736_up();
        break;
    case RadioFamily::Ft847:
        link.setExtraCatDelayMs(kFt847ExtraDelayMs);
        if (sameRadioBothLinks() &&
            std::fabs(wiring_.plan.uplink - wiring_.plan.downlink) < kFt847SameBandMHz)
            state.ft847SameBand = 1;
        else
            later.init_847_up();
        break;
    case RadioFamily::Kenwood:
        state.satelliteFlag = model.satellite ? 1 : 0;
        later.init_kenwood(state.directionIndex, state.satelliteFlag, link.currentTransfer);
        break;
    case RadioFamily::Icom:
        state.uplinkCiv = model.civAddress;
        initIcom(model, model.satellite ? kCivMainBand : 0, kUplinkTransfer);
        break;
    case RadioFamily::Ft100:
        later.init_ft100();
        break;
    case RadioFamily::Ts2000:
        state.mainSubText = wiring_.satellite.downlink.radio == kTs2000 ? "FT1;" : "FR0;";
        later.init_ts2000();
        break;
    case RadioFamily::Ic910:
        state.uplinkCiv = model.civAddress;
        state.ic910BothLinks = oneIc910() ? 1 : 0;
        later.init_ic910(kUplinkTransfer);
        break;
    case RadioFamily::Vr5000:
        state.uplinkName = " ";
        break;
    default:
        break; // no radio, or one that has no uplink set-up
    }
}

void RadioDispatch::initDownlink() {
    auto& state = wiring_.state;
    auto& link = wiring_.link;
    auto& later = wiring_.later;
    const RadioModel& model = downlinkModel();
    link.currentTransfer = kDownlinkTransfer;
    state.directionIndex = 1;
    link.settings().downlink.parameter = 0;
    state.downlinkName = displayedRadioName(model.number, false, NameMoment::Initialised);
    switch (model.family) {
    case RadioFamily::Ft736:
        link.settings().downlink.parameter = kFt736Parameter;
        later.init_736_down();
        break;
    case RadioFamily::Ft847:
        later.init_847_down();
        break;
    case RadioFamily::IcomR8500:
        state.downlinkCiv = model.civAddress;
        wiring_.icom.init8500(kDownlinkTransfer);
        break;
    case RadioFamily::Kenwood:
        state.satelliteFlag =
            model.downlinkSetupFlag >= 0 ? model.downlinkSetupFlag : (model.satellite ? 1 : 0);
        later.init_kenwood(state.directionIndex, state.satelliteFlag, link.currentTransfer);
        break;
    case RadioFamily::Icom:
        state.downlinkCiv = model.civAddress;
        initIcom(model, model.satellite ? downlinkBand(model) : 0, kDownlinkTransfer);
        break;
    case RadioFamily::IcomR9000:
        state.downlinkCiv = model.civAddress;
        state.satelliteFlag = 0;
        wiring_.icom.init_R9000(wiring_.plan.downlinkMode, kDownlinkTransfer);
        break;
    case RadioFamily::Ft757:
        later.init_757();
        break;
    case RadioFamily::Ft100:
        later.init_ft100();
        break;
    case RadioFamily::Ft1000:
        later.init_FT1000();
        break;
    case RadioFamily::Ts2000:
        state.mainSubText = "FR0;";
        later.init_ts2000();
        break;
    case RadioFamily::Ic910:
        state.downlinkCiv = model.civAddress;
        if (!state.ic910BothLinks) later.init_ic910(kDownlinkTransfer);
        break;
    case RadioFamily::Vr5000:
        later.init_vr5000();
        break;
    case RadioFamily::Pcr1000:
        later.init_pcr1000();
        break;
    case RadioFamily::Aor:
        later.init_ar5000();
        break;
    case RadioFamily::None:
        break;
    }
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

void RadioDispatch::tuneIcom(const RadioModel& model, int directionIndex, int mainSub) {
    auto& state = wiring_.state;
    state.satelliteFlag = model.satellite ? 1 : 0;
    state.mainSub = mainSub;
    int mdc = directionIndex;
    int address = model.civAddress; // a copy: the driver clears what it is handed
    wiring_.icom.Icom(state.frequencyText, mdc, state.mainSub, state.satelliteFlag, state.vfo,
                      address, state.satelliteRig);
}

void RadioDispatch::catcontrol_tx() {
    waitForSerialFrame();
    auto& state = wiring_.state;
    auto& later = wiring_.later;
    state.frequencyText = core::trimmed(wiring_.doppler.uplinkText);
    state.directionIndex = 0;
    state.mainSub = 0;
    state.vfo = 0;
    state.kenwoodPrefix = "00";
    wiring_.link.currentTransfer = kUplinkTransfer;
    const RadioModel& model = uplinkModel();
    switch (model.family) {
    case RadioFamily::Ft736:
        later.ft736_tx();
        break;
    case RadioFamily::Ft847:
        later.ft847_tx();
        break;
    case RadioFamily::Kenwood:
        if (model.satellite) state.kenwoodPrefix = "DC0;";
        state.satelliteFlag = model.satellite ? 1 : 0;
        later.Kenwood(state.kenwoodPrefix, state.satelliteFlag);
        break;
    case RadioFamily::Icom:
        tuneIcom(model, 0, model.satellite ? kCivMainBand : 0);
        break;
    case RadioFamily::Ft757:
        later.FT757_tx();
        break;
    case RadioFamily::Ft100:
        later.ft_100_tx();
        break;
    case RadioFamily::Ft1000:
        later.ft1000();
        break;
    case RadioFamily::Ts2000:
        state.mainSubText = wiring_.satellite.downlink.radio == kTs2000 ? "FT1;" : "FT0;";
        later.Ken_2000(state.mainSubText);
        break;
    case RadioFamily::Ic910:
        later.ic910_tx();
        break;
    default:
        break;
    }
}

void RadioDispatch::catcontrol_rx() {
    waitForSerialFrame();
    auto& state = wiring_.state;
    auto& later = wiring_.later;
    state.directionIndex = 1;
    state.mainSub = 0;
    state.vfo = 0;
    state.frequencyText = core::trimmed(wiring_.doppler.downlinkText);
    state.kenwoodPrefix = "00;";
    wiring_.link.currentTransfer = kDownlinkTransfer;
    const RadioModel& model = downlinkModel();
    switch (model.family) {
    case RadioFamily::Ft736:
        later.FT736_rx();
        break;
    case RadioFamily::Ft847:
        later.FT847_rx();
        break;
    case RadioFamily::IcomR8500:
        wiring_.icom.R8500();
        break;
    case RadioFamily::Kenwood:
        if (model.satellite) state.kenwoodPrefix = "DC1;";
        state.satelliteFlag = model.satellite ? 1 : 0;
        later.Kenwood(state.kenwoodPrefix, state.satelliteFlag);
        break;
    case RadioFamily::Icom:
    case RadioFamily::IcomR9000:
        tuneIcom(model, 1, downlinkBand(model));
        break;
    case RadioFamily::Ft757:
        later.FT757_rx();
        break;
    case RadioFamily::Ft100:
        later.ft_100_rx();
        break;
    case RadioFamily::Ft1000:
        later.ft1000();
        break;
    case RadioFamily::Ts2000:
        state.mainSubText = "FR0;";
        later.Ken_2000(state.mainSubText);
        break;
    case RadioFamily::Ic910:
        later.ic910_rx(kDownlinkTransfer);
        break;
    case RadioFamily::Vr5000:
        later.vr5000();
        break;
    case RadioFamily::Pcr1000:
        later.pcr_1000();
        break;
    case RadioFamily::Aor:
        later.ar5000();
        break;
    case RadioFamily::None:
        break;
    }
}

bool RadioDispatch::readBackDownlink() {
    const RadioModel& model = downlinkModel();
    auto& state = wiring_.state;
    auto& later = wiring_.later;
    switch (model.family) {
    case RadioFamily::Ft847:
    case RadioFamily::IcomR8500:
    case RadioFamily::Kenwood:
    case RadioFamily::Icom:
    case RadioFamily::IcomR9000:
    case RadioFamily::Ft1000:
    case RadioFamily::Ts2000:
    case RadioFamily::Ic910:
    case RadioFamily::Aor:
        break;
    default:
        return false; // no read-back: the button does nothing
    }
    wiring_.panel.setBackColor("lbl_down_read", core::colour::kGreen);
    state.vfo = 0;
    wiring_.link.currentTransfer = kDownlinkTransfer;
    switch (model.family) {
    case RadioFamily::Ft847:
        later.readback_847();
        break;
    case RadioFamily::Kenwood:
        later.readback_kenwood_rx(model.satellite ? 1 : 0);
        break;
    case RadioFamily::IcomR8500:
    case RadioFamily::Icom:
    case RadioFamily::IcomR9000: {
        // A satellite radio is read on the band its downlink is tuned on.
        const int band = downlinkBand(model);
        wiring_.icom.readback_icom_rx(model.civAddress, band, model.satellite ? 1 : 0, 0,
                                      state.satelliteRig);
        break;
    }
    case RadioFamily::Ft1000:
        later.readback_FT1000();
        break;
    case RadioFamily::Ts2000:
        later.readback_TS2000_rx();
        break;
    case RadioFamily::Ic910:
        later.readback_ic910();
        break;
    case RadioFamily::Aor:
        later.readback_ar5000();
        break;
    default:
        break;
    }
    return true;
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
    auto& later = wiring_.later;
    wiring_.link.currentTransfer = kUplinkTransfer;
    switch (model.family) {
    case RadioFamily::Ft736:
    case RadioFamily::Ft847:
    case RadioFamily::Ft100:
        later.yaesu_close(kUplinkTransfer);
        break;
    case RadioFamily::Kenwood:
        later.kenwood_close(kUplinkTransfer);
        break;
    case RadioFamily::Icom:
        wiring_.state.uplinkCiv = model.civAddress;
        wiring_.icom.icom_close(kUplinkTransfer);
        break;
    case RadioFamily::Ts2000:
        later.ts2000_close(kUplinkTransfer);
        break;
    case RadioFamily::Ic910:
        later.ic910_close(kUplinkTransfer);
        break;
    default:
        break;
    }
}

void RadioDispatch::closeDownlink() {
    const RadioModel& model = downlinkModel();
    auto& later = wiring_.later;
    wiring_.link.currentTransfer = kDownlinkTransfer;
    switch (model.family) {
    case RadioFamily::Ft736:
        if (wiring_.satellite.uplink.radio != kFt736) later.yaesu_close(kDownlinkTransfer);
        break;
    case RadioFamily::Ft847:
        later.yaesu_close(kDownlinkTransfer);
        break;
    case RadioFamily::Kenwood:
        later.kenwood_close(kDownlinkTransfer);
        break;
    case RadioFamily::IcomR8500:
    case RadioFamily::Icom:
    case RadioFamily::IcomR9000:
        wiring_.state.downlinkCiv = model.civAddress;
        wiring_.icom.icom_close(kDownlinkTransfer);
        break;
    case RadioFamily::Ts2000:
        later.ts2000_close(kDownlinkTransfer);
        break;
    case RadioFamily::Ic910:
        later.ic910_close(kDownlinkTransfer);
        break;
    case RadioFamily::Pcr1000:
        later.pcr1000_close();
        break;
    case RadioFamily::Aor:
        later.ar_close();
        break;
    default:
        break;
    }
}

} // namespace orv::radio
