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

// A 450-degree rotator: the pass is flipped when `wantFlip` says so, unless only the other
// way keeps it off the end stops; it is met at its rising point on the side of the
// overlap from which its whole path lies on the travel.
FlipPlan decideOnOverlap(const RotatorFormat& rotator, const PassAnalysis& pass, bool wantFlip,
                         int presentCount) {
    const auto straight = placeOnTravel(rotator, pass.azimuths, 0);
    const auto turned = placeOnTravel(rotator, pass.azimuths, 180);
    bool flip = wantFlip;
    if (flip && !turned && straight) flip = false;
    if (!flip && !straight && turned) flip = true;
    FlipPlan plan{.flip = flip};
    if (flip) plan.prePositionElevation = kFlippedParkElevation;
    const double k = rotator.degPerCount();
    if (const auto& place = flip ? turned : straight) {
        plan.prePositionCount = clampedCount(*place / k);
    } else {
        // Too long for the travel either way: the rising point as the drive would take it.
        const double rising = flip ? flippedAzimuth(pass.aosAzimuth) : pass.aosAzimuth;
        plan.prePositionCount = clampedCount(azimuthOnRotator(rotator, rising, presentCount).count);
    }
    return plan;
}

// The flip the octants of the pass ask for on the rotators that start in the south
// (formats 3 and 4) or the north-west and north (5 and 6): a pass across the start.
bool crossesTheStart(int format, const PassAnalysis& pass) {
    return format <= 4 ? pass.visits(4, 5) : pass.visits(1, 8);
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
            pass.azimuths.push_back(look->azimuth);
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
    case 1: {
        FlipPlan plan{.prePositionCount = clampedCount(pass.aosAzimuth / k)};
        if (pass.visits(1, 8)) {
            plan.flip = true;
            plan.prePositionElevation = kFlippedParkElevation;
            plan.prePositionCount = clampedCount(flippedAzimuth(pass.aosAzimuth) / k);
        }
        return plan;
    }
    case 2: {
        // The north-start rotator turns a pass only when it would otherwise run onto an end.
        FlipPlan plan = decideOnOverlap(*rotator, pass, false, presentCount);
        if (plan.flip) plan.scaleOverride = 4;
        return plan;
    }
    default:
        return decideOnOverlap(*rotator, pass, crossesTheStart(format, pass), presentCount);
    }
}

std::optional<double> placeOnTravel(const RotatorFormat& format,
                                    const std::vector<double>& azimuths, double turn) {
    if (azimuths.empty()) return std::nullopt;
    // The path unwrapped along the travel, from its first azimuth; one step more at each
    // end for what the steps of the prediction leave out before the first and after the
    // last.
    const double first = wrap360(azimuths.front() + turn - format.startAzimuth);
    double along = first, lowest = first, highest = first;
    double firstStep = 0, lastStep = 0;
    for (size_t i = 1; i < azimuths.size(); ++i) {
        lastStep = azimuthChange(azimuths[i - 1], azimuths[i]);
        if (i == 1) firstStep = lastStep;
        along += lastStep;
        lowest = std::min(lowest, along);
        highest = std::max(highest, along);
    }
    lowest = std::min({lowest, first - firstStep, along + lastStep});
    highest = std::max({highest, first - firstStep, along + lastStep});
    // The lowest point of the path at its first place on the travel.
    const double shift = wrap360(lowest) - lowest;
    if (highest + shift > format.travelDegrees) return std::nullopt;
    return first + shift;
}

} // namespace orv::rotator
