#include "sim/civ_radio.h"

#include "rotator/serial_wire.h"
#include "sim/civ_codec.h"

#include <cstdio>

namespace orv::sim {

namespace {
constexpr uint8_t kSetFrequency = 0x05, kSetFrequencyTransceive = 0x00;
constexpr uint8_t kSetMode = 0x06, kSelectVfo = 0x07, kReadFrequency = 0x03;
constexpr uint8_t kMemory = 0x08, kSplit = 0x0F;

std::string hexByte(uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::vector<uint8_t> answer(uint8_t from, uint8_t command, std::vector<uint8_t> data = {}) {
    return encodeCivFrame({kCivController, from, command, std::move(data)});
}
} // namespace

std::string megahertzText(uint64_t hz) {
    char text[32];
    std::snprintf(text, sizeof text, "%llu.%06llu", static_cast<unsigned long long>(hz / 1000000),
                  static_cast<unsigned long long>(hz % 1000000));
    return text;
}

bool CivRadioFamily::recognises(const std::vector<uint8_t>& command) const {
    return command.size() >= 2 && command[0] == kCivPreamble && command[1] == kCivPreamble;
}

std::optional<uint64_t> CivRadioFamily::dialHz() const {
    if (!lastAddress_) return std::nullopt;
    return radios_.at(*lastAddress_).dial().hz;
}

std::string CivRadioFamily::selectDial(CivRadioState& radio, const std::vector<uint8_t>& data) {
    if (data.empty()) return "select VFO mode";
    switch (data[0]) {
    case 0x00:
        radio.vfo = 0;
        return "select VFO A";
    case 0x01:
        radio.vfo = 1;
        return "select VFO B";
    case 0xD0:
        radio.band = 0;
        return "select main band";
    case 0xD1:
        radio.band = 1;
        return "select sub band";
    default:
        return "VFO command " + hexByte(data[0]) + " (not simulated)";
    }
}

RadioExchange CivRadioFamily::handle(const std::vector<uint8_t>& command) {
    const auto frame = parseCivFrame(command);
    if (!frame) return {"CI-V frame broken: " + rotator::hexBytesText(command), {}};
    lastAddress_ = frame->to;
    CivRadioState& radio = radios_[frame->to];
    const std::string who = "CI-V " + hexByte(frame->to) + " ";
    const uint8_t self = frame->to;
    switch (frame->command) {
    case kSetFrequency:
    case kSetFrequencyTransceive: {
        const auto hz = civFrequencyHz(frame->data);
        if (!hz || frame->data.size() != 5)
            return {who + "frequency not in BCD: " + rotator::hexBytesText(frame->data),
                    answer(self, kCivNotGood)};
        radio.dial().hz = *hz;
        return {who + "set frequency " + megahertzText(*hz) + " MHz", answer(self, kCivOk)};
    }
    case kSetMode: {
        if (frame->data.empty())
            return {who + "set mode without a mode", answer(self, kCivNotGood)};
        radio.dial().mode = frame->data[0];
        std::string text = who + "set mode " + civModeName(frame->data[0]);
        if (frame->data.size() > 1) {
            radio.dial().filter = frame->data[1];
            text += " filter " + std::to_string(frame->data[1]);
        }
        return {text, answer(self, kCivOk)};
    }
    case kSelectVfo:
        return {who + selectDial(radio, frame->data), answer(self, kCivOk)};
    case kMemory:
        // One BCD byte selects a channel; anything else is a memory command we only name.
        if (frame->data.size() == 1 && (frame->data[0] >> 4) < 10 && (frame->data[0] & 15) < 10) {
            radio.memoryChannel = (frame->data[0] >> 4) * 10 + (frame->data[0] & 15);
            return {who + "select memory channel " + std::to_string(radio.memoryChannel),
                    answer(self, kCivOk)};
        }
        return {who + "memory command " + rotator::hexBytesText(frame->data), answer(self, kCivOk)};
    case kSplit:
        if (frame->data.size() != 1 || frame->data[0] > 1)
            return {who + "split command " + rotator::hexBytesText(frame->data),
                    answer(self, kCivNotGood)};
        radio.split = frame->data[0] == 1;
        return {who + (radio.split ? "split on" : "split off"), answer(self, kCivOk)};
    case kReadFrequency: {
        const auto bytes = civFrequencyBytes(radio.dial().hz);
        return {who + "read frequency: " + megahertzText(radio.dial().hz) + " MHz",
                answer(self, kReadFrequency, {bytes.begin(), bytes.end()})};
    }
    default:
        return {who + "command " + rotator::hexBytesText(std::vector<uint8_t>{frame->command}) +
                    (frame->data.empty() ? "" : " " + rotator::hexBytesText(frame->data)) +
                    " (not simulated)",
                answer(self, kCivNotGood)};
    }
}

} // namespace orv::sim
