#include "sim/yaesu_radio.h"

#include <cstdio>

namespace orv::sim {

namespace {
constexpr size_t kFrameLength = 5;
constexpr size_t kFt1000OperatingData = 16;

struct ModelName {
    std::string_view name;
    YaesuModel model;
};
constexpr ModelName kModelNames[] = {
    {"FT-847", YaesuModel::Ft847}, {"FT-736R", YaesuModel::Ft736},
    {"FT-757", YaesuModel::Ft757}, {"FT-1000", YaesuModel::Ft1000},
    {"FT-100", YaesuModel::Ft100}, {"VR-5000", YaesuModel::Vr5000},
};

const char* modelText(YaesuModel model) {
    for (const auto& row : kModelNames)
        if (row.model == model) return row.name.data();
    return "Yaesu";
}

std::string hex(uint8_t byte) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

std::optional<int> bcd(uint8_t byte) {
    if ((byte >> 4) > 9 || (byte & 0x0F) > 9) return std::nullopt;
    return (byte >> 4) * 10 + (byte & 0x0F);
}

// Packed BCD of 10 Hz, P1 most significant; the FT-736R writes C for "12" in P1.
std::optional<uint64_t> bigEndianBcdHz(const std::vector<uint8_t>& p, bool gigahertzNibble) {
    uint64_t tens = 0;
    size_t first = 0;
    if (gigahertzNibble && (p[0] >> 4) == 0xC) {
        if ((p[0] & 0x0F) > 9) return std::nullopt;
        tens = 120 + (p[0] & 0x0F);
        first = 1;
    }
    for (size_t k = first; k < 4; ++k) {
        const auto pair = bcd(p[k]);
        if (!pair) return std::nullopt;
        tens = tens * 100 + static_cast<uint64_t>(*pair);
    }
    return tens * 10;
}

std::optional<uint64_t> littleEndianBcdHz(const std::vector<uint8_t>& p) {
    return bigEndianBcdHz({p[3], p[2], p[1], p[0]}, false);
}

std::vector<uint8_t> bigEndianBcd(uint64_t hz) {
    uint64_t tens = hz / 10;
    std::vector<uint8_t> bytes(4);
    for (int k = 3; k >= 0; --k) {
        const auto pair = static_cast<uint8_t>(tens % 100);
        bytes[static_cast<size_t>(k)] = static_cast<uint8_t>((pair / 10) * 16 + pair % 10);
        tens /= 100;
    }
    return bytes;
}

std::string onOff(bool on) {
    return on ? "on" : "off";
}

// The FT-847's and FT-736R's three dials by the second nibble of an opcode.
const char* satelliteDialName(int index) {
    static constexpr const char* kNames[] = {"main", "satellite receive", "satellite transmit"};
    return kNames[index];
}
} // namespace

std::optional<YaesuModel> yaesuModelNamed(std::string_view name) {
    for (const auto& row : kModelNames)
        if (row.name == name) return row.model;
    return std::nullopt;
}

const YaesuDial& YaesuState::linkDial(bool uplink) const {
    const bool satelliteRadio = model == YaesuModel::Ft847 || model == YaesuModel::Ft736;
    if (satelliteRadio && satellite) return dials[uplink ? 2 : 1];
    if (satelliteRadio) return dials[0];
    if (model == YaesuModel::Ft100 && split) return dials[uplink ? 1 : 0];
    return dials[static_cast<size_t>(vfo)];
}

bool YaesuRadioFamily::recognises(const std::vector<uint8_t>& command) const {
    return command.size() == kFrameLength;
}

void YaesuRadioFamily::fit(std::string_view modelName) {
    if (const auto model = yaesuModelNamed(modelName)) radio_.model = *model;
}

std::optional<uint64_t> YaesuRadioFamily::dialHz() const {
    if (!lastDial_) return std::nullopt;
    return lastDial_->hz;
}

std::optional<uint64_t> YaesuRadioFamily::linkDialHz(bool uplink) const {
    if (!lastDial_) return std::nullopt;
    return radio_.linkDial(uplink).hz;
}

std::string YaesuRadioFamily::setDial(int index, std::optional<uint64_t> hz,
                                      const std::vector<uint8_t>& p) {
    if (!hz)
        return "malformed frequency " + hex(p[0]) + " " + hex(p[1]) + " " + hex(p[2]) + " " +
               hex(p[3]);
    YaesuDial& dial = radio_.dials[static_cast<size_t>(index)];
    dial.hz = *hz;
    lastDial_ = &dial;
    return megahertzText(*hz) + " MHz";
}

RadioExchange YaesuRadioFamily::handle(const std::vector<uint8_t>& command) {
    const uint8_t opcode = command[4];
    const std::vector<uint8_t> p(command.begin(), command.begin() + 4);
    std::vector<uint8_t> answer;
    std::string what;
    switch (radio_.model) {
    case YaesuModel::Ft847:
    case YaesuModel::Ft736:
        what = satelliteRadio(opcode, p, answer);
        break;
    case YaesuModel::Vr5000:
        what = vr5000(opcode, p);
        break;
    default:
        what = vfoRadio(opcode, p, answer);
        break;
    }
    return {std::string(modelText(radio_.model)) + " " + what, answer};
}

// FT-847 and FT-736R: CAT must be on; the low nibble of mode and frequency opcodes
// picks the dial (0 main, 1 satellite receive, 2 satellite transmit).
std::string YaesuRadioFamily::satelliteRadio(uint8_t opcode, const std::vector<uint8_t>& p,
                                             std::vector<uint8_t>& answer) {
    if (opcode == 0x00) {
        radio_.cat = true;
        return "CAT on";
    }
    if (!radio_.cat) return "ignored " + hex(opcode) + ": CAT is off";
    if (opcode == 0x80) {
        radio_.cat = false;
        return "CAT off";
    }
    if (opcode == 0x07 || opcode == 0x17 || opcode == 0x27) {
        const int index = opcode >> 4;
        radio_.dials[static_cast<size_t>(index)].mode = p[0];
        return std::string(satelliteDialName(index)) + " mode " + hex(p[0]);
    }
    return radio_.model == YaesuModel::Ft847 ? ft847Only(opcode, p, answer) : ft736Only(opcode, p);
}

std::string YaesuRadioFamily::ft847Only(uint8_t opcode, const std::vector<uint8_t>& p,
                                        std::vector<uint8_t>& answer) {
    switch (opcode) {
    case 0x4E:
    case 0x8E:
        radio_.satellite = opcode == 0x4E;
        return "satellite mode " + onOff(radio_.satellite);
    case 0x01:
    case 0x11:
    case 0x21: {
        const int index = opcode >> 4;
        return "set " + std::string(satelliteDialName(index)) + " " +
               setDial(index, bigEndianBcdHz(p, false), p);
    }
    case 0x0A:
    case 0x1A:
    case 0x2A:
        radio_.ctcss[static_cast<size_t>(opcode >> 4)] = p[0];
        return std::string(satelliteDialName(opcode >> 4)) + " CTCSS " +
               (p[0] == 0x8A   ? "off"
                : p[0] == 0x4A ? "encoder on"
                               : "mode " + hex(p[0]));
    case 0x0B:
    case 0x1B:
    case 0x2B:
        radio_.tone[static_cast<size_t>(opcode >> 4)] = p[0];
        return std::string(satelliteDialName(opcode >> 4)) + " tone code " + hex(p[0]);
    case 0x03:
    case 0x13:
    case 0x23: {
        const YaesuDial& dial = radio_.dials[static_cast<size_t>(opcode >> 4)];
        answer = bigEndianBcd(dial.hz);
        answer.push_back(dial.mode);
        return "read " + std::string(satelliteDialName(opcode >> 4)) + ": " +
               megahertzText(dial.hz) + " MHz";
    }
    default:
        return "opcode " + hex(opcode) + " (not simulated)";
    }
}

std::string YaesuRadioFamily::ft736Only(uint8_t opcode, const std::vector<uint8_t>& p) {
    switch (opcode) {
    case 0x0E:
    case 0x8E:
        radio_.satellite = opcode == 0x0E;
        return "full duplex " + onOff(radio_.satellite);
    case 0x08:
    case 0x88:
        radio_.transmitting = opcode == 0x08;
        return radio_.transmitting ? "transmit" : "receive";
    case 0x01:
        return "set main " + setDial(0, bigEndianBcdHz(p, true), p);
    case 0x1E:
        return "set satellite receive " + setDial(1, bigEndianBcdHz(p, true), p);
    case 0x2E:
        return "set satellite transmit " + setDial(2, bigEndianBcdHz(p, true), p);
    case 0x4A:
    case 0x8A:
        radio_.toneEncoder = opcode == 0x4A;
        return "tone encoder " + onOff(radio_.toneEncoder);
    case 0xFA:
        radio_.toneCode = p[0];
        return "tone code " + hex(p[0]);
    default:
        return "opcode " + hex(opcode) + " (not simulated)";
    }
}

// FT-757, FT-1000, FT-100: switches in P4, the frequency as reversed BCD.
std::string YaesuRadioFamily::vfoRadio(uint8_t opcode, const std::vector<uint8_t>& p,
                                       std::vector<uint8_t>& answer) {
    switch (opcode) {
    case 0x01:
        radio_.split = p[3] == 1;
        return "split " + onOff(radio_.split);
    case 0x05:
        radio_.vfo = p[3] == 1 ? 1 : 0;
        return radio_.vfo == 0 ? "VFO A" : "VFO B";
    case 0x0A:
        return std::string("set ") + (radio_.vfo == 0 ? "VFO A " : "VFO B ") +
               setDial(radio_.vfo, littleEndianBcdHz(p), p);
    case 0x0C:
        radio_.dials[static_cast<size_t>(radio_.vfo)].mode = p[3];
        return "mode " + hex(p[3]);
    case 0x10:
        if (radio_.model != YaesuModel::Ft1000 || p[3] != 0x02) break;
        {
            const YaesuDial& dial = radio_.dials[static_cast<size_t>(radio_.vfo)];
            const uint64_t tens = dial.hz / 10;
            answer.assign(kFt1000OperatingData, 0);
            answer[1] = static_cast<uint8_t>(tens >> 16);
            answer[2] = static_cast<uint8_t>(tens >> 8);
            answer[3] = static_cast<uint8_t>(tens);
            answer[7] = dial.mode;
            return "read operating data: " + megahertzText(dial.hz) + " MHz";
        }
    default:
        break;
    }
    return "opcode " + hex(opcode) + " (not simulated)";
}

// VR-5000: CAT on first; mode and tuning step in P1 and P2; the frequency as a
// binary count of 10 Hz, rounded by the radio to its tuning step.
std::string YaesuRadioFamily::vr5000(uint8_t opcode, const std::vector<uint8_t>& p) {
    if (opcode == 0x00) {
        radio_.cat = true;
        return "CAT on";
    }
    if (!radio_.cat) return "ignored " + hex(opcode) + ": CAT is off";
    switch (opcode) {
    case 0x80:
        radio_.cat = false;
        return "CAT off";
    case 0x07:
        radio_.dials[0].mode = p[0];
        radio_.step = p[1];
        return "mode " + hex(p[0]) + " step " + hex(p[1]);
    case 0x01: {
        const uint64_t tens =
            (uint64_t{p[0]} << 24) | (uint64_t{p[1]} << 16) | (uint64_t{p[2]} << 8) | p[3];
        return "set " + setDial(0, tens * 10, p);
    }
    default:
        return "opcode " + hex(opcode) + " (not simulated)";
    }
}

} // namespace orv::sim
