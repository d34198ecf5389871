#include "station/selectable_names.h"

#include "core/number_text.h"
#include "core/satellite_db.h"
#include "orbit/element_store.h"

#include <set>

namespace orv::station {

namespace {
// The element store's bookkeeping section, not a satellite.
constexpr const char* kAgeSection = "AGE";
} // namespace

std::vector<std::string> selectableNames(const core::SatelliteDb& db,
                                         const orbit::ElementStore& elements) {
    const auto batch = elements.readBatch();
    std::vector<std::string> names;
    std::set<std::string> seen;
    const auto add = [&](const std::string& name) {
        if (!name.empty() && seen.insert(core::upperCased(name)).second) names.push_back(name);
    };
    for (const auto& name : db.names())
        add(name);
    for (const auto& name : elements.settings().sections(orbit::kElementApplication))
        if (core::upperCased(name) != kAgeSection) add(name);
    return names;
}

} // namespace orv::station
