// The radio subsystem as the station holds it: the frequency plan and Doppler
// pass, the radio link inside the box frame, the set-up and dispatch of the two
// radios, the family drivers and the panel gestures of all of them.
#pragma once

#include "core/box_frame.h"
#include "core/configuration.h"
#include "core/panel.h"
#include "core/satellite_record.h"
#include "core/station_state.h"
#include "core/tracking_state.h"
#include "platform/waits.h"
#include "radio/beacon_tuning.h"
#include "radio/doppler_pass.h"
#include "radio/doppler_state.h"
#include "radio/frequency_plan.h"
#include "radio/radio_controls.h"
#include "radio/radio_dispatch.h"
#include "radio/radio_families.h"
#include "radio/radio_link.h"
#include "radio/radio_state.h"
#include "radio/tuning_controls.h"

#include <functional>
#include <optional>

namespace orv::radio {

struct RadiosWiring {
    core::Panel& panel;
    platform::Waits& waits;
    const core::ConfigValues& config;
    const core::StartupState& startup;
    const core::SatelliteConfig& satellite; // the loaded record, typed
    const core::SatelliteRecord& record;    // the loaded record as stored
    const core::TrackingState& tracking;
    core::BoxFrame& frame;
    const core::BoxReply& reply;
    core::RadioLinkTiming& linkTiming;
};

struct RadiosHooks {
    std::function<bool()> satelliteSelected;
    std::function<void()> outs;
    std::function<void()> ins;
    std::function<int()> ecpValue;
    std::function<bool()> frameBeingSent;
    std::function<void()> markRadioSetupDone;
    std::function<bool()> loopTimerActive;
    std::function<void()> stopLoopTimer;
    std::function<void()> startLoopTimer;
    std::function<void()> reloadSatellite; // GetSatCfg of the selected satellite
    std::function<bool()> runEnded;
    std::function<void(const std::string&)> showMessage; // a message box with OK
    std::function<void()> silenceBox; // a radio found missing: demonstration mode
};

// Hooks for radios without a station (a dry run, a test, a benchmark): a satellite is
// selected, frames go to `outs`, the box reads nothing and no loop timer runs.
RadiosHooks stationlessHooks(std::function<void()> outs);

class Radios {
public:
    Radios(RadiosWiring wiring, RadiosHooks hooks);
    Radios(const Radios&) = delete;
    Radios& operator=(const Radios&) = delete;

    void bind(core::Panel& panel);

    // A record was loaded: the plan, the link values, the mode labels; arms the first pass.
    void applySatellite();
    // Main-loop set-up of a new selection.
    void setUpForSelection();
    void pre_radio_init() { dispatch_.pre_radio_init(); }
    void radioinit();
    void frequency() { pass_.frequency(); }
    void shut_down_radios() { dispatch_.shut_down_radios(); }
    void lbl_refresh_DblClick();
    // The frequency panel back to the record's plan, the knob at rest at its first rate.
    void lbl_freq_reset_Click();
    // Remote full Doppler tuning: the downlink radio's dial, not the knob, sets the downlink.
    void lbl_fdt_DblClick();
    void clear_knobs() { tuning_.clear_knobs(); }
    void resetTuningControls() { tuning_.resetTuningControls(); }
    void resetForSelection() { controls_.resetForSelection(); }
    void resetSelectionDisplays();
    void showToneDisplay();
    void duploxer();

    const FrequencyPlan& plan() const { return plan_; }
    const DopplerState& doppler() const { return doppler_; }
    DopplerState& doppler() { return doppler_; }
    RadioState& state() { return state_; }
    RadioLink& link() { return link_; }
    RadioDispatch& dispatch() { return dispatch_; }
    IcomFamily& icom() { return families_.icom(); }
    RadioFamilies& families() { return families_; }
    TuningControls& tuning() { return tuning_; }
    BeaconTuning& beacon() { return beacon_; }
    RadioControls& controls() { return controls_; }
    DopplerPass& pass() { return pass_; }

    // Status-line values: the frequencies sent to the radios in MHz (six decimals) and
    // the Doppler in Hz; empty while no pass has run for the selected satellite.
    std::string uplinkStatus() const;
    std::string downlinkStatus() const;
    std::string uplinkDopplerStatus() const;
    std::string downlinkDopplerStatus() const;

    // The record lets the station switch the transmitter.
    bool pttEnabled() const;

private:
    bool passShown() const;
    std::optional<int> memoryChannel() const;
    void showModes();
    // Runs a tuning call; what the link refused on the way, or empty.
    std::string refusalOf(const std::function<void()>& tune);

    RadiosWiring wiring_;
    RadiosHooks hooks_;
    FrequencyPlan plan_;
    DopplerState doppler_;
    RadioState state_;
    RadioLink link_;
    RadioFamilies families_;
    RadioDispatch dispatch_;
    DopplerPass pass_;
    TuningControls tuning_;
    RadioControls controls_;
    BeaconTuning beacon_;
};

} // namespace orv::radio
