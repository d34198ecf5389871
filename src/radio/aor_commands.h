// The AR5000 and AR8000 text commands as the driver puts them into the box frame:
// ASCII ended by CR. The downlink mode field of a record holds the receiver's own
// set-up commands, comma-separated ("VE,MD3,BW1,ST100,SJ2,AN4"); the read-back
// answer carries the dial frequency as ten digits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::radio::aor {

inline constexpr size_t kMostSetUpCommands = 6;

struct SetUpCommands {
    std::vector<std::string> commands; // without their CR, blanks around each removed
    size_t dropped = 0;                // commands beyond the sixth, which are not sent
};

// The commands of a downlink mode field, empty pieces left out. Nothing when the
// field holds no comma: it is then no set-up of these receivers.
std::optional<SetUpCommands> setUpCommands(std::string_view modeField);

// The mode a set-up shows: "MD0" "FM", "MD1" "AM", "MD2" "LSB", "MD3" "USB", "MD4"
// "CW", from the first of the commands that is one of these; nothing otherwise.
std::optional<std::string> modeShown(const std::vector<std::string>& commands);

// "RF0145900000": "RF", zeros that make the digits up to ten, the digits. Nothing for
// a text of other than 7 to 10 digits: the receivers have no such frequency.
std::optional<std::string> frequencyCommand(std::string_view frequencyText);

// A command as it goes out: the text and CR.
std::string withCarriageReturn(std::string_view command);

inline constexpr std::string_view kReadFrequency = "RX";
// Hands the receiver back to its front panel.
inline constexpr std::string_view kEndRemoteControl = "EX";
// The answer to RX: "V", four more characters, ten frequency digits (Hz), one more.
inline constexpr int kReplyLength = 16;

// The dial in MHz from the box's reply bytes (first byte first), 1 Hz above the dial
// so that cutting to Hz never lands one below. Nothing when the answer does not
// begin with "V" or a digit is missing.
std::optional<double> replyMHz(const std::vector<std::optional<uint8_t>>& bytes);

} // namespace orv::radio::aor
