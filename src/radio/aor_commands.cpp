#include "radio/aor_commands.h"

#include "core/number_text.h"

namespace orv::radio::aor {

namespace {
constexpr size_t kFrequencyDigits = 10;
constexpr size_t kFewestDigits = 7;
constexpr uint8_t kReplyMark = 'V';
constexpr size_t kFirstDigit = 5; // the sixth reply byte

struct ModeRow {
    std::string_view command;
    std::string_view shown;
};
constexpr ModeRow kModes[] = {
    {"MD0", "FM"}, {"MD1", "AM"}, {"MD2", "LSB"}, {"MD3", "USB"}, {"MD4", "CW"}};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

std::optional<SetUpCommands> setUpCommands(std::string_view modeField) {
    if (modeField.find(',') == std::string_view::npos) return std::nullopt;
    SetUpCommands out;
    size_t start = 0;
    while (start <= modeField.size()) {
        size_t comma = modeField.find(',', start);
        if (comma == std::string_view::npos) comma = modeField.size();
        std::string command = core::trimmed(modeField.substr(start, comma - start));
        if (!command.empty()) {
            if (out.commands.size() < kMostSetUpCommands)
                out.commands.push_back(std::move(command));
            else
                ++out.dropped;
        }
        start = comma + 1;
    }
    return out;
}

std::optional<std::string> modeShown(const std::vector<std::string>& commands) {
    for (const std::string& command : commands)
        for (const ModeRow& row : kModes)
            if (command == row.command) return std::string(row.shown);
    return std::nullopt;
}

std::optional<std::string> frequencyCommand(std::string_view frequencyText) {
    const size_t digits = frequencyText.size();
    if (digits < kFewestDigits || digits > kFrequencyDigits) return std::nullopt;
    for (char c : frequencyText)
        if (!isDigit(c)) return std::nullopt;
    return "RF" + std::string(kFrequencyDigits - digits, '0') + std::string(frequencyText);
}

std::string withCarriageReturn(std::string_view command) {
    return std::string(command) + '\r';
}

std::optional<double> replyMHz(const std::vector<std::optional<uint8_t>>& bytes) {
    if (bytes.size() < kFirstDigit + kFrequencyDigits || bytes[0] != kReplyMark)
        return std::nullopt;
    double hz = 0;
    for (size_t k = kFirstDigit; k < kFirstDigit + kFrequencyDigits; ++k) {
        if (!bytes[k] || !isDigit(static_cast<char>(*bytes[k]))) return std::nullopt;
        hz = hz * 10 + (*bytes[k] - '0');
    }
    return hz * 1e-6 + 1e-6;
}

} // namespace orv::radio::aor
