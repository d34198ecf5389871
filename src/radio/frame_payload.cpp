#include "radio/frame_payload.h"

namespace orv::radio {

namespace {
constexpr int kSerialLastSlot = 22;
constexpr int kParallelLastSlot = 44;

int lastPayloadSlot(int variant) {
    return variant == 3 ? kParallelLastSlot : kSerialLastSlot;
}
} // namespace

int payloadCapacity(int variant) {
    return lastPayloadSlot(variant) - kPayloadFirstSlot + 1;
}

bool writeCommand(core::BoxFrame& frame, const std::vector<uint8_t>& command, int variant) {
    if (static_cast<int>(command.size()) + 1 > payloadCapacity(variant)) return false;
    int slot = kPayloadFirstSlot;
    for (uint8_t byte : command)
        frame[slot++] = byte;
    frame[slot] = kPayloadEndMarker;
    return true;
}

void fillPayloadWithMarker(core::BoxFrame& frame, int variant) {
    const int first = variant == 3 ? kPayloadFirstSlot : 1;
    for (int slot = first; slot <= lastPayloadSlot(variant); ++slot)
        frame[slot] = kPayloadEndMarker;
}

std::vector<uint8_t> payloadBytes(const core::BoxFrame& frame, int variant) {
    std::vector<uint8_t> bytes;
    for (int slot = kPayloadFirstSlot; slot <= lastPayloadSlot(variant); ++slot) {
        const int value = frame[slot];
        bytes.push_back(static_cast<uint8_t>(value & 0xFF));
        if (value == kPayloadEndMarker) break;
    }
    return bytes;
}

} // namespace orv::radio
