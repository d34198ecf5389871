// Radio set-up and dispatch: turns the record's radio numbers into the set-up,
// tuning, read-back, transmit switching and close calls of the family drivers
// (family_driver.h), doing what is common to every family: the direction, the
// transfer code, the header values and capabilities the model list gives, and the
// panel's radio labels.
#pragma once

#include "core/panel.h"
#include "core/satellite_record.h"
#include "platform/waits.h"
#include "radio/doppler_state.h"
#include "radio/frequency_plan.h"
#include "radio/radio_families.h"
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
    RadioFamilies& families;
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
    // Transmit (true) or receive on the radio carrying both links; only when pttRadio().
    void switchTransmit(bool transmit);
    void shut_down_radios();

    const RadioModel& uplinkModel() const { return radioModel(wiring_.satellite.uplink.radio); }
    const RadioModel& downlinkModel() const { return radioModel(wiring_.satellite.downlink.radio); }
    // One radio carries both links and switches between transmit and receive.
    bool pttRadio() const;

private:
    void waitForSerialFrame();
    void initUplink();
    void initDownlink();
    void showRadioLabels();
    void closeUplink();
    void closeDownlink();
    bool sameRadioBothLinks() const;
    RadioOnLink uplinkRadio() const { return {uplinkModel(), sameRadioBothLinks()}; }
    RadioOnLink downlinkRadio() const { return {downlinkModel(), sameRadioBothLinks()}; }
    FamilyDriver& driverOf(const RadioModel& model) {
        return wiring_.families.driverFor(model.family);
    }

    DispatchWiring wiring_;
    DispatchHooks hooks_;
};

} // namespace orv::radio
