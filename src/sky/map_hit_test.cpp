#include "sky/map_hit_test.h"

#include <algorithm>
#include <cmath>

namespace orv::sky {

std::string satelliteAt(const MapScene& scene, MapPointF click, double tolerance) {
    const std::string* nearest = nullptr;
    double nearestDistance = tolerance;
    for (const auto& satellite : scene.satellites) {
        const MapPoint dot = sat_pos(satellite.subLongitude, satellite.subLatitude, scene.type);
        double dx = std::fabs(dot.x - click.x);
        dx = std::min(dx, kMapWidthUnits - dx); // the map wraps round
        const double distance = std::hypot(dx, dot.y - click.y);
        if (distance <= nearestDistance && (!nearest || distance < nearestDistance)) {
            nearest = &satellite.name;
            nearestDistance = distance;
        }
    }
    return nearest ? *nearest : std::string();
}

namespace {
constexpr int kPackFactor = 10000;
} // namespace

int packMapClick(MapPoint at) {
    return at.x * kPackFactor + at.y;
}

MapPoint unpackMapClick(int packed) {
    if (packed < 0) return {};
    return {packed / kPackFactor, packed % kPackFactor};
}

} // namespace orv::sky
