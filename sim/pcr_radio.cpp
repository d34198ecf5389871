#include "sim/pcr_radio.h"

#include "sim/command_text.h"

#include <algorithm>
#include <charconv>

namespace orv::sim {

namespace {
constexpr std::string_view kDone = "G000\r\n";
constexpr std::string_view kRefused = "G001\r\n";
constexpr size_t kFrequencyDigits = 10;

// G100 to G105 and the rates they select.
constexpr int kBaudRates[] = {300, 1200, 4800, 9600, 19200, 38400};

struct LevelSetting {
    std::string_view prefix;
    const char* name;
    int PcrState::*level;
};
constexpr LevelSetting kLevels[] = {{"J40", "volume", &PcrState::volume},
                                    {"J41", "squelch", &PcrState::squelch},
                                    {"J43", "IF shift", &PcrState::ifShift}};

struct SwitchSetting {
    std::string_view prefix;
    const char* name;
    bool PcrState::*on;
};
constexpr SwitchSetting kSwitches[] = {{"J45", "AGC", &PcrState::agc},
                                       {"J46", "noise blanker", &PcrState::noiseBlanker},
                                       {"J47", "attenuator", &PcrState::attenuator}};

std::optional<int> number(std::string_view text, int base) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::vector<uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}
} // namespace

std::string pcrModeName(int code) {
    static constexpr const char* kNames[] = {"LSB", "USB", "AM", "CW", nullptr, "FM", "WFM"};
    if (code >= 0 && code <= 6 && kNames[code]) return kNames[code];
    return "mode " + std::to_string(code);
}

std::string pcrFilterName(int code) {
    static constexpr const char* kNames[] = {"3 kHz", "6 kHz", "15 kHz", "50 kHz", "230 kHz"};
    if (code >= 0 && code <= 4) return kNames[code];
    return "filter " + std::to_string(code);
}

bool PcrRadioFamily::recognises(const std::vector<uint8_t>& command) const {
    if (command.size() < 3 || command[command.size() - 2] != '\r' || command.back() != '\n')
        return false;
    return std::all_of(command.begin(), command.end() - 2,
                       [](uint8_t byte) { return byte >= 0x20 && byte <= 0x7E; });
}

std::optional<uint64_t> PcrRadioFamily::dialHz() const {
    if (radio_.hz == 0) return std::nullopt;
    return radio_.hz;
}

RadioExchange PcrRadioFamily::handleAt(const std::vector<uint8_t>& bytes, int baud) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size() - 2);
    if (baud != 0 && baud != radio_.baud) {
        ++radio_.commandsUnheard;
        return {"PCR-1000 listening at " + std::to_string(radio_.baud) + " Bd did not hear \"" +
                    std::string(text) + "\"",
                {}};
    }
    bool done = true;
    const std::string description = command(text, done);
    return {"PCR-1000 " + description, bytesOf(done ? kDone : kRefused)};
}

std::string PcrRadioFamily::command(std::string_view text, bool& done) {
    const auto refuse = [&](const char* why) {
        done = false;
        return "\"" + std::string(text) + "\" refused: " + why;
    };
    if (text == "H101" || text == "H100") {
        radio_.powered = text == "H101";
        return radio_.powered ? "power on" : "power off";
    }
    if (text.size() == 4 && text.substr(0, 3) == "G10") {
        const auto index = number(text.substr(3), 10);
        if (!index || *index > 5) return refuse("no such baud rate");
        radio_.baud = kBaudRates[*index];
        return "baud rate " + std::to_string(radio_.baud);
    }
    if (!radio_.powered) return refuse("the receiver is off");
    if (text.substr(0, 2) == "K0") return tune(text.substr(2), done);
    return setting(text, done);
}

std::string PcrRadioFamily::tune(std::string_view parameters, bool& done) {
    // Ten frequency digits, the mode, the filter and "00".
    if (parameters.size() != kFrequencyDigits + 6 || !allDigits(parameters)) {
        done = false;
        return "K0" + std::string(parameters) + " refused: a malformed frequency";
    }
    radio_.hz = std::stoull(std::string(parameters.substr(0, kFrequencyDigits)));
    radio_.modeCode = *number(parameters.substr(kFrequencyDigits, 2), 10);
    radio_.filterCode = *number(parameters.substr(kFrequencyDigits + 2, 2), 10);
    return "set frequency " + megahertzText(radio_.hz) + " MHz, " + pcrModeName(radio_.modeCode) +
           ", filter " + pcrFilterName(radio_.filterCode);
}

std::string PcrRadioFamily::setting(std::string_view text, bool& done) {
    const std::string_view prefix = text.substr(0, 3);
    // Two hexadecimal digits; -1 when they are not.
    const int value = text.size() == 5 ? number(text.substr(3), 16).value_or(-1) : -1;
    for (const auto& level : kLevels) {
        if (prefix != level.prefix || value < 0) continue;
        radio_.*level.level = value;
        return std::string(level.name) + " " + std::to_string(value);
    }
    for (const auto& sw : kSwitches) {
        if (prefix != sw.prefix || value < 0 || value > 1) continue;
        radio_.*sw.on = value == 1;
        return std::string(sw.name) + (value == 1 ? " on" : " off");
    }
    done = false;
    return "\"" + std::string(text) + "\" (not simulated)";
}

} // namespace orv::sim
