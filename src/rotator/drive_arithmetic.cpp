#include "rotator/drive_arithmetic.h"

#include "rotator/azimuth_mapping.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orv::rotator {

namespace {
constexpr int kReadingsPerAverage = 4;
constexpr int kReadingsLimit = 5; // a count past the average restarts the sums
} // namespace

bool onTravel(int count) {
    return count >= 0 && count <= kMaxCount;
}

void PositionAverage::add(int azimuthCount, int elevationCount) {
    if (!onTravel(azimuthCount) || !onTravel(elevationCount)) return;
    azSum_ += azimuthCount;
    elSum_ += elevationCount;
    ++readings_;
    if (readings_ == kReadingsPerAverage) {
        azAverage_ = azSum_ / kReadingsPerAverage;
        elAverage_ = elSum_ / kReadingsPerAverage;
        ++averagesTaken_;
    }
    if (readings_ >= kReadingsPerAverage || readings_ > kReadingsLimit)
        azSum_ = elSum_ = readings_ = 0;
}

DriveAngles driveAngles(const DriveInputs& in) {
    const double azimuth = wrap360(in.azSlewing + in.azOffset + in.azimuth);
    double elevation = in.elSlewing + in.elOffset + in.trackFactor * in.elevation;
    if (in.maxElevation > 0 && elevation > in.maxElevation) elevation = in.maxElevation;
    return {azimuth, elevation};
}

std::optional<double> flippedElevation(double elevation) {
    if (elevation < 1) return std::nullopt;
    if (elevation > 1) return 180 - elevation;
    return elevation;
}

int targetCount(double degrees, double degPerCount) {
    if (!(degPerCount > 0) || !std::isfinite(degrees)) return 0;
    return std::clamp(static_cast<int>(std::lround(degrees / degPerCount)), 0, kMaxCount);
}

} // namespace orv::rotator

namespace orv::rotator {

std::string degreesText(double degrees) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", degrees);
    return text;
}

} // namespace orv::rotator
