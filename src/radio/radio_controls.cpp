#include "radio/radio_controls.h"

#include "radio/radio_colours.h"

namespace orv::radio {

namespace {
constexpr int kPttSettleMs = 2;
} // namespace

RadioControls::RadioControls(RadioControlsWiring wiring, RadioControlsHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

void RadioControls::bind(core::Panel& panel) {
    using core::Gesture;
    panel.bind("lbl_inhibit_tx", Gesture::Click, [this](int) { lbl_inhibit_tx_Click(); });
    panel.bind("lbl_inhibit_tx", Gesture::DblClick, [this](int) { lbl_inhibit_tx_DblClick(); });
    panel.bind("Lbl_inhibit_rx", Gesture::Click, [this](int) { Lbl_inhibit_rx_Click(); });
    panel.bind("Lbl_inhibit_rx", Gesture::DblClick, [this](int) { Lbl_inhibit_rx_DblClick(); });
    panel.bind("lbl_ptt_off", Gesture::Click, [this](int) { lbl_ptt_off_Click(); });
    panel.bind("lbl_ptt_on", Gesture::Click, [this](int) { lbl_ptt_on_Click(); });
    panel.bind("lbl_down_read", Gesture::DblClick, [this](int) { lbl_down_read_DblClick(); });
    panel.bind("lbl_get_dnfreq", Gesture::DblClick, [this](int) { lbl_get_dnfreq_DblClick(); });
}

void RadioControls::showInhibit(const char* label, bool inhibited) {
    wiring_.panel.setBackColor(label, inhibited ? core::colour::kRed : colours::kGrey);
    wiring_.panel.setForeColor(label, inhibited ? core::colour::kWhite : core::colour::kBlack);
}

void RadioControls::lbl_inhibit_tx_Click() {
    wiring_.state.uplinkInhibit = 0;
    showInhibit("lbl_inhibit_tx", false);
}

void RadioControls::lbl_inhibit_tx_DblClick() {
    wiring_.state.uplinkInhibit = 1;
    showInhibit("lbl_inhibit_tx", true);
}

void RadioControls::Lbl_inhibit_rx_Click() {
    wiring_.state.downlinkInhibit = 0;
    showInhibit("Lbl_inhibit_rx", false);
}

void RadioControls::Lbl_inhibit_rx_DblClick() {
    wiring_.state.downlinkInhibit = 1;
    showInhibit("Lbl_inhibit_rx", true);
}

void RadioControls::releaseInhibits() {
    Lbl_inhibit_rx_Click();
    lbl_inhibit_tx_Click();
}

void RadioControls::sendPtt(bool transmit) {
    wiring_.waits.timerx(kPttSettleMs);
    wiring_.dispatch.switchTransmit(transmit);
}

void RadioControls::lbl_ptt_off_Click() {
    if (!hooks_.pttEnabled() || !wiring_.dispatch.pttRadio()) return;
    wiring_.link.whenIdle([this] {
        wiring_.panel.setVisible("lbl_ptt_off", false);
        wiring_.panel.setVisible("lbl_ptt_on", true);
        wiring_.state.uplinkInhibit = 0;
        wiring_.state.downlinkInhibit = 1;
        wiring_.doppler.forceUplink = 1;
        sendPtt(true);
    });
}

void RadioControls::lbl_ptt_on_Click() {
    if (!hooks_.pttEnabled() || !wiring_.dispatch.pttRadio()) return;
    wiring_.link.whenIdle([this] {
        wiring_.panel.setVisible("lbl_ptt_on", false);
        wiring_.panel.setVisible("lbl_ptt_off", true);
        wiring_.state.downlinkInhibit = 0;
        wiring_.state.uplinkInhibit = 1;
        wiring_.doppler.retuneDownlink = 1;
        sendPtt(false);
    });
}

void RadioControls::lbl_down_read_DblClick() {
    wiring_.link.whenIdle([this] {
        if (!wiring_.dispatch.readBackDownlink()) return;
        wiring_.doppler.retuneBoth = 1;
        wiring_.doppler.retuneDownlink = 1;
    });
}

void RadioControls::lbl_get_dnfreq_DblClick() {
    wiring_.panel.setForeColor("lbl_inhibit_tx", colours::kDarkBlue);
    wiring_.panel.setForeColor("Lbl_inhibit_rx", colours::kDarkBlue);
    lbl_down_read_DblClick();
}

void RadioControls::resetForSelection() {
    releaseInhibits();
    auto& panel = wiring_.panel;
    panel.setCaption("lbl_down_read", "Read in Dnlink");
    panel.setBackColor("lbl_down_read", colours::kGrey);
    panel.setForeColor("lbl_down_read", core::colour::kNavy);
    panel.setVisible("lbl_ptt_on", false);
    panel.setVisible("lbl_ptt_off", false);
}

} // namespace orv::radio
