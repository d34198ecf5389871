// The look ahead made before a pass: which azimuth octants the coming pass visits,
// where it rises and which way it turns; and the decision, by rotator format,
// whether to track it flipped and where to park the rotators before it rises.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace orv::rotator {

struct PredictedLook {
    double azimuth;
    double elevation;
};
// The satellite's predicted look `secondsAhead` after the analysis started; nothing
// when the prediction failed.
using PredictAt = std::function<std::optional<PredictedLook>(double secondsAhead)>;

inline constexpr double kPredictionStepSeconds = 10;
inline constexpr double kPredictionHorizonSeconds = 2700;

// Octant 1 to 8 of a predicted azimuth (whole-degree bounds, inclusive); 0 for an
// azimuth between two octants, such as 45.5 or 359.5.
int octantOf(double azimuth);

enum class Motion { Unknown, Decreasing, Increasing };

struct PassAnalysis {
    std::array<bool, 9> octants{}; // [1] to [8]
    int aosOctant = 0;
    double aosAzimuth = 0;
    Motion motion = Motion::Unknown;
    std::vector<double> azimuths; // the predicted azimuths while up, one a step
    int predictions = 0;          // propagator runs made
    bool visits(int a, int b) const { return octants[size_t(a)] && octants[size_t(b)]; }
};

// Steps through predicted time from the present until the pass ends. Nothing when no
// whole pass lies within the horizon or a prediction failed.
std::optional<PassAnalysis> analysePass(const PredictAt& predictAt);

struct FlipPlan {
    bool flip = false; // the pass is to be tracked flipped
    int prePositionCount = 0;
    double prePositionElevation = 0;
    int scaleOverride = 0; // the format whose scale is shown for the flip; 0 for none
};

inline constexpr double kFlippedParkElevation = 175;

struct RotatorFormat;

// Where the path of a pass (its azimuths turned by `turn` degrees: 0, or 180 when
// flipped) lies whole on the travel of `format`: the degrees along the travel of its
// first azimuth. Nothing when no start keeps the whole path within the travel.
std::optional<double> placeOnTravel(const RotatorFormat& format,
                                    const std::vector<double>& azimuths, double turn);

// The decision for `format` (0 to 6) on an analysed pass, with the rotator at
// `presentCount`.
FlipPlan decideFlip(int format, const PassAnalysis& pass, int presentCount);

} // namespace orv::rotator
