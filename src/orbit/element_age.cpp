#include "orbit/element_age.h"

#include "orbit/plan13.h"

#include <cmath>

namespace orv::orbit {

namespace {
// A whole number with its thousands grouped: 3243 is "3,243".
std::string groupedThousands(long long value) {
    std::string digits = std::to_string(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return digits;
}
} // namespace

std::optional<double> elementAgeDays(std::string_view line1, std::string_view line2, double day) {
    const Plan13 orbit(parseElementSet(line1, line2));
    if (!orbit.usable() || !std::isfinite(day)) return std::nullopt;
    return day - orbit.epochDay();
}

std::string staleElementWarning(double ageDays) {
    if (!(ageDays > kStaleElementDays)) return {};
    return "element set " + groupedThousands(std::llround(ageDays)) +
           " days old: positions may be far off; update the element file";
}

} // namespace orv::orbit
