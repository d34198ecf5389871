#include "sky/map_mode_pass.h"

#include "core/tracking_state.h"
#include "orbit/element_store.h"
#include "orbit/keplers.h"

#include <cmath>
#include <limits>

namespace orv::sky {

std::vector<SkyPosition> mapModePositions(std::vector<std::string> names,
                                          const orbit::ElementStore& elements,
                                          orbit::Keplers& keplers, core::TrackingState& tracking) {
    std::vector<SkyPosition> positions(names.size());
    struct NormalModeAfter {
        core::TrackingState& tracking;
        ~NormalModeAfter() { tracking.mapMode = 0; }
    } normalModeAfter{tracking};
    const auto batch = elements.readBatch();
    tracking.mapMode = 1;
    for (size_t k = 0; k < names.size(); ++k) {
        SkyPosition& at = positions[k];
        at.name = std::move(names[k]);
        if (at.name.empty()) continue;
        tracking.mapElevation = std::numeric_limits<double>::quiet_NaN();
        keplers.keplers(at.name);
        if (!std::isfinite(tracking.mapElevation)) continue; // no elements, or a fault
        at.computed = true;
        at.azimuth = tracking.mapAzimuth;
        at.elevation = tracking.mapElevation;
        at.subLongitude = tracking.subLongitude;
        at.subLatitude = tracking.subLatitude;
        at.altitude = tracking.altitude;
    }
    return positions;
}

} // namespace orv::sky
