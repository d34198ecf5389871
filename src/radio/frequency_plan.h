// The frequency plan of the selected satellite: the five plan frequencies the
// knob can change, the retune steps, the beacon and the two modes, with the
// sign of each link through its converter.
#pragma once

#include "core/satellite_record.h"

#include <string>

namespace orv::radio {

struct FrequencyPlan {
    double uplink = 0;        // MHz at the satellite
    double downlink = 0;      // MHz at the satellite
    double transponder = 0;   // transponder L.O., MHz
    double upConverter = 0;   // 0 = no converter
    double downConverter = 0; // 0 = no converter
    double uplinkStepHz = 0;
    int downlinkStepHz = 0;
    double beacon = 0;
    std::string uplinkMode; // as the radio is to be set (sideband swapped for sign -1)
    std::string downlinkMode;
    int uplinkSign = 1;
    int downlinkSign = 1;
};

// The plan of a loaded record, with the tiny offsets that keep cut Hz from
// landing one below, the analog uplink rule, the signs and the sideband swap.
FrequencyPlan planFromSatellite(const core::SatelliteConfig& satellite);

// Knob targets: which plan value the tuning knob and the step buttons move.
enum KnobTarget {
    kKnobNone = 0,
    kKnobUplink = 3,
    kKnobTransponder = 4,
    kKnobDownlink = 5,
    kKnobDownConverter = 6,
    kKnobUpConverter = 7,
};

// Moves the plan value of `target` by `deltaMHz`; a transponder change takes the
// uplink along by the transponder rule. False when the target names no value.
bool movePlanValue(FrequencyPlan& plan, int target, double deltaMHz);

} // namespace orv::radio
