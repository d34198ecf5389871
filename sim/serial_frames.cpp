#include "sim/serial_frames.h"

#include "sim/baud_timing.h"

#include <cstdio>

namespace orv::sim {

namespace {
constexpr uint8_t kMarker = 0xF0;
constexpr size_t kPayloadBytes = 21;   // wire bytes 1 to 21
constexpr size_t kRadioDataBytes = 21; // reply bytes 9 to 29

// Wire byte n (1-based) carries slot n + 1 for n up to 21, slot n from 23 on.
uint8_t slot(const std::array<uint8_t, kSerialFrameLength>& wire, int number) {
    return number <= 22 ? wire[static_cast<size_t>(number - 2)]
                        : wire[static_cast<size_t>(number - 1)];
}
} // namespace

std::optional<BoxCommand> decodeSerialFrame(const std::array<uint8_t, kSerialFrameLength>& wire,
                                            std::string& problem) {
    if (wire[21] != kMarker) {
        char text[64];
        std::snprintf(text, sizeof text, "byte 22 is 0x%02X, not 0xF0", wire[21]);
        problem = text;
        return std::nullopt;
    }
    BoxCommand command;
    auto& rotators = command.rotators;
    rotators.azTarget = slot(wire, 31) * 256 + slot(wire, 30);
    rotators.elTarget = slot(wire, 33) * 256 + slot(wire, 32);
    rotators.azDrive = slot(wire, 34) == 1;
    rotators.elDrive = slot(wire, 35) == 1;
    rotators.azDeadband = slot(wire, 36);
    rotators.elDeadband = slot(wire, 37);
    command.ecpValue = slot(wire, 38);
    const bool send = slot(wire, 23) == 1;
    const bool read = slot(wire, 24) == 1;
    if (!send && !read) return command;
    RadioCommand radio;
    radio.read = read;
    radio.replyLength = read ? slot(wire, 26) : 0;
    radio.commaFlag = slot(wire, 25) == 1;
    radio.baud = serialBoxBaud(slot(wire, 27), slot(wire, 28)).value_or(0);
    radio.port = slot(wire, 29) + 1;
    for (size_t i = 0; i < kPayloadBytes && wire[i] != kMarker; ++i)
        radio.payload.push_back(wire[i]);
    command.radio = std::move(radio);
    return command;
}

std::array<uint8_t, kSerialReplyLength> serialReply(const BoxReport& report) {
    std::array<uint8_t, kSerialReplyLength> reply{};
    reply[0] = static_cast<uint8_t>(report.azCount & 0xFF);
    reply[1] = static_cast<uint8_t>(report.azCount >> 8);
    reply[2] = static_cast<uint8_t>(report.elCount & 0xFF);
    reply[3] = static_cast<uint8_t>(report.elCount >> 8);
    reply[6] = 255;
    reply[7] = 128;
    for (size_t i = 0; i < report.radioData.size() && i < kRadioDataBytes; ++i)
        reply[8 + i] = report.radioData[i];
    reply[29] = kMarker;
    return reply;
}

} // namespace orv::sim
