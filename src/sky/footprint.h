// Footprints and ground tracks on the map: the circle of the Earth a satellite sees,
// and any line of sub-points, cut where it leaves one edge of the map and comes back
// at the other, so that nothing is drawn across the whole map.
#pragma once

#include "sky/map_projection.h"

#include <array>
#include <vector>

namespace orv::sky {

// The unit circle in 121 steps of 3 degrees, the last equal to the first.
struct UnitCircle {
    std::array<double, 121> sine{};
    std::array<double, 121> cosine{};
};
const UnitCircle& unitCircle();

using MapPolyline = std::vector<MapPointF>;

struct GeoPoint {
    double longitude = 0; // degrees east
    double latitude = 0;  // degrees north
};

// Half the angle, at the Earth's centre, of the circle a satellite `altitude` km up
// sees; 0 at or below the ground, or when the altitude is not a number.
double footprintHalfAngle(double altitude);

// The 121 points of the circle of angular radius `halfAngle` (degrees) around the
// sub-point, one per entry of the unit circle.
std::vector<GeoPoint> footprintCircle(double longitude, double latitude, double halfAngle,
                                      const UnitCircle& circle);

// The map lines of a footprint: its circle cut at the map's edge. A circle round a pole
// becomes one line closed along the top (north) or bottom (south) edge of the map.
// Altitude 0 gives one line of 121 equal points.
std::vector<MapPolyline> sat_foot(double longitude, double latitude, double altitude, MapType type,
                                  const UnitCircle& circle = unitCircle());

// An open line of sub-points (a ground track) as map lines cut at the map's edge.
std::vector<MapPolyline> mapLines(const std::vector<GeoPoint>& points, MapType type);

} // namespace orv::sky
