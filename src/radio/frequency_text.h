// The texts frequencies travel and show as: the radio frequency text (whole MHz
// digits followed by exactly six digits of Hz, no point), the panel's MHz text,
// and the knob rate caption.
#pragma once

#include <cstdint>
#include <string>

namespace orv::radio {

// 145.9 MHz gives "145900000", 2401.0001 gives "2401000100"; both parts are cut,
// not rounded. Empty for a negative or non-finite value, so nothing is sent.
std::string frequencyText(double mhz);

// The same text of a dial in whole Hz: 145900000 Hz gives "145900000", 10 MHz
// "10000000". Empty for a negative value.
std::string dialText(int64_t hz);

// The six-digit Hz part of `mhz` (0 to 999999), as the retune test compares it.
int hzPart(double mhz);

// "145.900000": MHz with six decimals.
std::string megahertzText(double mhz);

// The knob rate caption: at least three digits, thousands grouped, then " Hz. Rate"
// ("010 Hz. Rate", "1,000 Hz. Rate").
std::string knobRateText(int hz);

// The duplex offset of two radio frequency texts: their difference in Hz as digits,
// left-padded with zeros to eight. Empty when either text is not a number.
std::string duplexOffsetText(const std::string& uplinkText, const std::string& downlinkText);

} // namespace orv::radio
