// The mean-anomaly suffix of a satellite name: "AO-40", "AO-40_1" ... "AO-40_6" are
// the records of one satellite. Stepping the suffix up or down is plain text work.
#pragma once

#include <optional>
#include <string>

namespace orv::station {

inline constexpr int kHighestSuffix = 6;

struct RaisedName {
    std::string name;
    bool refresh; // the record of the new name is to be loaded at once
};

// The next configuration: a base name gets "_1" (no refresh); a suffix below 6 goes up
// by one; at 6 or above the name stays and is loaded again.
RaisedName raisedSuffix(const std::string& name);

// The previous configuration: "_1" is cut off, a suffix above 1 goes down by one;
// nullopt when there is nothing to lower (no suffix, or no number in it).
std::optional<std::string> loweredSuffix(const std::string& name);

} // namespace orv::station
