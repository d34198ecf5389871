// The age of the selected satellite's element set: the status line's epoch_age, and a
// warning on the panel when the set is too old for its positions to be trusted.
#include "core/number_text.h"
#include "orbit/element_age.h"
#include "orbit/element_set.h"
#include "orbit/element_store.h"
#include "station/station.h"

#include <cstdio>

namespace orv::station {

std::optional<double> Station::selectedElementAge() const {
    if (loop_.selectedSatellite == kNoSatellite || !elementStore_) return std::nullopt;
    std::string line1, line2;
    if (!elementStore_->lines(elementName(loop_.selectedSatellite), line1, line2))
        return std::nullopt;
    return orbit::elementAgeDays(line1, line2, tracking_.dayNumber + tracking_.dayFraction);
}

void Station::addElementAgeStatus() {
    statusLine_.add("epoch_age", [this] {
        const auto age = selectedElementAge();
        if (!age) return std::string();
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", *age);
        return std::string(text);
    });
}

void Station::showElementAge() {
    const auto age = selectedElementAge();
    const std::string warning = age ? orbit::staleElementWarning(*age) : std::string();
    panel_.setCaption("lbl_epoch_age", warning);
    panel_.setVisible("lbl_epoch_age", !warning.empty());
}

} // namespace orv::station
