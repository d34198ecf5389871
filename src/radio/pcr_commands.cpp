#include "radio/pcr_commands.h"

#include "core/number_text.h"

#include <algorithm>
#include <cstdio>

namespace orv::radio::pcr {

namespace {
struct Code {
    std::string_view name;
    std::string_view code;
};

constexpr Code kModes[] = {{"LSB", "00"}, {"USB", "01"},  {"AM", "02"},  {"CW", "03"},
                           {"FM", "05"},  {"NBFM", "05"}, {"WFM", "06"}, {"WBFM", "06"}};
constexpr std::string_view kOtherMode = "00";

constexpr Code kFilters[] = {{"2K8", "0000"},   {"3KHZ", "0000"},  {"6KHZ", "0100"},
                             {"15KHZ", "0200"}, {"50KHZ", "0300"}, {"230KHZ", "0400"}};
constexpr std::string_view kOtherFilter = "0000";

constexpr size_t kFrequencyDigits = 10;
constexpr size_t kFewestDigits = 7;

std::string codeOf(std::string_view name, const auto& table, std::string_view other) {
    const std::string upper = core::upperCased(core::trimmed(name));
    for (const Code& row : table)
        if (upper == row.name) return std::string(row.code);
    return std::string(other);
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct SwitchRow {
    Switch which;
    std::string_view prefix;
};
constexpr SwitchRow kSwitches[] = {
    {Switch::Agc, "J45"}, {Switch::NoiseBlanker, "J46"}, {Switch::Attenuator, "J47"}};
} // namespace

std::string modeCode(std::string_view modeName) {
    return codeOf(modeName, kModes, kOtherMode);
}

std::string filterCode(std::string_view filterName) {
    return codeOf(filterName, kFilters, kOtherFilter);
}

std::optional<std::string> modeFilter(std::string_view modeField) {
    const size_t comma = modeField.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    return modeCode(modeField.substr(0, comma)) + filterCode(modeField.substr(comma + 1));
}

std::optional<std::string> frequencyCommand(std::string_view frequencyText,
                                            std::string_view modeFilterCodes) {
    const size_t digits = frequencyText.size();
    if (digits < kFewestDigits || digits > kFrequencyDigits || !allDigits(frequencyText))
        return std::nullopt;
    return "K0" + std::string(kFrequencyDigits - digits, '0') + std::string(frequencyText) +
           std::string(modeFilterCodes);
}

std::vector<uint8_t> commandLine(std::string_view command) {
    std::vector<uint8_t> bytes(command.begin(), command.end());
    bytes.push_back('\r');
    bytes.push_back('\n');
    return bytes;
}

std::string levelCommand(std::string_view prefix, int level) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", std::clamp(level, 0, 255));
    return std::string(prefix) + hex;
}

std::string switchCommand(Switch which, bool on) {
    for (const SwitchRow& row : kSwitches)
        if (row.which == which) return std::string(row.prefix) + (on ? "01" : "00");
    return {};
}

std::vector<std::string> startUpCommands() {
    return {levelCommand(kSquelch, kStartSquelch),    levelCommand(kIfShift, kIfShiftCentre),
            switchCommand(Switch::Agc, true),         switchCommand(Switch::NoiseBlanker, false),
            switchCommand(Switch::Attenuator, false), levelCommand(kVolume, kStartVolume)};
}

} // namespace orv::radio::pcr
