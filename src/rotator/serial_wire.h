// Pure pieces of the serial box's wire: the 38 bytes of a frame, and the
// reassembly of replies from what the line delivers.
#pragma once

#include "core/box_frame.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orv::rotator {

inline constexpr int kSerialFrameBytes = 38;
inline constexpr int kSerialFrameMarker = 0xF0; // wire byte 22
inline constexpr int kSerialReplyBytes = 30;    // what the box sends per request
inline constexpr int kSerialReplySlots = 29;    // what a reply carries into BoxReply
inline constexpr int kSerialReceiveThreshold = 30;
inline constexpr int kSerialReadSize = 29;

// Slots 2 to 22, the marker 0xF0, then slots 23 to 38. The slots must hold bytes.
std::array<uint8_t, kSerialFrameBytes> serialWireBytes(const core::BoxFrame& frame);

// Replies are fixed-length blocks counted from the request. Reads of at most 29
// bytes against a threshold of 30 would otherwise leave one byte behind and parse
// every later reply out of frame; so the driver throws away stale bytes at each
// request and acts only on the newest complete block.
class SerialReplyAssembler {
public:
    // Forgets everything gathered: the next byte is the first of a reply.
    void restart() { pending_.clear(); }
    // Adds bytes as they arrive; returns the reply slots (29 bytes) of the newest
    // complete reply among them, if any, and keeps only the bytes after it.
    std::optional<std::vector<uint8_t>> add(const std::vector<uint8_t>& bytes);
    size_t pending() const { return pending_.size(); }

private:
    std::vector<uint8_t> pending_;
};

// Bytes as upper-case hexadecimal, two digits each, separated by blanks.
std::string hexBytesText(const std::vector<uint8_t>& bytes);

} // namespace orv::rotator
