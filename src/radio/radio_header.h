// The radio header of the box frame for one direction, as each box variant reads
// it: send or read flag, the port, its two bit-timing bytes, the comma flag and
// the direction parameter.
#pragma once

#include "core/box_frame.h"
#include "radio/link_settings.h"

namespace orv::radio {

// Serial box: slots 23 to 29 cleared, then the flags, timing and port of the
// (transfer, port) pair. False when the pair names no port of the box.
bool stampSerialHeader(core::BoxFrame& frame, int transfer, const LinkDirection& direction);

// Parallel box: slots 52 to 61 for ports 1 and 2; nothing else is cleared.
bool stampParallelHeader(core::BoxFrame& frame, int transfer, const LinkDirection& direction);

} // namespace orv::radio
