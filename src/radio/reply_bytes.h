// The radio's answer inside the box's reply: from slot 1 on the parallel box,
// from slot 9 on the serial box (the first eight carry positions and marks).
#pragma once

#include "core/box_frame.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orv::radio {

// `count` answer bytes, first byte first; a slot the box has not reported is empty.
std::vector<std::optional<uint8_t>> radioReplyBytes(const core::BoxReply& reply, int variant,
                                                    int count);

} // namespace orv::radio
