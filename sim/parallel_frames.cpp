#include "sim/parallel_frames.h"

#include "sim/baud_timing.h"

namespace orv::sim {

namespace {
constexpr uint8_t kMarker = 0xF0;
constexpr int kRadioDataBytes = 64;

bool flag(const ParallelFrameSlots& slots, int number) {
    return slots[static_cast<size_t>(number)] == 1;
}
int at(const ParallelFrameSlots& slots, int number) {
    return slots[static_cast<size_t>(number)];
}
} // namespace

uint8_t nibbleFromDataLines(uint8_t data) {
    return static_cast<uint8_t>((data & 0x0B) | ((data & 0x10) >> 2));
}

std::optional<BoxCommand> decodeParallelFrame(const ParallelFrameSlots& slots,
                                              std::string& problem) {
    if (at(slots, 1) != 3 || at(slots, 65) != 5) {
        problem = "frame marks are " + std::to_string(at(slots, 1)) + " and " +
                  std::to_string(at(slots, 65)) + ", not 3 and 5";
        return std::nullopt;
    }
    BoxCommand command;
    auto& rotators = command.rotators;
    rotators.azTarget = at(slots, 45) * 256 + at(slots, 46);
    rotators.elTarget = at(slots, 47) * 256 + at(slots, 48);
    rotators.azDeadband = at(slots, 49);
    rotators.elDeadband = at(slots, 50);
    const bool drive = flag(slots, 62);
    rotators.azDrive = drive && !flag(slots, 63);
    rotators.elDrive = drive && !flag(slots, 64);

    const bool port1 = flag(slots, 56) || flag(slots, 57);
    const bool port2 = flag(slots, 58) || flag(slots, 59);
    if (!port1 && !port2) return command;
    RadioCommand radio;
    radio.port = port1 ? 1 : 2;
    radio.read = port1 ? flag(slots, 56) : flag(slots, 58);
    radio.replyLength = radio.read ? at(slots, 60) : 0;
    radio.commaFlag = flag(slots, 61);
    // Port 1 sends take their timing from slots 52/53, port 2 and reads from 54/55.
    const bool ownTiming = port1 && !radio.read;
    radio.baud = ownTiming ? parallelBoxBaud(at(slots, 53), at(slots, 52)).value_or(0)
                           : parallelBoxBaud(at(slots, 55), at(slots, 54)).value_or(0);
    for (int number = 2; number <= 44 && at(slots, number) != kMarker; ++number)
        radio.payload.push_back(slots[static_cast<size_t>(number)]);
    command.radio = std::move(radio);
    return command;
}

ParallelReplyNibbles parallelReply(const BoxReport& report) {
    std::array<uint8_t, 69> bytes{};
    for (size_t i = 0; i < report.radioData.size() && i < kRadioDataBytes; ++i)
        bytes[i + 1] = report.radioData[i];
    bytes[65] = static_cast<uint8_t>(report.azCount >> 8);
    bytes[66] = static_cast<uint8_t>(report.azCount & 0xFF);
    bytes[67] = static_cast<uint8_t>(report.elCount >> 8);
    bytes[68] = static_cast<uint8_t>(report.elCount & 0xFF);
    ParallelReplyNibbles nibbles{};
    for (size_t j = 1; j <= 68; ++j) {
        nibbles[2 * j] = static_cast<uint8_t>(bytes[j] >> 4);
        nibbles[2 * j + 1] = static_cast<uint8_t>(bytes[j] & 0x0F);
    }
    return nibbles;
}

} // namespace orv::sim
