// One map update's pass over the satellite list: every listed satellite through the
// propagator's map mode, with the element store held in one read transaction.
#pragma once

#include "sky/sky_position.h"

#include <string>
#include <vector>

namespace orv::core {
struct TrackingState;
} // namespace orv::core

namespace orv::orbit {
class ElementStore;
class Keplers;
} // namespace orv::orbit

namespace orv::sky {

// The positions of `names`, in list order; an empty name, a satellite without elements
// and a numeric fault give an entry that is not computed. Leaves the tracking state in
// normal mode; the element flags the propagator writes are the caller's to restore.
std::vector<SkyPosition> mapModePositions(std::vector<std::string> names,
                                          const orbit::ElementStore& elements,
                                          orbit::Keplers& keplers, core::TrackingState& tracking);

} // namespace orv::sky
