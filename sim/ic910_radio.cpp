#include "sim/ic910_radio.h"

#include "rotator/serial_wire.h"
#include "sim/civ_codec.h"

#include <cstdio>
#include <utility>

namespace orv::sim {

namespace {
constexpr uint8_t kReadFrequency = 0x03, kSetFrequency = 0x05, kSetMode = 0x06;
constexpr uint8_t kSelect = 0x07, kMemory = 0x08, kOffset = 0x0F, kLevel = 0x16;
constexpr uint8_t kSetting = 0x1A, kTone = 0x1B, kTransmit = 0x1C;

struct UnitRange {
    Ic910Unit unit;
    uint64_t lowHz, highHz;
    const char* name;
};
constexpr UnitRange kUnits[] = {
    {Ic910Unit::TwoMetres, 144000000, 148000000, "2 m"},
    {Ic910Unit::SeventyCentimetres, 430000000, 450000000, "70 cm"},
    {Ic910Unit::TwentyThreeCentimetres, 1240000000, 1300000000, "23 cm"},
};

const UnitRange& rangeOf(Ic910Unit unit) {
    for (const auto& range : kUnits)
        if (range.unit == unit) return range;
    return kUnits[0];
}

std::vector<uint8_t> answer(uint8_t command, std::vector<uint8_t> data = {}) {
    return encodeCivFrame({kCivController, kIc910Address, command, std::move(data)});
}

std::string toneText(double hz) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f Hz", hz);
    return text;
}

std::string onOff(bool on) {
    return on ? "on" : "off";
}
} // namespace

const char* ic910UnitName(Ic910Unit unit) {
    return rangeOf(unit).name;
}

void Ic910State::putOnMain(Ic910Unit unit) {
    if (main().unit != unit && sub().unit == unit) std::swap(bands[0], bands[1]);
}

bool Ic910RadioFamily::recognises(const std::vector<uint8_t>& command) const {
    return command.size() >= 3 && command[0] == kCivPreamble && command[1] == kCivPreamble &&
           command[2] == kIc910Address;
}

std::optional<uint64_t> Ic910RadioFamily::dialHz() const {
    if (!addressed_) return std::nullopt;
    return radio_.bands[static_cast<size_t>(radio_.selected)].hz;
}

std::optional<uint64_t> Ic910RadioFamily::linkDialHz(bool uplink) const {
    if (!addressed_) return std::nullopt;
    return uplink && radio_.satelliteMode ? radio_.sub().hz : radio_.main().hz;
}

std::string Ic910RadioFamily::selectBand(const std::vector<uint8_t>& data) {
    if (data.empty()) {
        radio_.memoryMode = false;
        return std::string("VFO mode on the ") + bandName() + " band";
    }
    switch (data[0]) {
    case 0x00:
    case 0x01:
        radio_.memoryMode = false;
        return std::string("select VFO ") + (data[0] == 0 ? "A" : "B") + " of the " + bandName() +
               " band";
    case 0xD0:
        radio_.selected = 0;
        return "select main band";
    case 0xD1:
        radio_.selected = 1;
        return "select sub band";
    case 0xB0:
        std::swap(radio_.bands[0], radio_.bands[1]);
        return std::string("exchange main and sub bands (main now ") +
               ic910UnitName(radio_.main().unit) + ")";
    default:
        return "VFO command " + rotator::hexBytesText(data) + " (not simulated)";
    }
}

std::string Ic910RadioFamily::setFrequency(const std::vector<uint8_t>& data, bool& accepted) {
    const auto hz = civFrequencyHz(data);
    if (!hz || data.size() != 5) {
        accepted = false;
        return "frequency not in BCD: " + rotator::hexBytesText(data);
    }
    const UnitRange& range = rangeOf(band().unit);
    if (*hz < range.lowHz || *hz > range.highHz) {
        accepted = false;
        return "refused " + megahertzText(*hz) + " MHz: the " + bandName() + " band is " +
               range.name;
    }
    band().hz = *hz;
    return "set frequency " + megahertzText(*hz) + " MHz on the " + bandName() + " band";
}

std::string Ic910RadioFamily::setOffset(const std::vector<uint8_t>& data, bool& accepted) {
    if (data.size() == 1 && data[0] <= 0x01) {
        radio_.split = data[0] == 0x01;
        return "split " + onOff(radio_.split);
    }
    if (data.size() == 1 && data[0] == 0x10) return "simplex";
    accepted = false;
    return "split/duplex command " + rotator::hexBytesText(data) + " (not simulated)";
}

