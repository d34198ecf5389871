// The per-direction values of the radio link: which box port each radio is on,
// the timing bytes of its baud rate, its delay with the comma flag, and the
// direction parameter the box reads (reply length of a read, 6 for an FT-736R).
#pragma once

#include "core/satellite_record.h"
#include "radio/port_timing.h"

namespace orv::radio {

struct LinkDirection {
    int port = 0; // 1 to 4 on the serial box, 1 or 2 on the parallel box
    TimingBytes timing;
    double msPerByte = 0;
    double delayMs = 0;
    int commaFlag = 0;
    int parameter = 0;
};

struct LinkSettings {
    LinkDirection uplink;   // transfer 1
    LinkDirection downlink; // transfers 2 and 3
};

// Takes ports, delays and baud timing from a loaded record (ports already reduced
// for the parallel box). A baud rate the variant has no row for keeps the timing
// the direction had before.
void loadLinkSettings(LinkSettings& settings, const core::SatelliteConfig& satellite, int variant);

} // namespace orv::radio
