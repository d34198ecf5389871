// A made-up pass for the pass analysis: below the horizon until it rises, then an
// arch of elevation while the azimuth moves evenly.
#pragma once

#include "rotator/pass_analysis.h"

#include <cmath>
#include <numbers>

namespace orv::test {

// Rises `aosSeconds` from now for `duration` seconds, its azimuth moving by `sweep`
// degrees from `from`; `calls` counts the predictions asked for.
inline rotator::PredictAt syntheticPass(double aosSeconds, double duration, double from,
                                        double sweep, int* calls = nullptr) {
    return [=](double seconds) -> std::optional<rotator::PredictedLook> {
        if (calls) ++*calls;
        const double t = seconds - aosSeconds;
        if (t < 0 || t > duration) return rotator::PredictedLook{from, -5};
        const double azimuth = std::fmod(from + sweep * t / duration + 720, 360.0);
        return rotator::PredictedLook{azimuth, 30 * std::sin(std::numbers::pi * t / duration)};
    };
}

} // namespace orv::test
