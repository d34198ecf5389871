// A frame goes out only when every slot that travels holds a byte: a value
// outside 0..255 would otherwise reach the box as some other, wrapped byte.
#pragma once

#include "core/box_frame.h"

#include <optional>
#include <string>

namespace orv::rotator {

struct SlotOutOfRange {
    int slot;
    int value;
};

// The first slot from `first` to `last` whose value is not a byte.
std::optional<SlotOutOfRange> firstSlotOutOfByteRange(const core::BoxFrame& frame, int first,
                                                      int last);

// The fault shown for a refused frame.
std::string refusedFrameText(const SlotOutOfRange& fault);

} // namespace orv::rotator
