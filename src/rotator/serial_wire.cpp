#include "rotator/serial_wire.h"

#include <cstdio>

namespace orv::rotator {

std::array<uint8_t, kSerialFrameBytes> serialWireBytes(const core::BoxFrame& frame) {
    std::array<uint8_t, kSerialFrameBytes> wire{};
    size_t next = 0;
    for (int slot = 2; slot <= 22; ++slot)
        wire[next++] = static_cast<uint8_t>(frame[slot]);
    wire[next++] = kSerialFrameMarker;
    for (int slot = 23; slot <= 38; ++slot)
        wire[next++] = static_cast<uint8_t>(frame[slot]);
    return wire;
}

std::optional<std::vector<uint8_t>> SerialReplyAssembler::add(const std::vector<uint8_t>& bytes) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    const size_t complete = pending_.size() / kSerialReplyBytes;
    if (complete == 0) return std::nullopt;
    const auto newest = pending_.begin() + static_cast<long>((complete - 1) * kSerialReplyBytes);
    std::vector<uint8_t> reply(newest, newest + kSerialReplySlots);
    pending_.erase(pending_.begin(), newest + kSerialReplyBytes);
    return reply;
}

std::string hexBytesText(const std::vector<uint8_t>& bytes) {
    std::string text;
    for (const uint8_t byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        if (!text.empty()) text += ' ';
        text += digits;
    }
    return text;
}

} // namespace orv::rotator
