// Pure conversions of the parallel box's nibble link: the frame split into
// nibbles and put onto the data lines, and the status nibbles of a reply
// assembled into bytes.
#pragma once

#include "core/box_frame.h"

#include <array>
#include <cstdint>

namespace orv::rotator {

inline constexpr int kParallelFrameSlots = 66;    // slots 1 to 66 go out
inline constexpr int kParallelFrameNibbles = 132; // high nibble of each slot first
inline constexpr int kParallelReplyNibbles = 150; // numbered 1 to 150
inline constexpr int kParallelReplyBytes = 68;    // numbered 1 to 68

// Index 0 unused, so that nibble k and byte j keep their numbers.
using ReplyNibbles = std::array<uint8_t, kParallelReplyNibbles + 1>;
using ReplyBytes = std::array<uint8_t, kParallelReplyBytes + 1>;

// Nibble bits 0, 1 and 3 drive data bits 0, 1 and 3; nibble bit 2 drives data bit 4.
uint8_t remapNibble(uint8_t nibble);

// Status bits 3 to 6 read as nibble bits 0 to 3.
uint8_t statusNibble(uint8_t status);

// Slots 1 to 66 as 132 nibbles, each slot's high nibble first. The slots must hold bytes.
std::array<uint8_t, kParallelFrameNibbles> parallelFrameNibbles(const core::BoxFrame& frame);

// Byte j = nibble 2j times 16 plus nibble 2j+1, for j = 1 to 68 (nibble 1 is not used).
ReplyBytes decodeReplyNibbles(const ReplyNibbles& nibbles);

} // namespace orv::rotator
