#include "sky/auto_track.h"

#include "core/station_state.h"
#include "orbit/element_store.h"

#include <algorithm>

namespace orv::sky {

void AutoTrack::start(std::vector<int> priorities) {
    priorities_ = std::move(priorities);
    on_ = true;
}

void AutoTrack::stop() {
    on_ = false;
    ring_.clear();
    dropped_.clear();
}

AutoTrack::Outcome AutoTrack::update(std::span<const SkyPosition> positions, SelectionRules rules,
                                     const std::string& tracked) {
    ring_.forget([&](const std::string& name) {
        const auto at = std::find_if(positions.begin(), positions.end(),
                                     [&](const SkyPosition& p) { return p.name == name; });
        return at == positions.end() || !at->computed || at->elevation < 0;
    });
    names_.clear();
    for (const auto& position : positions)
        names_.push_back(position.name);
    rules.autoTrack = on_;
    selection_ = selectByPriority(positions, priorities_, ring_, rules);

    Outcome outcome;
    if (!on_) return outcome;
    if (selection_.chosen >= 0) {
        dropped_.clear();
        const std::string& name = positions[size_t(selection_.chosen)].name;
        // Entries of one satellite under its mean-anomaly names are the same satellite.
        if (orbit::elementNameOf(name) != orbit::elementNameOf(tracked)) outcome.takeOver = name;
    } else {
        outcome.release = tracked != core::kNoSatellite && tracked == dropped_;
    }
    return outcome;
}

int AutoTrack::priorityOf(const std::string& name) const {
    const auto at = std::find(names_.begin(), names_.end(), name);
    const auto k = size_t(at - names_.begin());
    return at != names_.end() && k < priorities_.size() ? priorities_[k] : 0;
}

bool AutoTrack::drop(const std::string& tracked) {
    if (tracked == core::kNoSatellite || tracked == dropped_) return false;
    dropped_ = tracked;
    ring_.drop(tracked);
    return true;
}

} // namespace orv::sky
