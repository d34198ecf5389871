#include "radio/reply_bytes.h"

namespace orv::radio {

namespace {
constexpr int kSerialRadioSlot = 9;
constexpr int kParallelRadioSlot = 1;
} // namespace

std::vector<std::optional<uint8_t>> radioReplyBytes(const core::BoxReply& reply, int variant,
                                                    int count) {
    const int first = variant == 3 ? kParallelRadioSlot : kSerialRadioSlot;
    std::vector<std::optional<uint8_t>> bytes;
    for (int k = 0; k < count && first + k < core::kBoxSlots; ++k) {
        const int slot = first + k;
        if (reply.has(slot))
            bytes.emplace_back(static_cast<uint8_t>(reply.value(slot)));
        else
            bytes.emplace_back(std::nullopt);
    }
    return bytes;
}

} // namespace orv::radio
