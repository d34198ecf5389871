// Where the station is on the rotating, flattened Earth, and its local axes: worked
// out once at start-up from the configured latitude, longitude and height.
#pragma once

#include "orbit/vector3.h"

namespace orv::orbit {

struct StationModel {
    double LA = 0, LO = 0, HT = 0; // latitude, longitude (rad), height (km)
    Vector3 U, E, N;               // unit vectors up, east and north, Earth-fixed
    Vector3 O;                     // station position, km, Earth-fixed
    double VOx = 0, VOy = 0;       // station velocity from the Earth's turning, km/s

    // latitude north +, longitude east + (degrees), height above the ellipsoid (metres)
    static StationModel from(double latitudeDeg, double longitudeDeg, double heightMetres);
};

} // namespace orv::orbit