std::string Ic910RadioFamily::setLevel(const std::vector<uint8_t>& data, bool& accepted) {
    if (data.size() == 2 && data[0] == 0x42 && data[1] <= 0x01) {
        band().toneOn = data[1] == 0x01;
        return std::string(bandName()) + " band tone " + onOff(band().toneOn);
    }
    accepted = false;
    return "function " + rotator::hexBytesText(data) + " (not simulated)";
}

std::string Ic910RadioFamily::setSetting(const std::vector<uint8_t>& data, bool& accepted) {
    if (data.size() == 2 && data[0] == 0x07 && data[1] <= 0x01) {
        radio_.satelliteMode = data[1] == 0x01;
        return "satellite mode " + onOff(radio_.satelliteMode);
    }
    accepted = false;
    return "setting " + rotator::hexBytesText(data) + " (not simulated)";
}

std::string Ic910RadioFamily::setTone(const std::vector<uint8_t>& data, bool& accepted) {
    // 1B 00 and the tone in tenths of a hertz, four BCD digits.
    const auto digits = [](uint8_t byte) {
        return (byte >> 4) <= 9 && (byte & 15) <= 9 ? (byte >> 4) * 10 + (byte & 15) : -1;
    };
    if (data.size() == 3 && data[0] == 0x00 && digits(data[1]) >= 0 && digits(data[2]) >= 0) {
        band().toneHz = (digits(data[1]) * 100 + digits(data[2])) / 10.0;
        return "tone " + toneText(band().toneHz) + " on the " + bandName() + " band";
    }
    accepted = false;
    return "tone command " + rotator::hexBytesText(data) + " refused";
}

std::string Ic910RadioFamily::transmitSwitch(const std::vector<uint8_t>& data, bool& accepted) {
    if (data.size() == 2 && data[0] == 0x00 && data[1] <= 0x01) {
        radio_.transmitting = data[1] == 0x01;
        return radio_.transmitting ? "transmit" : "receive";
    }
    accepted = false;
    return "transmit command " + rotator::hexBytesText(data) + " (not simulated)";
}

RadioExchange Ic910RadioFamily::handle(const std::vector<uint8_t>& command) {
    const auto frame = parseCivFrame(command);
    if (!frame) return {"IC-910 frame broken: " + rotator::hexBytesText(command), {}};
    addressed_ = true;
    bool accepted = true;
    std::string text;
    switch (frame->command) {
    case kReadFrequency: {
        const auto bytes = civFrequencyBytes(band().hz);
        return {"IC-910 read " + std::string(bandName()) +
                    " band frequency: " + megahertzText(band().hz) + " MHz",
                answer(kReadFrequency, {bytes.begin(), bytes.end()})};
    }
    case kSetFrequency:
        text = setFrequency(frame->data, accepted);
        break;
    case kSetMode:
        if (frame->data.empty()) {
            accepted = false;
            text = "set mode without a mode";
            break;
        }
        band().mode = frame->data[0];
        if (frame->data.size() > 1) band().filter = frame->data[1];
        text = "set mode " + civModeName(band().mode) + " on the " + bandName() + " band";
        break;
    case kSelect:
        text = selectBand(frame->data);
        break;
    case kMemory:
        if (frame->data.size() == 1 && (frame->data[0] >> 4) < 10 && (frame->data[0] & 15) < 10) {
            radio_.memoryMode = true;
            radio_.memoryChannel = (frame->data[0] >> 4) * 10 + (frame->data[0] & 15);
            text = "select memory channel " + std::to_string(radio_.memoryChannel);
        } else {
            text = "memory command " + rotator::hexBytesText(frame->data);
        }
        break;
    case kOffset:
        text = setOffset(frame->data, accepted);
        break;
    case kLevel:
        text = setLevel(frame->data, accepted);
        break;
    case kSetting:
        text = setSetting(frame->data, accepted);
        break;
    case kTone:
        text = setTone(frame->data, accepted);
        break;
    case kTransmit:
        text = transmitSwitch(frame->data, accepted);
        break;
    default:
        accepted = false;
        text = "command " + rotator::hexBytesText(std::vector<uint8_t>{frame->command}) +
               (frame->data.empty() ? "" : " " + rotator::hexBytesText(frame->data)) +
               " (not simulated)";
    }
    return {"IC-910 " + text, answer(accepted ? kCivOk : kCivNotGood)};
}

} // namespace orv::sim
