// Where the selected satellite is and how it is being tracked: written by the
// time routines, the propagator and the linked tracking programs.
#pragma once

#include <string>

namespace orv::core {

struct TrackingState {
    // Time of the last clock reading.
    double dayNumber = 0;   // local calendar date, 2000 January 1 = 1
    double dayFraction = 0; // UTC fraction of that day, not reduced to 0..1
    std::string utcText;    // "hh:mm:ss"

    // Position of the selected satellite.
    double azimuth = 0;   // degrees
    double elevation = 0; // degrees
};

} // namespace orv::core
