// RadioPortTiming: for a radio port's baud rate, the two bit-timing bytes the
// box needs (they differ between the parallel and the serial box) and the time
// one byte takes on the wire.
#pragma once

#include <optional>
#include <span>

namespace orv::radio {

struct TimingBytes {
    int first = 0;
    int second = 0;
};

struct RadioPortTiming {
    int baud = 0;
    std::optional<TimingBytes> parallel; // variant 3; the parallel box has no 115200
    TimingBytes serial;                  // variant 4
    double msPerByte = 0;
};

std::span<const RadioPortTiming> radioPortTimings();

// The timing of `baud` on `variant` (3 parallel, 4 serial); nothing when the box
// has no row for that rate.
struct PortTiming {
    TimingBytes bytes;
    double msPerByte = 0;
};
std::optional<PortTiming> portTiming(int baud, int variant);

} // namespace orv::radio
