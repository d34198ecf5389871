// The text conversions every stored entry goes through: the leading-number parse,
// whole 16-bit rounding, upper-casing and trimming.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv::core {

// Leading blanks skipped, the longest numeric prefix taken ("12abc" is 12, "abc" is 0);
// "&H" followed by hexadecimal digits reads hexadecimal.
double leadingNumber(std::string_view text);

// True when the leading-number parse reads all of `text` (blanks around it allowed):
// "12.5", " &HE800 ", "1e3"; not "12abc", "abc" or "".
bool readsWholeAsNumber(std::string_view text);

// Rounds to the nearest whole number, halves to even, kept within 16 bits.
int16_t wholeValue(double value);

std::string upperCased(std::string_view text);
std::string trimmed(std::string_view text);

// A number as decimal text without trailing zeros ("5", "-39.524", "0.5").
std::string numberText(double value);

} // namespace orv::core
