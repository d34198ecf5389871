// The radio payload of the box frame: the command bytes from slot 2 on, ended by
// the 0xF0 marker. The serial box carries slots 2 to 22 (21 bytes with the
// marker), the parallel box slots 2 to 44.
#pragma once

#include "core/box_frame.h"

#include <cstdint>
#include <vector>

namespace orv::radio {

inline constexpr int kPayloadFirstSlot = 2;
inline constexpr uint8_t kPayloadEndMarker = 0xF0;

// Command bytes plus marker that fit the variant's payload (3 parallel, 4 serial).
int payloadCapacity(int variant);

// Writes the command and its marker; false (and nothing written) when they do not fit.
bool writeCommand(core::BoxFrame& frame, const std::vector<uint8_t>& command, int variant);

// Fills the payload area with the marker before a text command is written over it
// (slots 1 to 22 on the serial box, 2 to 44 on the parallel box).
void fillPayloadWithMarker(core::BoxFrame& frame, int variant);

// The command bytes in the frame, up to and including the marker (at most the capacity).
std::vector<uint8_t> payloadBytes(const core::BoxFrame& frame, int variant);

} // namespace orv::radio
