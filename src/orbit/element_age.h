// How old an element set is at an instant, and the warning an operator sees when it
// is too old to trust: a propagator fed a set weeks past its epoch points elsewhere.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orv::orbit {

// Beyond this many days from the epoch the positions are no longer worth trusting.
inline constexpr double kStaleElementDays = 14;

// Days from the epoch of the set (lines 1 and 2) to `day` (day number plus UTC
// fraction); nothing when the set describes no orbit.
std::optional<double> elementAgeDays(std::string_view line1, std::string_view line2, double day);

// "element set 3,243 days old: positions may be far off; update the element file"
// when `ageDays` is above the limit, else empty.
std::string staleElementWarning(double ageDays);

} // namespace orv::orbit
