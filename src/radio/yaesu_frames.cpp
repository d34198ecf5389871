#include "radio/yaesu_frames.h"

#include "core/number_text.h"

#include <algorithm>
#include <cctype>

namespace orv::radio::yaesu {

namespace {
constexpr size_t kShortestText = 7; // 1 MHz
constexpr size_t kLongestBelow1GHz = 9;
constexpr size_t kGigahertzText = 10; // 1 GHz to below 10 GHz
constexpr size_t kDigits = 8;
constexpr double kReadbackOffsetMHz = 0.000001;

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

uint8_t packedPair(char high, char low) {
    return static_cast<uint8_t>((high - '0') * 16 + (low - '0'));
}

Parameters packedMostSignificantFirst(std::string_view eightDigits) {
    Parameters out{};
    for (size_t k = 0; k < out.size(); ++k)
        out[k] = packedPair(eightDigits[2 * k], eightDigits[2 * k + 1]);
    return out;
}

std::optional<int> bcdValue(std::optional<uint8_t> byte) {
    if (!byte || (*byte >> 4) > 9 || (*byte & 0x0F) > 9) return std::nullopt;
    return (*byte >> 4) * 10 + (*byte & 0x0F);
}

template <typename Row> uint8_t lookUp(const Row& rows, std::string_view text, uint8_t otherwise) {
    for (const auto& row : rows)
        if (row.text == text) return row.value;
    return otherwise;
}

struct ModeRow {
    std::string_view text;
    uint8_t value;
};
} // namespace

std::vector<uint8_t> frame(uint8_t opcode, const Parameters& parameters) {
    std::vector<uint8_t> bytes(parameters.begin(), parameters.end());
    bytes.push_back(opcode);
    return bytes;
}

std::vector<uint8_t> frameP1(uint8_t opcode, uint8_t p1) {
    return frame(opcode, {p1, 0, 0, 0});
}

std::vector<uint8_t> frameP4(uint8_t opcode, uint8_t p4) {
    return frame(opcode, {0, 0, 0, p4});
}

std::optional<std::string> tenHzDigits(std::string_view frequencyText) {
    if (frequencyText.size() < kShortestText || frequencyText.size() > kLongestBelow1GHz ||
        !allDigits(frequencyText))
        return std::nullopt;
    std::string digits(kLongestBelow1GHz - frequencyText.size(), '0');
    digits += frequencyText;
    return digits.substr(0, kDigits);
}

std::optional<Parameters> ft847FrequencyBytes(std::string_view frequencyText) {
    const auto digits = tenHzDigits(frequencyText);
    if (!digits) return std::nullopt;
    return packedMostSignificantFirst(*digits);
}

std::optional<Parameters> ft736FrequencyBytes(std::string_view frequencyText) {
    if (frequencyText.size() == kGigahertzText && allDigits(frequencyText) &&
        frequencyText.substr(0, 2) == "12") {
        Parameters out = packedMostSignificantFirst(frequencyText.substr(1, kDigits));
        out[0] = static_cast<uint8_t>(0xC0 | (out[0] & 0x0F));
        return out;
    }
    return ft847FrequencyBytes(frequencyText);
}

std::optional<Parameters> reversedBcdFrequencyBytes(std::string_view frequencyText) {
    auto bytes = ft847FrequencyBytes(frequencyText);
    if (bytes) std::reverse(bytes->begin(), bytes->end());
    return bytes;
}

std::optional<Parameters> vr5000FrequencyBytes(std::string_view frequencyText) {
    if (frequencyText.size() < kShortestText || frequencyText.size() > kGigahertzText ||
        !allDigits(frequencyText))
        return std::nullopt;
    const uint64_t steps = std::stoull(std::string(frequencyText)) / 10;
    return Parameters{static_cast<uint8_t>(steps >> 24), static_cast<uint8_t>(steps >> 16),
                      static_cast<uint8_t>(steps >> 8), static_cast<uint8_t>(steps)};
}

uint8_t ft847ModeByte(std::string_view modeText) {
    static constexpr ModeRow kRows[] = {{"LSB", 0x00},   {"USB", 0x01},     {"CW", 0x02},
                                        {"CW-R", 0x03},  {"AM", 0x04},      {"FM", 0x08},
                                        {"CW(N)", 0x82}, {"CW-R(N)", 0x83}, {"AM(N)", 0x84}};
    return lookUp(kRows, modeText, 0x88);
}

uint8_t ft736ModeByte(std::string_view modeText) {
    static constexpr ModeRow kRows[] = {
        {"LSB", 0x00}, {"USB", 0x01}, {"CW", 0x02},   {"CWN", 0x82},  {"FM", 0x08},
        {"FMN", 0x88}, {"FMW", 0x88}, {"FM-N", 0x88}, {"FM-W", 0x88}, {"", 0x08}};
    return lookUp(kRows, modeText, 0x08);
}

uint8_t ft757ModeByte(std::string_view modeText) {
    static constexpr ModeRow kRows[] = {
        {"LSB", 0x00}, {"USB", 0x01}, {"CW", 0x02}, {"CWN", 0x03}, {"AM", 0x04}};
    return lookUp(kRows, modeText, 0x05);
}

uint8_t ft1000ModeByte(std::string_view modeText) {
    static constexpr ModeRow kRows[] = {{"LSB", 0x00}, {"USB", 0x01}, {"CW", 0x02},
                                        {"CWN", 0x03}, {"AM", 0x04},  {"AMN", 0x05}};
    return lookUp(kRows, modeText, 0x06);
}

uint8_t ft100ModeByte(std::string_view modeText) {
    static constexpr ModeRow kRows[] = {{"LSB", 0x00},  {"USB", 0x01}, {"CW", 0x02},
                                        {"CW-R", 0x03}, {"AM", 0x04},  {"FMW", 0x07}};
    return lookUp(kRows, modeText, 0x06);
}

Vr5000Mode vr5000Mode(std::string_view modeText) {
    static constexpr struct {
        std::string_view text;
        Vr5000Mode value;
    } kRows[] = {{"LSB", {0x00, 0x21}}, {"USB", {0x01, 0x21}}, {"CW", {0x02, 0x21}},
                 {"AM", {0x04, 0x03}},  {"AMN", {0x84, 0x03}}, {"AMW", {0x44, 0x03}},
                 {"WFM", {0x48, 0x04}}};
    for (const auto& row : kRows)
        if (row.text == modeText) return row.value;
    return {0x88, 0x43};
}

bool isNoTone(std::string_view ctcssField) {
    const std::string field = core::trimmed(ctcssField);
    return field.empty() || field == "0";
}

std::optional<uint8_t> toneCode(std::string_view ctcssField) {
    const std::string field = core::trimmed(ctcssField);
    if (field.empty() || field.size() > 2 ||
        !std::all_of(field.begin(), field.end(), [](char c) { return std::isxdigit(c) != 0; }))
        return std::nullopt;
    return static_cast<uint8_t>(std::stoi(field, nullptr, 16));
}

std::optional<double> ft847ReplyMHz(const std::vector<std::optional<uint8_t>>& bytes) {
    if (bytes.size() < 4) return std::nullopt;
    int64_t tens = 0;
    for (size_t k = 0; k < 4; ++k) {
        const auto pair = bcdValue(bytes[k]);
        if (!pair) return std::nullopt;
        tens = tens * 100 + *pair;
    }
    return static_cast<double>(tens) * 10 / 1e6 + kReadbackOffsetMHz;
}

std::optional<double> ft1000ReplyMHz(const std::vector<std::optional<uint8_t>>& bytes) {
    if (bytes.size() < 4 || !bytes[1] || !bytes[2] || !bytes[3]) return std::nullopt;
    const int64_t tens = (int64_t{*bytes[1]} << 16) | (int64_t{*bytes[2]} << 8) | *bytes[3];
    return static_cast<double>(tens) * 10 / 1e6 + kReadbackOffsetMHz;
}

} // namespace orv::radio::yaesu
