// Icom CI-V frames as the radio drivers put them into the box frame: preamble
// FE FE, the radio's address, the controller E0, command, data, FD. Encoders
// return bytes; the reply decoder takes the box's reply bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::radio {

inline constexpr uint8_t kCivController = 0xE0;
inline constexpr uint8_t kCivMainBand = 0xD0;
inline constexpr uint8_t kCivSubBand = 0xD1;
inline constexpr uint8_t kCivIc910Address = 0x60;

namespace civ {
inline constexpr uint8_t kSetFrequency = 0x05;
inline constexpr uint8_t kSetMode = 0x06;
inline constexpr uint8_t kSelectVfo = 0x07;
inline constexpr uint8_t kSplit = 0x0F;
inline constexpr uint8_t kReadFrequency = 0x03;
inline constexpr uint8_t kMemory = 0x08;
inline constexpr uint8_t kTuningStep = 0x10;
inline constexpr uint8_t kLevels = 0x16;
inline constexpr uint8_t kSettings = 0x1A;
inline constexpr uint8_t kTransmit = 0x1C;
} // namespace civ

// FE FE address E0 command data... FD.
std::vector<uint8_t> civFrame(uint8_t address, uint8_t command, std::vector<uint8_t> data = {});

// A frequency text of 7, 8 or 9 digits padded with "0" to ten; any other text unchanged.
std::string tenDigitText(std::string_view frequencyText);

// The five BCD bytes of a frequency text in Hz, least significant pair first
// (145900000 gives 00 00 90 45 01). Nothing when the padded text is not ten digits.
std::optional<std::vector<uint8_t>> civFrequencyBytes(std::string_view frequencyText);

struct ModeFilter {
    uint8_t mode = 0;
    uint8_t filter = 0;
};

// The transceivers' mode and filter bytes for a mode text; texts not in the table
// are FM with filter 0. Nothing for a text with a comma: no mode frame goes out.
std::optional<ModeFilter> icomModeFilter(std::string_view modeText);
// IC-R8500: its own table; anything else is FM filter 1.
ModeFilter r8500ModeFilter(std::string_view modeText);
// IC-R7000 and IC-R9000: a mode byte alone; anything else is FM.
uint8_t r9000Mode(std::string_view modeText);

// The memory channel byte of the close sequence: the number in BCD, 0 to 99.
uint8_t memoryChannelByte(int channel);

// A frequency read reply, FE FE E0 address 03 f1..f5 FD, from the radio bytes the
// box returned (first reply byte first). Nothing when it does not start with FE
// or the five frequency bytes are not BCD; else the frequency in MHz.
std::optional<double> civFrequencyReplyMHz(const std::vector<std::optional<uint8_t>>& bytes);

} // namespace orv::radio
