#include "orbit/element_set.h"

#include "orbit/plan13_constants.h"

#include <cstdint>

namespace orv::orbit {

namespace {

// 1-based column `start` of `length` characters; shorter (or empty) past the line's end.
std::string_view column(std::string_view line, size_t start, size_t length) {
    if (start - 1 >= line.size()) return {};
    return line.substr(start - 1, length);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view withoutBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                   1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};

} // namespace

int epochYear(int twoDigits) {
    return twoDigits >= 57 ? 1900 + twoDigits : 2000 + twoDigits;
}

double columnNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Digits are gathered as a whole number and scaled once: exact for the columns'
    // widths, so the result is the correctly rounded value, as a library parse gives.
    std::uint64_t digits = 0;
    int count = 0, decimals = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if (count < 18) {
                digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
                ++count;
                if (point) ++decimals;
            } else if (!point) {
                return 0; // far wider than any element column
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    const double value = static_cast<double>(digits) / kPowersOfTen[decimals];
    return negative ? -value : value;
}

ElementSet parseElementSet(std::string_view line1, std::string_view line2) {
    using plan13::RAD;
    using plan13::TWO_PI;
    ElementSet set;
    set.YE = epochYear(static_cast<int>(columnNumber(column(line1, 19, 2))));
    set.TE = columnNumber(column(line1, 21, 12));
    set.M2 = TWO_PI * columnNumber(column(line1, 34, 10));
    set.IN = RAD * columnNumber(column(line2, 9, 8));
    set.RA = RAD * columnNumber(column(line2, 17, 10));
    // The eccentricity column holds the digits after an implied decimal point.
    char eccentricity[9] = {'.'};
    const auto digits = column(line2, 27, 7);
    digits.copy(eccentricity + 1, digits.size());
    set.EC = columnNumber(std::string_view(eccentricity, digits.size() + 1));
    set.WP = RAD * columnNumber(column(line2, 35, 8));
    set.MA = RAD * columnNumber(column(line2, 44, 8));
    set.MM = TWO_PI * columnNumber(column(line2, 53, 11));
    set.RV = columnNumber(column(line2, 64, 5));
    return set;
}

std::string catalogueNumber(std::string_view line1) {
    // Column 8 holds the classification letter; the number fills columns 3 to 7.
    if (line1.size() > 7 && line1[7] == 'U') return std::string(withoutBlanks(column(line1, 3, 5)));
    const auto letter = line1.find('U', 2);
    if (letter != std::string_view::npos)
        return std::string(withoutBlanks(line1.substr(2, letter - 2)));
    return std::string(withoutBlanks(column(line1, 3, 5)));
}

} // namespace orv::orbit
