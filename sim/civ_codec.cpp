#include "sim/civ_codec.h"

#include <cstdio>

namespace orv::sim {

std::optional<CivFrame> parseCivFrame(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 6 || bytes[0] != kCivPreamble || bytes[1] != kCivPreamble ||
        bytes.back() != kCivEnd)
        return std::nullopt;
    CivFrame frame;
    frame.to = bytes[2];
    frame.from = bytes[3];
    frame.command = bytes[4];
    frame.data.assign(bytes.begin() + 5, bytes.end() - 1);
    // An end or preamble byte inside means the bytes are not one frame.
    for (size_t i = 2; i + 1 < bytes.size(); ++i)
        if (bytes[i] == kCivEnd || bytes[i] == kCivPreamble) return std::nullopt;
    return frame;
}

std::vector<uint8_t> encodeCivFrame(const CivFrame& frame) {
    std::vector<uint8_t> bytes;
    bytes.reserve(frame.data.size() + 6);
    for (const uint8_t byte : {kCivPreamble, kCivPreamble, frame.to, frame.from, frame.command})
        bytes.push_back(byte);
    for (const uint8_t byte : frame.data)
        bytes.push_back(byte);
    bytes.push_back(kCivEnd);
    return bytes;
}

std::array<uint8_t, 5> civFrequencyBytes(uint64_t hz) {
    std::array<uint8_t, 5> bytes{};
    for (auto& byte : bytes) {
        const auto units = static_cast<uint8_t>(hz % 10);
        const auto tens = static_cast<uint8_t>((hz / 10) % 10);
        byte = static_cast<uint8_t>(tens << 4 | units);
        hz /= 100;
    }
    return bytes;
}

std::optional<uint64_t> civFrequencyHz(const std::vector<uint8_t>& bytes, size_t offset) {
    if (bytes.size() < offset + 5) return std::nullopt;
    uint64_t hz = 0;
    for (size_t i = offset + 5; i-- > offset;) {
        const int tens = bytes[i] >> 4, units = bytes[i] & 0x0F;
        if (tens > 9 || units > 9) return std::nullopt;
        hz = hz * 100 + static_cast<uint64_t>(tens * 10 + units);
    }
    return hz;
}

std::string civModeName(uint8_t mode) {
    static constexpr const char* kNames[] = {"LSB", "USB", "AM",   "CW",    "RTTY",
                                             "FM",  "WFM", "CW-R", "RTTY-R"};
    if (mode < std::size(kNames)) return kNames[mode];
    char text[16];
    std::snprintf(text, sizeof text, "mode 0x%02X", mode);
    return text;
}

} // namespace orv::sim
