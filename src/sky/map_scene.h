// What one map update draws: the satellites at or above the drawing threshold with how
// each is marked, the sun when it is shown, and the selected satellite's ground track.
#pragma once

#include "sky/day_night.h"
#include "sky/footprint.h"
#include "sky/map_projection.h"

#include <optional>
#include <string>
#include <vector>

namespace orv::sky {

enum class MapMark { Visible, Obscured, Selected };

// The word the tool and the status line use for a mark.
const char* mapMarkWord(MapMark mark);

struct MapSatellite {
    std::string name;
    double subLongitude = 0; // degrees east
    double subLatitude = 0;  // degrees north
    double altitude = 0;     // km
    double elevation = 0;    // degrees, seen from the station
    MapMark mark = MapMark::Visible;
};

// The drawing thresholds of the two map filter controls, degrees of elevation.
inline constexpr double kThresholdFilterOn = -6;
inline constexpr double kThresholdFilterOff = -90;

struct MapScene {
    MapType type = MapType::Greenwich;
    std::vector<MapSatellite> satellites; // those drawn, in list order
    std::optional<SunPosition> sun;       // when the sun display is on
    std::vector<GeoPoint> groundTrack;    // the selected satellite over its next orbit
};

} // namespace orv::sky
