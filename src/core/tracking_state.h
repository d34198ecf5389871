// Where the selected satellite is and how it is being tracked: written by the
// time routines, the propagator and the linked tracking programs.
#pragma once

#include <cstdint>
#include <string>

namespace orv::core {

// The element flags (elements valid, elements missing) live in LoopState beside the
// other flags the main loop passes between its steps. Angles in degrees unless stated.
struct TrackingState {
    // Time of the last clock reading, or the instant a prediction asks for.
    double dayNumber = 0;   // local calendar date, 2000 January 1 = 1
    double dayFraction = 0; // UTC fraction of that day, not reduced to 0..1
    std::string utcText;    // "hh:mm:ss"

    std::string elementName; // the selected name cut before its first "_"

    // Normal tracking (or the linked tracking program).
    double azimuth = 0;     // 0 <= az < 360, true north, clockwise
    double elevation = 0;   // from the propagator with its +0.2 bias
    double range = 0;       // km
    double squint = 0;      // degrees, as lbl_sq6 shows it (also in prediction mode)
    double rangeRate = 0;   // km/s, positive when the distance grows
    std::int16_t ma256 = 0; // mean anomaly in 256ths of a revolution

    // Prediction mode: the caller presets dayNumber and dayFraction.
    int predictMode = 0;
    double predictAzimuth = 0;
    double predictElevation = 0;

    // Map mode.
    int mapMode = 0;
    double subLongitude = 0; // east, 0 <= lon < 360
    double subLatitude = 0;  // geocentric
    double altitude = 0;     // distance from the Earth's centre less 6378.14 km
    double mapAzimuth = 0;
    double mapElevation = 0; // without the tracking bias
    double sunLongitude = 0; // radians east, 0 <= lon < 2 pi
    double sunLatitude = 0;  // radians

    // The satellite's attitude for the squint angle, set by the mean-anomaly schedule.
    double ALON = 0;
    double ALAT = 0;
};

} // namespace orv::core
