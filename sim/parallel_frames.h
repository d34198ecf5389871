// The parallel box's wire as the box sees it: frame slots 1 to 66 assembled
// from the data-line nibbles, and the 150 nibbles of a reply.
#pragma once

#include "sim/box_command.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orv::sim {

inline constexpr int kParallelFrameSlots = 66;
inline constexpr int kParallelFrameNibbles = 132;
inline constexpr int kParallelReplyNibbleCount = 150;

using ParallelFrameSlots = std::array<uint8_t, kParallelFrameSlots + 1>;         // index 1..66
using ParallelReplyNibbles = std::array<uint8_t, kParallelReplyNibbleCount + 1>; // index 1..150

// The nibble the box reads off data bits 0, 1, 3 and 4 (bit 4 is nibble bit 2).
uint8_t nibbleFromDataLines(uint8_t data);

// Decodes slots 1 to 66; nothing and `problem` set when the frame marks are wrong.
std::optional<BoxCommand> decodeParallelFrame(const ParallelFrameSlots& slots,
                                              std::string& problem);

// Nibble 1 unused; bytes 1 to 68 high nibble first from nibble 2 (bytes 1-64 radio
// data, 65-68 azimuth high/low and elevation high/low); the rest 0.
ParallelReplyNibbles parallelReply(const BoxReport& report);

} // namespace orv::sim
