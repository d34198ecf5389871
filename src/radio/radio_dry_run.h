// What the box would be sent for one satellite, without a box: the radios' set-up
// and the first tuning of both links at a range rate of 0, and on request their
// close, each frame as its header names it.
#pragma once

#include "core/configuration.h"
#include "core/satellite_record.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace orv::radio {

struct DryRunFrame {
    int transfer = 0; // 1 uplink, 2 downlink, 3 downlink read
    int port = 0;     // the radio port the header names; 0 when it names none
    int timingFirst = 0;
    int timingSecond = 0;
    std::vector<uint8_t> payload; // up to and including the 0xF0 marker
};

// The radio on a frame's port: it hears each frame as the box forwards it and gives
// its answer, which the box returns for a read (transfer 3).
using DryRunRadio = std::function<std::vector<uint8_t>(const DryRunFrame&)>;

// Without a radio the box reads nothing back (a set-up that asks its radio stops there).
std::vector<DryRunFrame> dryRunFrames(const core::SatelliteRecord& record,
                                      const core::ConfigValues& config, int variant, bool shutdown,
                                      const DryRunRadio& radio = {});

} // namespace orv::radio
