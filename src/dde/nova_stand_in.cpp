#include "dde/nova_stand_in.h"

#include "core/number_text.h"
#include "dde/nova_reply.h"
#include "orbit/element_set.h"
#include "orbit/plan13.h"
#include "orbit/tracking_labels.h"

namespace orv::dde {

namespace {

// Catalogue numbers compare as numbers: "07530" and "7530" are one satellite.
long catalogueValue(std::string_view text) {
    const std::string clean = core::trimmed(text);
    if (clean.empty() || clean.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stol(clean.substr(0, 9));
}

} // namespace

NovaStandIn::NovaStandIn(std::vector<orbit::ElementRecord> sets,
                         const orbit::StationModel& observer)
    : sets_(std::move(sets)), observer_(observer) {}

const std::string& NovaStandIn::chosenName() const {
    static const std::string none;
    return chosen_ < 0 ? none : sets_[std::size_t(chosen_)].name;
}

std::string NovaStandIn::poke(const std::string& text) {
    if (text.rfind("SAT=", 0) != 0) return "noted";
    const long wanted = catalogueValue(std::string_view(text).substr(4));
    for (std::size_t i = 0; i < sets_.size(); ++i) {
        if (wanted >= 0 && catalogueValue(orbit::catalogueNumber(sets_[i].line1)) == wanted) {
            chosen_ = int(i);
            return "tracking " + sets_[i].name;
        }
    }
    return "no element set has catalogue number " + text.substr(4) + "; still tracking " +
           (chosen_ < 0 ? std::string("nothing") : chosenName());
}

bool NovaStandIn::choose(const std::string& name) {
    for (std::size_t i = 0; i < sets_.size(); ++i) {
        if (core::upperCased(sets_[i].name) == core::upperCased(name)) {
            chosen_ = int(i);
            return true;
        }
    }
    return false;
}

std::string NovaStandIn::replyAt(double day) const {
    const PeerPosition nothing;
    if (chosen_ < 0) return formatNovaReply("", "", nothing);
    const auto& set = sets_[std::size_t(chosen_)];
    const std::string number = orbit::catalogueNumber(set.line1);
    const orbit::Plan13 orbit(orbit::parseElementSet(set.line1, set.line2));
    orbit::SatelliteState state;
    orbit::Observation seen;
    if (!orbit.usable() || !orbit.at(day, orbit::Attitude{}, state) ||
        !orbit::observe(observer_, state, seen))
        return formatNovaReply("", number, nothing);
    PeerPosition position;
    position.azimuth = seen.azimuth;
    position.elevation = seen.elevation;
    position.rangeRate = seen.rangeRate;
    position.ma256 = orbit::ma256Of(state.M);
    return formatNovaReply(set.name, number, position);
}

} // namespace orv::dde
