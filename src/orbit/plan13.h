// The Plan 13 propagator as a value: built from one element set, asked where the
// satellite is at an instant. The observer is separate (see observe()).
#pragma once

#include "orbit/element_set.h"
#include "orbit/station_model.h"
#include "orbit/vector3.h"

namespace orv::orbit {

// The satellite's attitude (spin axis) as longitude and latitude in its orbit frame, degrees.
struct Attitude {
    double ALON = 0;
    double ALAT = 0;
};

// The satellite at one instant, Earth-fixed.
struct SatelliteState {
    double T = 0;          // days since the element epoch
    double M = 0;          // mean anomaly, 0 <= M < 2 pi
    double RS = 0;         // distance from the Earth's centre, km
    Vector3 S;             // position, km
    Vector3 V;             // velocity, km/s
    Vector3 AN;            // attitude, unit vector
    double CG = 1, SG = 0; // cos and sin of minus the Greenwich hour angle of Aries
};

// The sun's sub-point, radians: longitude east 0..2 pi, latitude.
struct SunPoint {
    double longitude = 0;
    double latitude = 0;
};

// The sun's sub-point at `day` (day number plus UTC fraction), whatever the satellite.
SunPoint sunAtDay(double day);

class Plan13 {
public:
    explicit Plan13(const ElementSet& elements);

    // False when the set cannot describe an ellipse (mean motion 0, eccentricity 1 or
    // more, a garbled line): nothing may be computed from it.
    bool usable() const { return usable_; }
    // The element epoch in the station's time base (day number plus fraction).
    double epochDay() const { return c_.DE + c_.TE; }

    // The satellite at `day` (day number plus UTC fraction). False on a numeric fault
    // (not usable, Kepler's equation not settling, a non-finite result); `state` is
    // then unspecified.
    bool at(double day, const Attitude& attitude, SatelliteState& state) const;

    // The sun's sub-point at the instant of `state`.
    SunPoint sunAt(const SatelliteState& state) const;

private:
    struct Constants {
        double N0 = 0, A0 = 0, B0 = 0; // rad/s, km, km
        double SI = 0, CI = 0;
        double QD = 0, WD = 0, DC = 0; // node rate, perigee rate (rad/day), drag coefficient
        double DE = 0, TE = 0;         // epoch day number and fraction
        double GHAE = 0;
    };
    ElementSet e_;
    Constants c_;
    bool usable_ = false;
};

// The satellite as the station sees it.
struct Observation {
    double range = 0;     // km
    Vector3 unitRange;    // from the station towards the satellite
    double azimuth = 0;   // degrees, 0 <= az < 360, true north, clockwise
    double elevation = 0; // degrees, geometric (no bias)
    double rangeRate = 0; // km/s, positive when the distance grows
    double squint = 0;    // degrees between the attitude axis and the line to the station
};

// False when the satellite sits on the station or a result is not finite.
bool observe(const StationModel& station, const SatelliteState& state, Observation& seen);

// The sub-satellite point: longitude east 0..360, geocentric latitude (degrees) and the
// distance from the Earth's centre less the equatorial radius (km).
struct SubPoint {
    double longitude = 0;
    double latitude = 0;
    double altitude = 0;
};
SubPoint subPointOf(const SatelliteState& state);

} // namespace orv::orbit
