// The constants and angle routines of the Plan 13 method, with the values the
// station has always used (they are part of its results, so keep them exact).
#pragma once

#include <cmath>

namespace orv::orbit::plan13 {

inline constexpr double RAD = 0.017453292; // degrees to radians
inline constexpr double DEG = 57.29577951; // radians to degrees
inline constexpr double PI = 3.14159265358979;
inline constexpr double TWO_PI = 6.28318530717958;

inline constexpr double RE = 6378.14;     // equatorial Earth radius, km
inline constexpr double FL = 1 / 298.257; // Earth flattening
inline constexpr double GM = 398600;      // Earth gravitational constant, km^3/s^2
inline constexpr double J2 = 0.00108263;  // second zonal harmonic
inline constexpr double YT = 365.242197;  // tropical year, days
inline constexpr double WW = TWO_PI / YT; // sun's mean motion, rad/day
inline constexpr double WE = TWO_PI + WW; // Earth rotation, rad/day
inline constexpr double W0 = WE / 86400;  // Earth rotation, rad/s

inline constexpr double YG = 2000;         // sun epoch year: day number 0
inline constexpr double G0 = 98.9821;      // Greenwich hour angle of Aries at the sun epoch, deg
inline constexpr double MAS0 = 356.5208;   // sun's mean anomaly at the sun epoch, deg
inline constexpr double MASD = 0.98560027; // sun's mean anomaly rate, deg/day
inline constexpr double INS = 23.439;      // obliquity of the ecliptic, deg
inline constexpr double EQC1 = 0.03342;    // sun's equation of centre, rad

// Angle of the vector (x, y) seen from the x axis towards y, 0 <= angle < 2 pi.
inline double arctan(double y, double x) {
    if (x > 0) return y >= 0 ? std::atan(y / x) : std::atan(y / x) + TWO_PI;
    if (x < 0) return std::atan(y / x) + PI;
    return y >= 0 ? PI / 2 : 3 * PI / 2;
}

// Rounding can carry a cosine or a unit-vector component a hair past 1; clamping
// keeps the arc functions defined there instead of producing NaN.
inline double clampUnit(double x) {
    return x > 1 ? 1 : (x < -1 ? -1 : x);
}

// atan(x / sqrt(1 - x^2)), defined at +-1 as +-pi/2.
inline double arcSine(double x) {
    x = clampUnit(x);
    if (x == 1) return PI / 2;
    if (x == -1) return -PI / 2;
    return std::atan(x / std::sqrt(1 - x * x));
}

// atan(-x / sqrt(1 - x^2)) + 2 atan(1): the arc cosine, 0 at 1 and pi at -1.
inline double arcCosine(double x) {
    x = clampUnit(x);
    if (x == 1) return 0;
    if (x == -1) return PI;
    return std::atan(-x / std::sqrt(1 - x * x)) + 2 * std::atan(1.0);
}

} // namespace orv::orbit::plan13
