// The radio gestures of the panel: the Doppler inhibit labels, PTT on the one radio
// that carries both links (IC-910), and the read-back of the downlink radio's dial.
#pragma once

#include "core/panel.h"
#include "platform/waits.h"
#include "radio/doppler_state.h"
#include "radio/radio_dispatch.h"
#include "radio/radio_link.h"
#include "radio/radio_state.h"

#include <functional>

namespace orv::radio {

struct RadioControlsWiring {
    RadioState& state;
    DopplerState& doppler;
    RadioLink& link;
    RadioDispatch& dispatch;
    core::Panel& panel;
    platform::Waits& waits;
};

struct RadioControlsHooks {
    std::function<bool()> pttEnabled; // the record asks for PTT control
};

class RadioControls {
public:
    RadioControls(RadioControlsWiring wiring, RadioControlsHooks hooks);
    void bind(core::Panel& panel);

    void lbl_inhibit_tx_Click();
    void lbl_inhibit_tx_DblClick();
    void Lbl_inhibit_rx_Click();
    void Lbl_inhibit_rx_DblClick();
    void releaseInhibits();

    void lbl_ptt_off_Click(); // caption "PTT  RX": go to transmit
    void lbl_ptt_on_Click();  // caption "PTT  TX": back to receive

    void lbl_down_read_DblClick();
    void lbl_get_dnfreq_DblClick();

    // The radio labels of a new selection: inhibits released, read-back and PTT labels.
    void resetForSelection();

private:
    void showInhibit(const char* label, bool inhibited);
    void sendPtt(bool transmit);

    RadioControlsWiring wiring_;
    RadioControlsHooks hooks_;
};

} // namespace orv::radio
