// A plain 3-vector for the propagator's Earth-fixed and celestial axes.
#pragma once

#include <cmath>

namespace orv::orbit {

struct Vector3 {
    double x = 0, y = 0, z = 0;
};

inline bool isFinite(const Vector3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

} // namespace orv::orbit
