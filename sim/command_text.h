// Pieces of the text command sets the simulated receivers and radios read: digits,
// a one-digit switch and a frequency written in a fixed number of digits.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv::sim {

inline bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The one digit of a switch command, when it is within 0..highest.
inline std::optional<int> oneDigit(std::string_view parameters, int highest) {
    if (parameters.size() != 1 || !allDigits(parameters) || parameters[0] - '0' > highest)
        return std::nullopt;
    return parameters[0] - '0';
}

// `hz` with leading zeros to `width` digits (a longer number is written whole).
inline std::string zeroPadded(uint64_t hz, size_t width) {
    const std::string digits = std::to_string(hz);
    return std::string(width - std::min(digits.size(), width), '0') + digits;
}

} // namespace orv::sim
