// Where one listed satellite is at a map update, as the propagator's map mode gives it.
#pragma once

#include <string>

namespace orv::sky {

struct SkyPosition {
    std::string name;      // the list entry; empty entries are never computed
    bool computed = false; // false: no elements, or the propagator failed
    double azimuth = 0;    // degrees, map mode (no tracking bias)
    double elevation = 0;
    double subLongitude = 0; // degrees east, 0..360
    double subLatitude = 0;  // degrees north
    double altitude = 0;     // km above the Earth's radius
};

} // namespace orv::sky
