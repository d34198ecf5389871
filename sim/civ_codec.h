// Pure encodings of the Icom CI-V protocol: frames, BCD frequencies, mode names.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orv::sim {

inline constexpr uint8_t kCivPreamble = 0xFE;
inline constexpr uint8_t kCivEnd = 0xFD;
inline constexpr uint8_t kCivController = 0xE0;
inline constexpr uint8_t kCivOk = 0xFB;
inline constexpr uint8_t kCivNotGood = 0xFA;

struct CivFrame {
    uint8_t to = 0;
    uint8_t from = 0;
    uint8_t command = 0;
    std::vector<uint8_t> data; // sub-command and data bytes
    bool operator==(const CivFrame&) const = default;
};

// FE FE to from command data... FD; nothing when the bytes are not one such frame.
std::optional<CivFrame> parseCivFrame(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> encodeCivFrame(const CivFrame& frame);

// Ten BCD digits, least significant pair first: 145.9 MHz is 00 00 90 45 01.
std::array<uint8_t, 5> civFrequencyBytes(uint64_t hz);
// Nothing when the bytes are not five valid BCD pairs.
std::optional<uint64_t> civFrequencyHz(const std::vector<uint8_t>& bytes, size_t offset = 0);

// "LSB", "USB", "AM", "CW", "RTTY", "FM", "WFM", "CW-R", "RTTY-R"; else "mode 0xNN".
std::string civModeName(uint8_t mode);

} // namespace orv::sim
