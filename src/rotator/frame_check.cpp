#include "rotator/frame_check.h"

namespace orv::rotator {

std::optional<SlotOutOfRange> firstSlotOutOfByteRange(const core::BoxFrame& frame, int first,
                                                      int last) {
    for (int slot = first; slot <= last; ++slot)
        if (frame[slot] < 0 || frame[slot] > 255) return SlotOutOfRange{slot, frame[slot]};
    return std::nullopt;
}

std::string refusedFrameText(const SlotOutOfRange& fault) {
    return "Frame not sent: slot " + std::to_string(fault.slot) + " holds " +
           std::to_string(fault.value) + ", not a byte.";
}

} // namespace orv::rotator
