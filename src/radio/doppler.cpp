#include "radio/doppler.h"

#include <cmath>
#include <cstdlib>

namespace orv::radio {

namespace {
// Added to record frequencies so that cutting to whole Hz never lands one below.
constexpr double kTinyOffsetMHz = 0.0000001;

int signOf(double value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}
} // namespace

int linkSign(double signalMHz, double converterMHz) {
    return signalMHz - converterMHz < 0 ? -1 : 1;
}

std::string swappedSideband(const std::string& mode) {
    if (mode == "LSB") return "USB";
    if (mode == "USB") return "LSB";
    return mode;
}

int dopplerHz(double mhz, double rangeRateKmS) {
    const double hz = std::floor(-mhz * rangeRateKmS / kSpeedOfLightKmS * 1000000.0);
    if (!std::isfinite(hz) || std::fabs(hz) > 1e9) return 0;
    return static_cast<int>(hz);
}

namespace {
// Beyond this no band we serve; also keeps the arithmetic in range.
constexpr double kHighestHz = 1e12;

std::optional<int64_t> dialThroughConverter(double onAirMHz, double converterMHz) {
    const double airHz = std::floor(std::fabs(onAirMHz) * 1e6);
    const double loHz = std::round(converterMHz * 1e6);
    if (!std::isfinite(airHz) || !std::isfinite(loHz) || airHz >= kHighestHz ||
        std::fabs(loHz) >= kHighestHz)
        return std::nullopt;
    return static_cast<int64_t>(std::fabs(airHz - loHz));
}
} // namespace

std::optional<int64_t> uplinkDialHz(double uplinkMHz, int uplinkDopplerHz, double upConverterMHz) {
    return dialThroughConverter(uplinkMHz - uplinkDopplerHz / 1000000.0, upConverterMHz);
}

std::optional<int64_t> downlinkDialHz(double downlinkMHz, int downlinkDopplerHz,
                                      double downConverterMHz) {
    return dialThroughConverter(downlinkMHz + downlinkDopplerHz / 1000000.0, downConverterMHz);
}

double transponderUplink(double downlinkMHz, double uplinkMHz, double transponderMHz) {
    const int t = signOf(downlinkMHz - uplinkMHz);
    if (t < 0) {
        if (transponderMHz < uplinkMHz) return downlinkMHz + transponderMHz;
        if (transponderMHz > uplinkMHz) return transponderMHz - downlinkMHz;
    } else if (t > 0) {
        if (transponderMHz > downlinkMHz) return transponderMHz - downlinkMHz;
        if (transponderMHz < downlinkMHz) return downlinkMHz - transponderMHz;
    }
    return uplinkMHz;
}

double analogUplink(double downlinkMHz, double transponderMHz) {
    const double difference = std::fabs(downlinkMHz - transponderMHz) + kTinyOffsetMHz;
    if (std::floor(difference) <= 144) return downlinkMHz + transponderMHz + kTinyOffsetMHz;
    return difference;
}

std::optional<double> downlinkFromReading(double readingMHz, double downlinkMHz,
                                          double downConverterMHz, int downlinkSign,
                                          int downlinkDopplerHz) {
    const int side = signOf(downlinkMHz - downConverterMHz);
    const double v = readingMHz - downlinkSign * downlinkDopplerHz * 0.000001;
    const bool converter = downConverterMHz != 0;
    if (side < 0) return converter ? downConverterMHz - v : v;
    if (side > 0) return converter ? v + downConverterMHz : v;
    return std::nullopt;
}

bool movedPastStep(int64_t dialHz, int64_t referenceHz, double stepHz) {
    return static_cast<double>(std::llabs(dialHz - referenceHz)) > stepHz;
}

} // namespace orv::radio
