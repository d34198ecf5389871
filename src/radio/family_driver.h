// The one interface every radio family implements: set-up, tuning, read-back,
// close and transmit switching of the radio on one link. The dispatch hands each
// call to the family the model list names for the record's radio number, so a new
// family is one unit implementing this and its rows in the model list.
#pragma once

#include "core/box_frame.h"
#include "core/panel.h"
#include "core/satellite_record.h"
#include "platform/waits.h"
#include "radio/frequency_plan.h"
#include "radio/radio_link.h"
#include "radio/radio_model.h"
#include "radio/radio_state.h"

#include <functional>
#include <optional>
#include <string>

namespace orv::radio {

// What every family may use: the loaded record and plan, the shared radio state,
// the link into the box frame, the box's reply, the panel and the wait.
struct FamilyWiring {
    const core::SatelliteConfig& satellite;
    const FrequencyPlan& plan;
    RadioState& state;
    RadioLink& link;
    const core::BoxReply& reply;
    core::Panel& panel;
    platform::Waits& waits;
};

// The calls a family makes upward, wired by the radio subsystem.
struct FamilyHooks {
    std::function<void()> ins;                          // collect the box's reply
    std::function<void(double readingMHz)> adjust_read; // a dial reading becomes the plan
    std::function<void()> releaseInhibits;              // the inhibit labels' click handlers
    std::function<std::optional<int>()> memoryChannel;  // selected at close, or none
    std::function<bool()> pttFlag; // the record switches transmit and receive by PTT
    std::function<void(const std::string&)> showMessage; // a message box with OK
    std::function<void()> silenceBox; // demonstration mode: the box is not touched again
};

// The radio a call is about: its model, and whether that one radio carries both links.
struct RadioOnLink {
    const RadioModel& model;
    bool bothLinks = false;
};

class FamilyDriver {
public:
    virtual ~FamilyDriver() = default;

    // Set-up at the selection of a satellite. The dispatch has set the direction,
    // the transfer code, the direction parameter and the CI-V address of the link.
    virtual void setUpUplink(const RadioOnLink& radio) = 0;
    virtual void setUpDownlink(const RadioOnLink& radio) = 0;
    // Sends RadioState::frequencyText, the link's corrected frequency, to the radio. A
    // frequency the radio's command cannot carry goes to RadioLink::refuse with the
    // reason, which the panel then shows in place of the radio's frequency.
    virtual void tuneUplink(const RadioOnLink& radio) = 0;
    virtual void tuneDownlink(const RadioOnLink& radio) = 0;
    // Reads the downlink radio's dial and hands it to adjust_read; called only for
    // models whose row says they read back.
    virtual void readBackDownlink(const RadioOnLink& radio) = 0;
    virtual void closeUplink(const RadioOnLink& radio) = 0;
    virtual void closeDownlink(const RadioOnLink& radio) = 0;
    // Transmit (true) or receive on a radio carrying both links; called only for
    // models whose row has PTT switching.
    virtual void switchTransmit(const RadioOnLink& /*radio*/, bool /*transmit*/) {}
};

} // namespace orv::radio
