#include "core/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orv::core {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

double hexValue(std::string_view digits) {
    double value = 0;
    for (char c : digits) {
        int digit;
        if (isDigit(c))
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        value = value * 16 + digit;
    }
    return value;
}

// Length of the decimal number at the start of `text` (sign, digits, point, exponent).
size_t numericPrefixLength(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

double leadingNumber(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    text.remove_prefix(start);
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h'))
        return hexValue(text.substr(2));
    const size_t length = numericPrefixLength(text);
    if (length == 0) return 0;
    std::string prefix(text.substr(0, length));
    for (auto& c : prefix)
        if (c == 'd' || c == 'D') c = 'e';
    const double value = std::strtod(prefix.c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

bool readsWholeAsNumber(std::string_view text) {
    const std::string bare = trimmed(text);
    std::string_view rest = bare;
    if (rest.size() >= 2 && rest[0] == '&' && (rest[1] == 'H' || rest[1] == 'h')) {
        rest.remove_prefix(2);
        if (rest.empty()) return false;
        for (char c : rest)
            if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
        return true;
    }
    return !rest.empty() && numericPrefixLength(rest) == rest.size();
}

int16_t wholeValue(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded > 32767) return 32767;
    if (rounded < -32768) return -32768;
    return static_cast<int16_t>(rounded);
}

std::string upperCased(std::string_view text) {
    std::string result(text);
    for (auto& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string numberText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

} // namespace orv::core
