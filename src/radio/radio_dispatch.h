// Radio set-up and dispatch: turns the record's radio numbers into the family
// drivers' set-up, tuning, read-back and close calls, with the band, flag and
// prefix each model needs.
#pragma once

#include "core/panel.h"
#include "core/satellite_record.h"
#include "platform/waits.h"
#include "radio/doppler_state.h"
#include "radio/frequency_plan.h"
#include "radio/icom_family.h"
#include "radio/later_families.h"
#include "radio/radio_link.h"
#include "radio/radio_model.h"
#include "radio/radio_state.h"

#include <functional>

namespace orv::radio {

struct DispatchWiring {
    const core::SatelliteConfig& satellite;
    const FrequencyPlan& plan;
    const DopplerState& doppler;
    RadioState& state;
    RadioLink& link;
    IcomFamily& icom;
    LaterFamilies& later;
    core::Panel& panel;
    platform::Waits& waits;
};

struct DispatchHooks {
    std::function<bool()> satelliteSelected;
    std::function<bool()> frameBeingSent;     // the serial box is sending a frame now
    std::function<void()> markRadioSetupDone; // the serial box's receive handler reads it
};

class RadioDispatch {
public:
    RadioDispatch(DispatchWiring wiring, DispatchHooks hooks);

    void pre_radio_init();
    void radioinit();
    void catcontrol_tx();
    void catcontrol_rx();
    // Reads the downlink radio's dial; false when that radio has no read-back.
    bool readBackDownlink();
    void shut_down_radios();

    const RadioModel& uplinkModel() const { return radioModel(wiring_.satellite.uplink.radio); }
    const RadioModel& downlinkModel() const { return radioModel(wiring_.satellite.downlink.radio); }
    // One IC-910 carries both links.
    bool oneIc910() const;

private:
    void waitForSerialFrame();
    void initUplink();
    void initDownlink();
    void initIcom(const RadioModel& model, int mainSub, int transfer);
    void tuneIcom(const RadioModel& model, int directionIndex, int mainSub);
    void showRadioLabels();
    void closeUplink();
    void closeDownlink();
    bool sameRadioBothLinks() const;
    int downlinkBand(const RadioModel& model) const;

    DispatchWiring wiring_;
    DispatchHooks hooks_;
};

} // namespace orv::radio
