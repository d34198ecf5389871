#include "radio/kenwood_texts.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace orv::radio::kenwood {

namespace {
constexpr size_t kFrequencyDigits = 11;
constexpr size_t kShortestFrequency = 7;
constexpr size_t kReplyDigitsAt = 2;
constexpr double kReadbackOffsetMHz = 0.000001;

struct ModeRow {
    std::string_view text;
    std::string_view command;
};
constexpr std::array<ModeRow, 5> kModes{{
    {"LSB", "MD1;"},
    {"USB", "MD2;"},
    {"CW", "MD3;"},
    {"CWN", "MD7;"},
    {"AM", "MD5;"},
}};

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
} // namespace

std::string marked(std::string_view text) {
    std::string out(text);
    out += kMarker;
    return out;
}

std::string modeCommand(std::string_view modeText) {
    for (const auto& row : kModes)
        if (row.text == modeText) return std::string(row.command);
    return std::string(kFmModeCommand);
}

std::optional<std::string> elevenDigits(std::string_view frequencyText) {
    if (frequencyText.size() < kShortestFrequency || frequencyText.size() > kFrequencyDigits ||
        !allDigits(frequencyText))
        return std::nullopt;
    std::string digits(kFrequencyDigits - frequencyText.size(), '0');
    digits += frequencyText;
    return digits;
}

std::optional<std::string> frequencyCommand(char vfoLetter, std::string_view frequencyText) {
    const auto digits = elevenDigits(frequencyText);
    if (!digits) return std::nullopt;
    return std::string("F") + vfoLetter + *digits + ";";
}

bool isNoTone(std::string_view ctcssField) {
    return ctcssField.empty() || ctcssField == "0";
}

std::optional<std::string> toneCommand(std::string_view ctcssField) {
    if (isNoTone(ctcssField) || ctcssField.size() > 2 || !allDigits(ctcssField))
        return std::nullopt;
    std::string command = ctcssField.size() == 1 ? "TN0" : "TN";
    command.append(ctcssField);
    command.append(";TO1;");
    return command;
}

std::string memoryChannelCommand(int channel) {
    char text[16];
    std::snprintf(text, sizeof text, "MC0%02d;", std::clamp(channel, 0, 99));
    return text;
}

std::optional<double> frequencyReplyMHz(const std::vector<std::optional<uint8_t>>& bytes) {
    if (bytes.size() < kReplyDigitsAt + kFrequencyDigits || bytes[0] != 'F' || bytes[1] != 'A')
        return std::nullopt;
    double hz = 0;
    for (size_t k = kReplyDigitsAt; k < kReplyDigitsAt + kFrequencyDigits; ++k) {
        const auto byte = bytes[k];
        if (!byte || *byte < '0' || *byte > '9') return std::nullopt;
        hz = hz * 10 + (*byte - '0');
    }
    return hz / 1000000.0 + kReadbackOffsetMHz;
}

} // namespace orv::radio::kenwood
