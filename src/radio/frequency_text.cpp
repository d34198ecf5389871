#include "radio/frequency_text.h"

#include <cmath>
#include <cstdio>

namespace orv::radio {

namespace {
// Frequencies above this are not radio frequencies of any band we serve.
constexpr double kHighestMHz = 1e6;
} // namespace

std::string frequencyText(double mhz) {
    if (!std::isfinite(mhz) || mhz < 0 || mhz >= kHighestMHz) return {};
    const double whole = std::floor(mhz);
    char text[32];
    std::snprintf(text, sizeof text, "%.0f%06d", whole, hzPart(mhz));
    return text;
}

std::string dialText(int64_t hz) {
    if (hz < 0) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%lld%06lld", static_cast<long long>(hz / 1000000),
                  static_cast<long long>(hz % 1000000));
    return text;
}

int hzPart(double mhz) {
    if (!std::isfinite(mhz) || mhz < 0 || mhz >= kHighestMHz) return 0;
    const int hz = static_cast<int>(std::floor((mhz - std::floor(mhz)) * 1e6));
    return hz > 999999 ? 999999 : hz;
}

std::string megahertzText(double mhz) {
    char text[48];
    std::snprintf(text, sizeof text, "%.6f", std::isfinite(mhz) ? mhz : 0.0);
    return text;
}

std::string knobRateText(int hz) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", hz < 0 ? 0 : hz);
    const std::string plain = digits;
    std::string grouped;
    for (size_t i = 0; i < plain.size(); ++i) {
        if (i > 0 && (plain.size() - i) % 3 == 0) grouped += ',';
        grouped += plain[i];
    }
    return grouped + " Hz. Rate";
}

std::string duplexOffsetText(const std::string& uplinkText, const std::string& downlinkText) {
    const auto number = [](const std::string& text) -> long long {
        if (text.empty() || text.size() > 12) return -1;
        long long value = 0;
        for (char c : text) {
            if (c < '0' || c > '9') return -1;
            value = value * 10 + (c - '0');
        }
        return value;
    };
    const long long up = number(uplinkText), down = number(downlinkText);
    if (up < 0 || down < 0) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%08lld", up > down ? up - down : down - up);
    return text;
}

} // namespace orv::radio
