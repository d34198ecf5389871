#include "orbit/keplers.h"

#include "core/panel.h"
#include "core/station_state.h"
#include "core/tracking_state.h"
#include "orbit/element_set.h"
#include "orbit/element_store.h"
#include "orbit/tracking_labels.h"

#include <cmath>

namespace orv::orbit {

namespace {
// Added to the tracking elevations (not the map's), as the station has always done.
constexpr double kElevationBias = 0.2;
} // namespace

Keplers::Keplers(Wiring wiring)
    : store_(wiring.store), tracking_(wiring.tracking), panel_(wiring.panel), flags_(wiring.flags),
      time_routines_(std::move(wiring.time_routines)), station_(StationModel::from(0, 0, 0)) {}

void Keplers::keplers(std::string_view name) {
    if (name.empty()) {
        flags_.elementsValid = 0;
        return;
    }
    if (name == core::kNoSatellite) return;
    flags_.elementsValid = 1;
    tracking_.elementName.assign(elementNameOf(name));
    if (!store_.lines(tracking_.elementName, line1_, line2_)) {
        flags_.elementsValid = 0;
        flags_.elementsMissing = 1;
        return;
    }

    // Elements that give no position (a line cut short, a numeric fault) leave every
    // field as it was, and say so as missing elements do: nothing may track on them.
    const auto noPosition = [this] {
        flags_.elementsValid = 0;
        flags_.elementsMissing = 1;
    };
    const Plan13 orbit(parseElementSet(line1_, line2_));
    if (!orbit.usable()) return noPosition();
    if (!tracking_.predictMode && time_routines_) time_routines_();
    const Attitude attitude{tracking_.ALON, tracking_.ALAT};
    SatelliteState state;
    Observation seen;
    if (!orbit.at(tracking_.dayNumber + tracking_.dayFraction, attitude, state) ||
        !observe(station_, state, seen))
        return noPosition();

    if (tracking_.mapMode) {
        writeMapMode(orbit, state, seen); // a fault there leaves the map's fields alone
        return;
    }
    writeTracking(state, seen);
}

void Keplers::writeMapMode(const Plan13& orbit, const SatelliteState& state,
                           const Observation& seen) {
    const SubPoint sub = subPointOf(state);
    const SunPoint sun = orbit.sunAt(state);
    if (!std::isfinite(sub.longitude) || !std::isfinite(sub.latitude) ||
        !std::isfinite(sun.longitude) || !std::isfinite(sun.latitude))
        return;
    tracking_.subLongitude = sub.longitude;
    tracking_.subLatitude = sub.latitude;
    tracking_.altitude = sub.altitude;
    tracking_.mapAzimuth = seen.azimuth;
    tracking_.mapElevation = seen.elevation;
    tracking_.sunLongitude = sun.longitude;
    tracking_.sunLatitude = sun.latitude;
}

void Keplers::writeTracking(const SatelliteState& state, const Observation& seen) {
    panel_.setCaption("lbl_range", rangeCaption(seen.range).view());
    panel_.setCaption("lbl_sq6", squintCaption(seen.squint).view());
    tracking_.rangeRate = seen.rangeRate;
    tracking_.squint = seen.squint;
    if (tracking_.predictMode) {
        tracking_.predictAzimuth = seen.azimuth;
        tracking_.predictElevation = seen.elevation + kElevationBias;
        return;
    }
    tracking_.azimuth = seen.azimuth;
    tracking_.elevation = seen.elevation + kElevationBias;
    tracking_.range = seen.range;
    tracking_.ma256 = ma256Of(state.M);
    panel_.setCaption("lbl_ma256", wholeNumberText(tracking_.ma256).view());
}

} // namespace orv::orbit
