#include "sky/map_scene_builder.h"

#include "orbit/element_set.h"
#include "orbit/plan13.h"

#include <cmath>

namespace orv::sky {

namespace {
constexpr double kDegree = M_PI / 180;
constexpr int kGroundTrackSteps = 120;
} // namespace

MapScene buildMapScene(std::span<const SkyPosition> positions, const std::vector<bool>& obscured,
                       std::string_view selected, const MapChoices& choices, double day) {
    MapScene scene;
    scene.type = choices.type;
    for (size_t k = 0; k < positions.size(); ++k) {
        const SkyPosition& at = positions[k];
        if (!at.computed || at.elevation < choices.threshold) continue;
        MapMark mark = MapMark::Visible;
        if (at.name == selected)
            mark = MapMark::Selected;
        else if (k < obscured.size() && obscured[k])
            mark = MapMark::Obscured;
        scene.satellites.push_back(
            {at.name, at.subLongitude, at.subLatitude, at.altitude, at.elevation, mark});
    }
    if (choices.sunShown) {
        const orbit::SunPoint sun = orbit::sunAtDay(day);
        scene.sun = SunPosition{sun.longitude / kDegree, sun.latitude / kDegree};
    }
    return scene;
}

std::vector<GeoPoint> groundTrack(std::string_view line1, std::string_view line2, double day) {
    const orbit::ElementSet elements = orbit::parseElementSet(line1, line2);
    const orbit::Plan13 orbit(elements);
    if (!orbit.usable()) return {};
    const double period = 2 * M_PI / elements.MM; // days
    std::vector<GeoPoint> track;
    track.reserve(kGroundTrackSteps + 1);
    orbit::SatelliteState state;
    for (int i = 0; i <= kGroundTrackSteps; ++i) {
        if (!orbit.at(day + period * i / kGroundTrackSteps, {}, state)) return {};
        const orbit::SubPoint sub = orbit::subPointOf(state);
        track.push_back({sub.longitude, sub.latitude});
    }
    return track;
}

} // namespace orv::sky
