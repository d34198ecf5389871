// What a map update draws, from the pass over the list: the station and the tool build
// their scenes here, so the tool draws what the station would.
#pragma once

#include "sky/map_scene.h"
#include "sky/sky_position.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orv::sky {

struct MapChoices {
    MapType type = MapType::Greenwich;
    double threshold = 0; // degrees of elevation; satellites below are not drawn
    bool sunShown = false;
};

// Each computed position at or above the threshold, in list order: the selected
// satellite marked so, the others obscured where `obscured` (per list position, from the
// horizon test of the auto-track pass) says so, else visible. The sun at `day` (day
// number plus UTC fraction) when shown.
MapScene buildMapScene(std::span<const SkyPosition> positions, const std::vector<bool>& obscured,
                       std::string_view selected, const MapChoices& choices, double day);

// The sub-points of a satellite over one orbit from `day`, from its element lines; empty
// when the lines describe no usable orbit.
std::vector<GeoPoint> groundTrack(std::string_view line1, std::string_view line2, double day);

} // namespace orv::sky
