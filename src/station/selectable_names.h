// The names a satellite can be selected by: the satellite list (with the suffixed
// names of mean-anomaly records) followed by the names of the stored element sets.
#pragma once

#include <string>
#include <vector>

namespace orv::core {
class SatelliteDb;
} // namespace orv::core

namespace orv::orbit {
class ElementStore;
} // namespace orv::orbit

namespace orv::station {

// Read in one transaction of the store; a name in both appears once, in the list's place.
std::vector<std::string> selectableNames(const core::SatelliteDb& db,
                                         const orbit::ElementStore& elements);

} // namespace orv::station
