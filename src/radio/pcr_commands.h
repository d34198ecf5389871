// The PCR-1000's text commands as the driver puts them into the box frame: ASCII
// ended by CR and LF. The downlink mode field of a record names the receiver's
// mode and IF filter ("FM,15KHZ"); the tuning command carries both behind the
// frequency. Encoders only: the receiver's answers are never read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::radio::pcr {

// "05" for "FM" or "NBFM", ...; "00" for a name outside the table. Any letter case.
std::string modeCode(std::string_view modeName);
// "0200" for "15KHZ", ...; "0000" for a name outside the table. Any letter case.
std::string filterCode(std::string_view filterName);

// The mode and filter codes of a downlink mode field, "050200" for "fm,15khz": the
// mode is the text before the first comma, the filter the text after it, each
// without surrounding blanks. Nothing when the field holds no comma.
std::optional<std::string> modeFilter(std::string_view modeField);

// The tuning command: "K0" padded with zeros so that the frequency digits make ten,
// the digits and the mode and filter codes ("K00145900000050200" for 145.9 MHz).
// Nothing for a text of other than 7 to 10 digits: the receiver has no such frequency.
std::optional<std::string> frequencyCommand(std::string_view frequencyText,
                                            std::string_view modeFilterCodes);

// The bytes of a command on the wire: the text, CR, LF.
std::vector<uint8_t> commandLine(std::string_view command);

inline constexpr std::string_view kPowerOn = "H101";
inline constexpr std::string_view kBaud38400 = "G105";
inline constexpr std::string_view kBaud9600 = "G103";
// The rate the receiver listens at after power-up, and the one it is worked at.
inline constexpr int kStartBaud = 9600;
inline constexpr int kWorkingBaud = 38400;

// The receiver's settings with a level 00..FF, as a command prefix.
inline constexpr std::string_view kVolume = "J40";
inline constexpr std::string_view kSquelch = "J41";
inline constexpr std::string_view kIfShift = "J43";
inline constexpr int kIfShiftCentre = 0x80;
inline constexpr int kStartVolume = 0x02;
inline constexpr int kStartSquelch = 0x00;
// "J4380": the prefix and the level as two upper-case hexadecimal digits, the level
// held within 0..255.
std::string levelCommand(std::string_view prefix, int level);

// The receiver's on/off switches.
enum class Switch { Agc, NoiseBlanker, Attenuator };
// "J4501" AGC on, "J4600" noise blanker off, "J4701" attenuator on, ...
std::string switchCommand(Switch which, bool on);

// What the set-up sends once the receiver works at 38400 baud: squelch open, IF
// shift centred, AGC on, noise blanker and attenuator off, the volume.
std::vector<std::string> startUpCommands();

} // namespace orv::radio::pcr
