#include "rotator/pass_analysis.h"

#include "rotator/azimuth_mapping.h"

#include <algorithm>
#include <cmath>

namespace orv::rotator {

namespace {
struct OctantRange {
    double from, to;
};
constexpr std::array<OctantRange, 8> kOctants{
    {{0, 45}, {46, 90}, {91, 135}, {136, 180}, {181, 225}, {226, 270}, {271, 315}, {316, 359}}};

constexpr double kHalfTurnCountOffset = 512;
constexpr double kNorthOverlapCounts = 818.4; // 360 degrees on a 450-degree rotator

int clampedCount(double count) {
    return std::clamp(static_cast<int>(count), 0, kMaxCount);
}

double flippedAzimuth(double azimuth) {
    const double flipped = azimuth + 180;
    return flipped > 360 ? flipped - 360 : flipped;
}

// The shorter way round from `from` to `to`: negative when the azimuth decreases.
double azimuthChange(double from, double to) {
    double change = std::fmod(to - from, 360.0);
    if (change > 180) change -= 360;
    if (change < -180) change += 360;
    return change;
}

// South-start rotator: the count of the azimuth turned by half a turn.
int halfTurnCount(double azimuth, double k) {
    const double base = std::trunc(azimuth / k);
    return clampedCount(azimuth <= 180 ? base + kHalfTurnCountOffset : base - kHalfTurnCountOffset);
}

FlipPlan decideSouthStart(const PassAnalysis& pass, double k) {
    FlipPlan plan{.prePositionCount = halfTurnCount(pass.aosAzimuth, k)};
    if (pass.visits(4, 5)) {
        plan.flip = true;
        plan.prePositionElevation = kFlippedParkElevation;
        plan.prePositionCount = halfTurnCount(flippedAzimuth(pass.aosAzimuth), k);
        plan.scaleOverride = 1;
    }
    return plan;
}

FlipPlan decideNorthStart450(const PassAnalysis& pass, double k) {
    const double a = pass.aosAzimuth;
    const bool risesNorthEast = pass.aosOctant == 1 || pass.aosOctant == 2;
    const bool increasing = pass.motion == Motion::Increasing;
    const bool decreasing = pass.motion == Motion::Decreasing;
    if (risesNorthEast && increasing)
        return {.prePositionCount = clampedCount(a / k + kNorthOverlapCounts)};
    FlipPlan plan{.prePositionCount = clampedCount(a / k)};
    if (risesNorthEast && decreasing) return plan;
    const bool flip = (pass.aosOctant >= 3 && pass.visits(2, 3) && decreasing) ||
                      (pass.visits(1, 8) && increasing);
    if (flip) {
        plan.flip = true;
        plan.prePositionCount = clampedCount(flippedAzimuth(a) / k);
        plan.prePositionElevation = kFlippedParkElevation;
        plan.scaleOverride = 4;
    }
    return plan;
}
} // namespace

int octantOf(double azimuth) {
    for (size_t i = 0; i < kOctants.size(); ++i)
        if (azimuth >= kOctants[i].from && azimuth <= kOctants[i].to) return int(i) + 1;
    return 0;
}

std::optional<PassAnalysis> analysePass(const PredictAt& predictAt) {
    PassAnalysis pass;
    bool started = false;
    bool aosTaken = false;
    int stepsSinceStart = 0;
    for (double seconds = 0; seconds <= kPredictionHorizonSeconds;
         seconds += kPredictionStepSeconds) {
        const auto look = predictAt(seconds);
        ++pass.predictions;
        if (!look) return std::nullopt;
        const bool above = !std::signbit(look->elevation);
        if (!above && started) return pass;
        if (above) {
            started = true;
            const int octant = octantOf(look->azimuth);
            if (octant) {
                pass.octants[size_t(octant)] = true;
                if (!aosTaken) {
                    aosTaken = true;
                    pass.aosOctant = octant;
                    pass.aosAzimuth = look->azimuth;
                }
            }
            if (++stepsSinceStart == 2) {
                const double change = azimuthChange(pass.aosAzimuth, look->azimuth);
                pass.motion = change < 0   ? Motion::Decreasing
                              : change > 0 ? Motion::Increasing
                                           : Motion::Unknown;
            }
        }
    }
    return std::nullopt;
}

FlipPlan decideFlip(int format, const PassAnalysis& pass, int presentCount) {
    const RotatorFormat* rotator = rotatorFormat(format);
    if (!rotator) return {};
    const double k = rotator->degPerCount();
    switch (format) {
    case 0:
        return decideSouthStart(pass, k);
    case 1:
        return {.flip = pass.visits(1, 8), .prePositionCount = clampedCount(pass.aosAzimuth / k)};
    case 2:
        return decideNorthStart450(pass, k);
    default: {
        // Formats 3 to 6: flip across the end stop's octants; park at the rising point.
        const bool flip = format <= 4 ? pass.visits(4, 5) : pass.visits(1, 8);
        const auto target = azimuthOnRotator(*rotator, pass.aosAzimuth, presentCount);
        return {.flip = flip, .prePositionCount = clampedCount(target.count)};
    }
    }
}

} // namespace orv::rotator
