// How long the driver waits after putting a frame on the wire, so that a radio
// command carried in it has passed the box before the next frame follows.
#pragma once

#include "core/box_frame.h"

namespace orv::rotator {

// Serial box: 75 + the whole milliseconds of the last transmission + both radio
// delays + the extra CAT delay, whatever the direction.
double serialFrameWaitMs(const core::RadioLinkTiming& link);

// Parallel box, by the last transfer code: 1 and 2 wait 50 ms plus the transmission
// (rounded) and that direction's delay and the extra delay, 3 waits 300 ms likewise
// with the downlink delay; any other code 5 ms.
double parallelFrameWaitMs(const core::RadioLinkTiming& link);

} // namespace orv::rotator
