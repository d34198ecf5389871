// The auto-track choice of one map update, as a pure function of where the listed
// satellites are: the visibility marks the map draws from, which of them the horizon
// table hides, and the highest-priority satellite in view that is not held out.
#pragma once

#include "sky/dropped_ring.h"
#include "sky/horizon_table.h"
#include "sky/sky_position.h"

#include <span>
#include <vector>

namespace orv::sky {

struct SelectionRules {
    bool autoTrack = false;
    double startTrackingAt = 0;            // a satellite at or above this is marked visible
    const HorizonTable* horizon = nullptr; // null while the horizon table is not in use
};

struct Selection {
    std::vector<bool> visible;  // per list position: drawn on the map
    std::vector<bool> obscured; // per list position: visible but behind the horizon table
    int bestPriority = 0;       // 0: nothing to track
    int chosen = -1;            // list position of the choice, -1 for none
};

// Positions and priorities in list order (a missing priority counts as none). A candidate
// is at or above 0 degrees, has a priority, is not in `ring` and is not hidden by the
// horizon table; the strictly highest priority wins, so the earliest of equals does.
Selection selectByPriority(std::span<const SkyPosition> positions, std::span<const int> priorities,
                           const DroppedRing& ring, const SelectionRules& rules);

} // namespace orv::sky
