// The Yaesu five-byte CAT frames as the radio drivers put them into the box
// frame: four parameter bytes P1 to P4, then the opcode. Encoders return bytes;
// the reply decoders take the box's reply bytes. What differs between the models
// (frequency packing, mode bytes) is one function each.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::radio::yaesu {

using Parameters = std::array<uint8_t, 4>;

// P1 P2 P3 P4 opcode.
std::vector<uint8_t> frame(uint8_t opcode, const Parameters& parameters = {});
// A frame whose only parameter is P1 (mode and tone frames of the FT-847 and FT-736R).
std::vector<uint8_t> frameP1(uint8_t opcode, uint8_t p1);
// A frame whose only parameter is P4 (the switches of the FT-757, FT-1000 and FT-100).
std::vector<uint8_t> frameP4(uint8_t opcode, uint8_t p4);

// The frequency text (Hz, 7 to 9 digits: below 1 GHz) as eight digits of 10 Hz:
// "00" in front below 10 MHz, "0" below 100 MHz, the first eight kept.
// 435800000 gives "43580000", 7050000 gives "00705000". Nothing for other texts.
std::optional<std::string> tenHzDigits(std::string_view frequencyText);

// FT-847: the eight digits as packed BCD, most significant first (43 58 00 00).
std::optional<Parameters> ft847FrequencyBytes(std::string_view frequencyText);
// FT-736R: the same packing; from 1 GHz on (a ten-digit text, the 23 cm band) the
// first nibble is C for "12" (1296.1 MHz gives C9 61 00 00).
std::optional<Parameters> ft736FrequencyBytes(std::string_view frequencyText);
// FT-757, FT-1000 and FT-100: the eight digits as packed BCD, least significant
// pair first (14.25 MHz gives 00 50 42 01).
std::optional<Parameters> reversedBcdFrequencyBytes(std::string_view frequencyText);
// VR-5000: the frequency in 10 Hz steps as a 32-bit binary number, most
// significant byte first (7 to 10 digits; it tunes up to 2.6 GHz).
std::optional<Parameters> vr5000FrequencyBytes(std::string_view frequencyText);

// Mode bytes from the link's mode text.
// FT-847: LSB 00, USB 01, CW 02, CW-R 03, AM 04, FM 08, CW(N) 82, CW-R(N) 83, AM(N) 84,
// FM(N) and any other text 88.
uint8_t ft847ModeByte(std::string_view modeText);
// FT-736R: LSB 00, USB 01, CW 02, CWN 82, FM 08, FMN/FMW/FM-N/FM-W 88, empty 08;
// any other text FM 08.
uint8_t ft736ModeByte(std::string_view modeText);
// FT-757GX II: LSB 00, USB 01, CW 02, CWN 03, AM 04; any other text FM 05.
uint8_t ft757ModeByte(std::string_view modeText);
// FT-1000: LSB 00, USB 01, CW 02, CWN 03, AM 04, AMN 05; any other text FM 06.
uint8_t ft1000ModeByte(std::string_view modeText);
// FT-100: LSB 00, USB 01, CW 02, CW-R 03, AM 04, FMW 07; any other text FM 06.
uint8_t ft100ModeByte(std::string_view modeText);
// VR-5000: the mode byte and the finest tuning step the mode allows, so the radio
// does not round the Doppler away: LSB 00, USB 01, CW 02 with 20 Hz (21); AM 04,
// AMN 84, AMW 44 with 1 kHz (03); WFM 48 with 10 kHz (04); FM and any other text
// 88 with 5 kHz (43).
struct Vr5000Mode {
    uint8_t mode = 0;
    uint8_t step = 0;
};
Vr5000Mode vr5000Mode(std::string_view modeText);

// The record's "CTCSS Frequency" field holds the radio's tone code in hexadecimal
// ("0" or nothing is no tone). Nothing when it is no one- or two-digit hex number.
bool isNoTone(std::string_view ctcssField);
std::optional<uint8_t> toneCode(std::string_view ctcssField);

// FT-847 read reply (opcode 03 or 13): the four frequency bytes as sent, then the
// mode. The frequency in MHz, 1 Hz above the dial so that cutting to Hz never
// lands one below; nothing when a byte is missing or not BCD.
inline constexpr int kFt847ReplyLength = 5;
std::optional<double> ft847ReplyMHz(const std::vector<std::optional<uint8_t>>& bytes);

// FT-1000 operating data (opcode 10 with P4 = 02): sixteen bytes, the frequency in
// bytes 2 to 4 as a binary count of 10 Hz, most significant first.
inline constexpr int kFt1000ReplyLength = 16;
std::optional<double> ft1000ReplyMHz(const std::vector<std::optional<uint8_t>>& bytes);

} // namespace orv::radio::yaesu
