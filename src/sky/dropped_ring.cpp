#include "sky/dropped_ring.h"

#include <algorithm>

namespace orv::sky {

void DroppedRing::drop(const std::string& name) {
    if (!names_.empty() && names_.back() == name) return;
    // A name held already moves to the newest place rather than taking two.
    std::erase(names_, name);
    names_.push_back(name);
    if (names_.size() > kSize) names_.pop_front();
}

bool DroppedRing::holds(std::string_view name) const {
    return std::find(names_.begin(), names_.end(), name) != names_.end();
}

void DroppedRing::forget(const std::function<bool(const std::string&)>& belowHorizon) {
    std::erase_if(names_, belowHorizon);
}

} // namespace orv::sky
