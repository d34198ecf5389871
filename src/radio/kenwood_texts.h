// The Kenwood text commands as the radio drivers put them into the box frame:
// ";"-terminated ASCII, several to a text, the frame's end marker behind the
// last. Encoders return texts; the reply decoder takes the box's reply bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::radio::kenwood {

// The box frame's end marker as the last character of a text command.
inline constexpr char kMarker = '\xF0';

// The text followed by the marker, as every Kenwood text goes out.
std::string marked(std::string_view text);

// "MD1;" LSB, "MD2;" USB, "MD3;" CW, "MD7;" CWN, "MD5;" AM; any other mode text FM "MD4;".
std::string modeCommand(std::string_view modeText);
inline constexpr std::string_view kFmModeCommand = "MD4;";

// A frequency text of 7 to 11 digits (Hz) padded with "0" to eleven: "00145900000".
// Nothing for any other text: no frequency command goes out then.
std::optional<std::string> elevenDigits(std::string_view frequencyText);
// "FA00145900000;" for VFO letter 'A'; nothing when the text is no frequency.
std::optional<std::string> frequencyCommand(char vfoLetter, std::string_view frequencyText);

// The record's "CTCSS Frequency" field for these radios holds the radio's tone
// number. "0" (or nothing) is no tone.
bool isNoTone(std::string_view ctcssField);
// "TN08;TO1;" for the field "08" (a single digit is written with two); nothing when
// the field is no tone number of one or two digits.
std::optional<std::string> toneCommand(std::string_view ctcssField);

// "MC005;" for memory channel 5: the channel written with two digits behind "MC0".
std::string memoryChannelCommand(int channel);

// A VFO read reply, "FA" + 11 digits + ";", from the radio bytes the box returned
// (first byte first): the frequency in MHz, 1 Hz above the dial so that cutting to
// Hz never lands one below. Nothing when it does not start "FA" or a digit is missing.
std::optional<double> frequencyReplyMHz(const std::vector<std::optional<uint8_t>>& bytes);
inline constexpr int kFrequencyReplyLength = 14;

} // namespace orv::radio::kenwood
