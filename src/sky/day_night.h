// Day and night on the map: the sun's height over any point, the grey line where it
// is on the horizon, and the map picture with the night side laid over it.
#pragma once

#include "sky/footprint.h"

#include <QImage>

namespace orv::sky {

// The sun's sub-point, degrees.
struct SunPosition {
    double longitude = 0; // east
    double latitude = 0;  // north
};

// Sine of the sun's elevation seen from a point (degrees east and north).
double sunHeightSine(const SunPosition& sun, double longitude, double latitude);

// The grey line: the latitude at which the sun is on the horizon at `longitude`.
double terminatorLatitude(const SunPosition& sun, double longitude);

// How much of the night picture shows where the sun's elevation has sine `height`:
// 0 in daylight, 256 once the sun is 6 degrees down, a ramp across the twilight between.
int nightWeight(double height);

// The day picture with the night picture faded in where it is dark (both pictures of
// one map type and size; the night one may be null, and the night side is then only
// darkened). Needs a few milliseconds at 2048 pixels wide: see DayNightBackground.
QImage dayNightPicture(const QImage& day, const QImage& night, MapType type,
                       const SunPosition& sun);

// The last day-and-night picture, made again only when the sun has moved far enough to
// shift the grey line by about a pixel, or the pictures changed.
class DayNightBackground {
public:
    const QImage& at(const QImage& day, const QImage& night, MapType type, const SunPosition& sun);
    void forget() { picture_ = QImage(); }

private:
    QImage picture_;
    qint64 dayKey_ = 0, nightKey_ = 0;
    MapType type_ = MapType::Greenwich;
    SunPosition sun_;
};

} // namespace orv::sky
