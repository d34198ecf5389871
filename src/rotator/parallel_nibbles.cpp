#include "rotator/parallel_nibbles.h"

namespace orv::rotator {

uint8_t remapNibble(uint8_t nibble) {
    return static_cast<uint8_t>((nibble & 0x0B) | ((nibble & 0x04) << 2));
}

uint8_t statusNibble(uint8_t status) {
    return static_cast<uint8_t>((status & 0x78) >> 3);
}

std::array<uint8_t, kParallelFrameNibbles> parallelFrameNibbles(const core::BoxFrame& frame) {
    std::array<uint8_t, kParallelFrameNibbles> nibbles{};
    for (int slot = 1; slot <= kParallelFrameSlots; ++slot) {
        const int value = frame[slot];
        nibbles[static_cast<size_t>(2 * (slot - 1))] = static_cast<uint8_t>((value & 0xF0) >> 4);
        nibbles[static_cast<size_t>(2 * (slot - 1) + 1)] = static_cast<uint8_t>(value & 0x0F);
    }
    return nibbles;
}

ReplyBytes decodeReplyNibbles(const ReplyNibbles& nibbles) {
    ReplyBytes bytes{};
    for (size_t j = 1; j <= kParallelReplyBytes; ++j)
        bytes[j] = static_cast<uint8_t>((nibbles[2 * j] & 0x0F) * 16 + (nibbles[2 * j + 1] & 0x0F));
    return bytes;
}

} // namespace orv::rotator
