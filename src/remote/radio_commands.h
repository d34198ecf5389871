// The radio protocol: the commands a radio client sends, in the plain and the VFO
// dialect, as a table of handlers over the station's radios. VFO A (the main VFO,
// receive) is the downlink radio, VFO B (the sub VFO, transmit) the uplink radio.
#pragma once

#include "remote/command_table.h"
#include "station/station_remote.h"

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace orv::remote {

struct RadioSession {
    station::StationRemote& station;
    int client;
    // Tells the operator why the radios cannot be tuned (once a session).
    std::function<void(const std::string& why)> tellOperator;

    bool vfoDialect = false; // after "\set_vfo_opt 1": commands name a VFO first
    std::string vfo = "VFOA";
    int split = 0;
    std::string txVfo = "VFOA"; // split off: transmit where it receives
    int ptt = 0;
    // What this client set last, by link: read back exactly as set.
    std::array<std::optional<double>, 2> setHz{};
    bool operatorTold = false;
};

std::span<const Command<RadioSession>> radioCommands();

} // namespace orv::remote
