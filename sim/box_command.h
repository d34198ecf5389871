// A frame as the simulated box understands it, whichever wire it came over.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace orv::sim {

struct RadioCommand {
    int port = 0;        // 1 to 4
    int baud = 0;        // 0 when the timing bytes name no rate
    bool read = false;   // collect the radio's reply
    int replyLength = 0; // bytes to collect on a read
    bool commaFlag = false;
    std::vector<uint8_t> payload; // the command bytes, up to the 0xF0 marker
};

struct RotatorCommand {
    int azTarget = 0, elTarget = 0;
    bool azDrive = false, elDrive = false;
    int azDeadband = 0, elDeadband = 0;
    bool operator==(const RotatorCommand&) const = default;
};

struct BoxCommand {
    RotatorCommand rotators;
    std::optional<int> ecpValue; // the serial box carries the ECP outputs
    std::optional<RadioCommand> radio;
};

// What the box reports in its reply.
struct BoxReport {
    int azCount = 0, elCount = 0;
    std::vector<uint8_t> radioData; // read-back bytes, or the reset mark
};

} // namespace orv::sim
