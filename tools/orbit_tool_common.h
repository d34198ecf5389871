// What the time, predict and passes commands share: strict number options, the
// observer, and the element file read into a store of the command's own.
#pragma once

#include "orbit/private_element_store.h"
#include "orbit/station_model.h"
#include "tools/tool_arguments.h"

#include <string>
#include <vector>

namespace orv::tools {

// Parses `words` with the command's options. For --help prints `usage` and gives exit
// code 0; for a mistake (or a positional word) prints it and the usage and gives 2.
// Returns true when the command goes on.
bool argumentsOrUsage(const std::vector<std::string>& words, const std::vector<ToolOption>& options,
                      const char* usage, ToolArguments& arguments, int& exitCode);

// --name VALUE as a number; `fallback` when absent. False (with a message) when it is
// required and absent, or not a number.
bool numberOption(const ToolArguments& arguments, const std::string& name, double& value,
                  bool required, double fallback = 0);

// --lat, --lon (degrees, required) and --height (metres, default 0).
bool observerOf(const ToolArguments& arguments, orbit::StationModel& station);

// Reads --elements into `store` and checks that --name has a set there (the name cut
// before its first "_", as the station looks it up). Prints why not and returns false.
bool loadElements(const ToolArguments& arguments, orbit::PrivateElementStore& store,
                  std::string& name);

// Says on standard error when the set of `name` is too old at `day` to be trusted.
void warnOfOldElements(orbit::PrivateElementStore& store, const std::string& name, double day);

} // namespace orv::tools
