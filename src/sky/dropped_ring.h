// The names auto-track has dropped recently (the tracked satellite set or went behind
// the horizon table): held out of the selection so the next-best satellite is taken.
// A true ring of five: a sixth drop replaces the oldest. A name leaves early once its
// satellite is below the horizon, so its next pass is selected like any other.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::sky {

class DroppedRing {
public:
    static constexpr size_t kSize = 5;

    // Holds `name` out; dropping the newest entry again changes nothing.
    void drop(const std::string& name);
    bool holds(std::string_view name) const;
    // Lets go of every name for which `belowHorizon` says its pass is over.
    void forget(const std::function<bool(const std::string&)>& belowHorizon);
    void clear() { names_.clear(); }
    bool empty() const { return names_.empty(); }
    // Oldest first.
    std::vector<std::string> names() const { return {names_.begin(), names_.end()}; }

private:
    std::deque<std::string> names_;
};

} // namespace orv::sky
