// What the Doppler pass keeps from pass to pass, and the flags other routines
// set to make it retune a radio at once.
#pragma once

#include <cstdint>
#include <string>

namespace orv::radio {

struct DopplerState {
    int uplinkDopplerHz = 0;
    int downlinkDopplerHz = 0;
    int64_t uplinkDialHz = 0;   // what the uplink radio is sent, after the converter
    int64_t downlinkDialHz = 0; // what the downlink radio is sent, after the converter
    double uplinkAtRadio = 0;   // the same in MHz
    double downlinkAtRadio = 0;
    std::string uplinkText;        // what catcontrol_tx sends
    std::string downlinkText;      // what catcontrol_rx sends
    int64_t uplinkReferenceHz = 0; // the dial at the last retune
    int64_t downlinkReferenceHz = 0;
    bool uplinkPending = false;
    bool downlinkPending = false;
    bool firstPass = false;   // armed by a satellite load
    int forceUplink = 0;      // first-pass force, also set by the uplink lamp
    int retuneDownlink = 0;   // set by the radio set-up and read-backs
    int retuneBoth = 0;       // set by read-backs and an interface reset
    int uplinkLampPasses = 0; // 1..5, then the lamp goes back
    int downlinkLampPasses = 0;
    std::string uplinkRefusal; // why the last retune did not reach the radio, until one does
    std::string downlinkRefusal;
    int freeze = 0;              // 1 while radio transactions are frozen
    bool uplinkByClient = false; // a network client tunes the link: no retune from here
    bool downlinkByClient = false;
    bool passRan = false; // a pass with a satellite has run since the load
};

} // namespace orv::radio
