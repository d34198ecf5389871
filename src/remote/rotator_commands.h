// The rotator protocol: the commands a rotator client sends, as a table of handlers
// over the station's pointing.
#pragma once

#include "remote/command_table.h"
#include "station/station_remote.h"

#include <span>

namespace orv::remote {

struct RotatorSession {
    station::StationRemote& station;
    int client;
};

std::span<const Command<RotatorSession>> rotatorCommands();

} // namespace orv::remote
