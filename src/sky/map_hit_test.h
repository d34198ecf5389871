// Which satellite's dot a click on the map lies on.
#pragma once

#include "sky/map_scene.h"

#include <string>

namespace orv::sky {

// A click counts within 3 degrees of longitude (75 map units) of a dot's centre: a
// little more than the dot itself at any window size, small enough to tell apart
// satellites a few degrees apart.
inline constexpr double kClickToleranceUnits = 75;

// The satellite of `scene` whose dot is nearest to `click` (map units) within the
// tolerance, across the map's left and right edges; empty when there is none.
std::string satelliteAt(const MapScene& scene, MapPointF click,
                        double tolerance = kClickToleranceUnits);

// A click's map position packed into the one number a panel gesture carries, and back:
// x × 10000 + y, in whole map units ("!Picture1 mousedown 45002225" is 0 E, 0 N on the
// map centred on 0).
int packMapClick(MapPoint at);
MapPoint unpackMapClick(int packed);

} // namespace orv::sky
