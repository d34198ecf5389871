// The bit-timing bytes a frame gives for a radio port, as the box reads them.
#pragma once

#include <optional>

namespace orv::sim {

// Baud rate for the serial box's (first, second) timing bytes; nothing when unknown.
std::optional<int> serialBoxBaud(int first, int second);
// Baud rate for the parallel box's (first, second) timing bytes.
std::optional<int> parallelBoxBaud(int first, int second);

} // namespace orv::sim
