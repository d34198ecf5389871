#include "sky/priority_selection.h"

#include "core/station_state.h"

namespace orv::sky {

Selection selectByPriority(std::span<const SkyPosition> positions, std::span<const int> priorities,
                           const DroppedRing& ring, const SelectionRules& rules) {
    Selection selection;
    selection.visible.assign(positions.size(), false);
    selection.obscured.assign(positions.size(), false);
    for (size_t k = 0; k < positions.size(); ++k) {
        const SkyPosition& at = positions[k];
        if (at.name.empty() || !at.computed) continue;
        selection.visible[k] =
            at.name != core::kNoSatellite && at.elevation >= rules.startTrackingAt;
        const bool hidden = rules.horizon && rules.horizon->hidesOnMap(at.azimuth, at.elevation);
        selection.obscured[k] = selection.visible[k] && hidden;
        const int priority = k < priorities.size() ? priorities[k] : 0;
        if (!rules.autoTrack || at.elevation < 0 || priority <= 0) continue;
        if (hidden || ring.holds(at.name)) continue;
        if (priority > selection.bestPriority) {
            selection.bestPriority = priority;
            selection.chosen = static_cast<int>(k);
        }
    }
    return selection;
}

} // namespace orv::sky
