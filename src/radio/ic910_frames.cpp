#include "radio/ic910_frames.h"

#include "radio/civ_frames.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orv::radio::ic910 {

namespace {
// The reply's 100 MHz and 1 GHz pair, then the 1 MHz and 10 MHz pair.
constexpr size_t kHundredsPairAt = 9;
constexpr size_t kUnitsPairAt = 8;
constexpr double kConvertedAboveMHz = 500;

struct BandRange {
    int lowMHz, highMHz; // exclusive bounds of the whole MHz read
    int code;
};
constexpr BandRange kBands[] = {{139, 148, 1}, {400, 450, 4}, {1239, 1301, 12}};

// The standard CTCSS tones in tenths of a hertz.
constexpr int kTones[] = {670,  693,  719,  744,  770,  797,  825,  854,  885,  915,
                          948,  974,  1000, 1035, 1072, 1109, 1148, 1188, 1230, 1273,
                          1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679,
                          1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966, 1995,
                          2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

std::optional<int> bcdPair(std::optional<uint8_t> byte) {
    if (!byte) return std::nullopt;
    const int high = *byte >> 4, low = *byte & 0x0F;
    if (high > 9 || low > 9) return std::nullopt;
    return high * 10 + low;
}
} // namespace

SetupCase setupCase(bool uplinkOnIc910, bool downlinkOnIc910, bool pttFlag) {
    if (uplinkOnIc910 && downlinkOnIc910)
        return pttFlag ? SetupCase::BothLinksOnMain : SetupCase::BothLinksSubUplink;
    if (downlinkOnIc910) return SetupCase::DownlinkOnly;
    if (uplinkOnIc910) return SetupCase::UplinkOnly;
    return SetupCase::None;
}

bool satelliteMode(SetupCase setup) {
    return setup == SetupCase::BothLinksSubUplink;
}

uint8_t uplinkBand(SetupCase setup) {
    switch (setup) {
    case SetupCase::BothLinksSubUplink:
        return kCivSubBand;
    case SetupCase::BothLinksOnMain:
    case SetupCase::UplinkOnly:
        return kCivMainBand;
    default:
        return 0;
    }
}

uint8_t downlinkBand(SetupCase setup) {
    switch (setup) {
    case SetupCase::BothLinksSubUplink:
    case SetupCase::BothLinksOnMain:
    case SetupCase::DownlinkOnly:
        return kCivMainBand;
    default:
        return 0;
    }
}

int expectedMainBand(double mhz, double converterMHz) {
    const double atRadio =
        std::floor(mhz) > kConvertedAboveMHz ? std::fabs(mhz - converterMHz) : mhz;
    return static_cast<int>(std::floor(atRadio / 100));
}

std::optional<int> mainBandCode(const std::vector<std::optional<uint8_t>>& reply) {
    const auto at = [&](size_t k) { return k < reply.size() ? reply[k] : std::nullopt; };
    const auto hundreds = bcdPair(at(kHundredsPairAt));
    const auto units = bcdPair(at(kUnitsPairAt));
    if (!hundreds || !units) return std::nullopt;
    const int wholeMHz = *hundreds * 100 + *units;
    for (const auto& band : kBands)
        if (wholeMHz > band.lowMHz && wholeMHz < band.highMHz) return band.code;
    return std::nullopt;
}

bool isNoTone(std::string_view ctcssField) {
    return ctcssField.empty() || ctcssField == "0";
}

std::optional<std::array<uint8_t, 2>> toneBytes(std::string_view ctcssField) {
    double hz = 0;
    const auto [end, error] =
        std::from_chars(ctcssField.data(), ctcssField.data() + ctcssField.size(), hz);
    if (ctcssField.empty() || error != std::errc() || end != ctcssField.data() + ctcssField.size())
        return std::nullopt;
    const double tenths = hz * 10;
    const int tone = static_cast<int>(std::lround(tenths));
    if (std::fabs(tenths - tone) > 1e-6 ||
        std::find(std::begin(kTones), std::end(kTones), tone) == std::end(kTones))
        return std::nullopt;
    const auto pair = [](int twoDigits) {
        return static_cast<uint8_t>((twoDigits / 10) << 4 | twoDigits % 10);
    };
    return std::array<uint8_t, 2>{pair(tone / 100), pair(tone % 100)};
}

} // namespace orv::radio::ic910
