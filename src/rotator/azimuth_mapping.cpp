#include "rotator/azimuth_mapping.h"

#include <algorithm>
#include <cmath>

namespace orv::rotator {

namespace {
constexpr double kHalfTurnCounts = kMaxCount / 2.0; // 511.5

// Degrees past the start direction: 0 to 360 by default, or the overlap's alternative.
double middleSplitOffset(double azimuth, double start, double presentCount,
                         const OverlapRules& rules) {
    const double offset = wrap360(azimuth - start); // 0 <= offset < 360
    const double signedOffset = offset >= 180 ? offset - 360 : offset;
    if (presentCount >= rules.upperEndCount && signedOffset >= rules.splitAt &&
        signedOffset < rules.upperWindowEnd)
        return signedOffset + 360;
    if (presentCount <= rules.lowerEndCount && signedOffset > rules.lowerWindowStart &&
        signedOffset <= rules.splitAt)
        return signedOffset;
    return offset <= rules.splitAt ? offset + 360 : offset;
}

double travelDegrees(const RotatorFormat& format, double azimuth, double presentCount) {
    const OverlapRules& rules = kOverlapRules;
    switch (format.rule) {
    case AzimuthRule::Plain:
        return azimuth;
    case AzimuthRule::HalfTurn:
        return azimuth <= 180 ? azimuth + 180 : azimuth - 180;
    case AzimuthRule::NorthEnd:
        if (azimuth <= rules.northUpperWindowEnd && presentCount >= rules.northUpperEndCount)
            return azimuth + 360;
        return azimuth;
    case AzimuthRule::MiddleSplit:
        return middleSplitOffset(azimuth, format.startAzimuth, presentCount, rules);
    }
    return azimuth;
}
} // namespace

double wrap360(double degrees) {
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped < 0) wrapped += 360.0;
    return wrapped >= 360.0 ? 0.0 : wrapped;
}

AzimuthTarget azimuthOnRotator(const RotatorFormat& format, double azimuth, double presentCount) {
    const double k = format.degPerCount();
    const double degrees = travelDegrees(format, wrap360(azimuth), presentCount);
    const double count = std::clamp(degrees / k, 0.0, double(kMaxCount));
    return {count, count * k};
}

double trueAzimuthAt(const RotatorFormat& format, double count) {
    return wrap360(format.startAzimuth + count * format.degPerCount());
}

int azimuthBarCount(const RotatorFormat& format, int count) {
    if (format.rule != AzimuthRule::HalfTurn) return count;
    const double shifted =
        count <= kHalfTurnCounts ? count + kHalfTurnCounts : count - kHalfTurnCounts;
    return static_cast<int>(shifted);
}

int parkingCount(const RotatorFormat& format, double azPark, int presentCount) {
    if (azPark == 0) return presentCount;
    return static_cast<int>(azimuthOnRotator(format, azPark, presentCount).count);
}

} // namespace orv::rotator
