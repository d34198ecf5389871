// The serial box's wire as the box sees it: 38 frame bytes in, 30 reply bytes out.
#pragma once

#include "sim/box_command.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orv::sim {

inline constexpr int kSerialFrameLength = 38;
inline constexpr int kSerialReplyLength = 30;

// Decodes one frame; nothing and `problem` set when it is not a frame.
std::optional<BoxCommand> decodeSerialFrame(const std::array<uint8_t, kSerialFrameLength>& wire,
                                            std::string& problem);

// Bytes 1-4 positions (low byte first), 7 present (255), 8 valid (128), 9-29 radio
// data, 30 closing byte.
std::array<uint8_t, kSerialReplyLength> serialReply(const BoxReport& report);

} // namespace orv::sim
