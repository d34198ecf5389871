#include "radio/civ_frames.h"

#include <array>
#include <string>

namespace orv::radio {

namespace {
constexpr uint8_t kPreamble = 0xFE;
constexpr uint8_t kEndOfMessage = 0xFD;
// The read reply: FE FE E0 address 03, then the five frequency bytes.
constexpr size_t kReplyFrequencyAt = 5;
constexpr size_t kReplyMinimum = kReplyFrequencyAt + 5;
// A read-back carries its own tiny offset so that cutting to Hz never lands one below.
constexpr double kReadbackOffsetMHz = 0.000001;

struct ModeRow {
    std::string_view text;
    uint8_t mode;
    uint8_t filter;
};

// Filter 0 stands for the entries that keep the routine's fresh filter value.
constexpr std::array<ModeRow, 15> kTransceiverModes{{
    {"LSB", 0, 1},
    {"USB", 1, 1},
    {"AM", 2, 2},
    {"AMN", 2, 1},
    {"AMW", 2, 3},
    {"CW", 3, 1},
    {"CWN", 3, 2},
    {"CW-R", 3, 0},
    {"FM", 5, 1},
    {"FMN", 5, 2},
    {"FMW", 5, 0},
    {"CW(N)", 3, 0},
    {"CW-R(N)", 3, 0},
    {"AM(N)", 5, 0},
    {"FM(N)", 5, 0},
}};

constexpr std::array<ModeRow, 10> kR8500Modes{{
    {"LSB", 0, 1},
    {"USB", 1, 1},
    {"AM", 2, 2},
    {"AMN", 2, 1},
    {"AMW", 2, 3},
    {"CW", 3, 1},
    {"CWN", 3, 2},
    {"FM", 5, 1},
    {"FMN", 5, 2},
    {"FMW", 6, 1},
}};

template <size_t N>
const ModeRow* findMode(const std::array<ModeRow, N>& rows, std::string_view text) {
    for (const auto& row : rows)
        if (row.text == text) return &row;
    return nullptr;
}

int bcdDigits(uint8_t byte) {
    const int high = byte >> 4, low = byte & 0x0F;
    if (high > 9 || low > 9) return -1;
    return high * 10 + low;
}
} // namespace

std::vector<uint8_t> civFrame(uint8_t address, uint8_t command, std::vector<uint8_t> data) {
    std::vector<uint8_t> frame;
    frame.reserve(data.size() + 6);
    for (uint8_t byte : {kPreamble, kPreamble, address, kCivController, command})
        frame.push_back(byte);
    for (uint8_t byte : data)
        frame.push_back(byte);
    frame.push_back(kEndOfMessage);
    return frame;
}

std::string tenDigitText(std::string_view frequencyText) {
    std::string text(frequencyText);
    if (text.size() >= 7 && text.size() <= 9) text.insert(0, 10 - text.size(), '0');
    return text;
}

std::optional<std::vector<uint8_t>> civFrequencyBytes(std::string_view frequencyText) {
    const std::string digits = tenDigitText(frequencyText);
    if (digits.size() != 10) return std::nullopt;
    for (char c : digits)
        if (c < '0' || c > '9') return std::nullopt;
    // Digit k (1 to 10) of the text; pairs from the 1 Hz end.
    const auto digit = [&](int k) { return digits[static_cast<size_t>(k - 1)] - '0'; };
    std::vector<uint8_t> bytes;
    for (int tens = 9; tens >= 1; tens -= 2)
        bytes.push_back(static_cast<uint8_t>(digit(tens) * 16 + digit(tens + 1)));
    return bytes;
}

std::optional<ModeFilter> icomModeFilter(std::string_view modeText) {
    if (modeText.find(',') != std::string_view::npos) return std::nullopt;
    if (const ModeRow* row = findMode(kTransceiverModes, modeText))
        return ModeFilter{row->mode, row->filter};
    return ModeFilter{5, 0};
}

ModeFilter r8500ModeFilter(std::string_view modeText) {
    if (const ModeRow* row = findMode(kR8500Modes, modeText))
        return ModeFilter{row->mode, row->filter};
    return ModeFilter{5, 1};
}

uint8_t r9000Mode(std::string_view modeText) {
    if (modeText == "LSB") return 0;
    if (modeText == "USB") return 1;
    if (modeText == "FMW") return 6;
    return 5;
}

uint8_t memoryChannelByte(int channel) {
    if (channel < 0) channel = 0;
    if (channel > 99) channel = 99;
    return static_cast<uint8_t>((channel / 10) * 16 + channel % 10);
}

std::optional<double> civFrequencyReplyMHz(const std::vector<std::optional<uint8_t>>& bytes) {
    const auto at = [&](size_t k) -> std::optional<uint8_t> {
        return k < bytes.size() ? bytes[k] : std::nullopt;
    };
    if (at(0) != kPreamble && at(1) != kPreamble) return std::nullopt;
    if (bytes.size() < kReplyMinimum) return std::nullopt;
    double hz = 0;
    for (size_t k = kReplyMinimum; k-- > kReplyFrequencyAt;) {
        const auto byte = at(k);
        const int pair = byte ? bcdDigits(*byte) : -1;
        if (pair < 0) return std::nullopt;
        hz = hz * 100 + pair;
    }
    return hz / 1000000.0 + kReadbackOffsetMHz;
}

} // namespace orv::radio
