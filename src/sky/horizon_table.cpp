#include "sky/horizon_table.h"

#include <cmath>

namespace orv::sky {

namespace {
// Below this the main loop never calls the tracked satellite hidden.
constexpr double kLowestObscuredElevation = 0.1;
} // namespace

HorizonTable::HorizonTable(const core::HorizonSegments& segments) {
    for (int s = 1; s <= core::kHorizonSegments; ++s)
        for (int degree = 10 * (s - 1) + 1; degree <= 10 * s; ++degree)
            entries_[size_t(degree)] = segments[size_t(s - 1)];
    // Azimuths from 0 up to 1 degree belong to the first segment, as its label says: left
    // empty, a satellite due north would never be behind anything.
    entries_[0] = segments[0];
}

double HorizonTable::at(double azimuth) const {
    if (!(azimuth >= 0 && azimuth < kEntries)) return 0; // also NaN
    return entries_[size_t(azimuth)];
}

bool HorizonTable::hidesTracked(double azimuth, double elevation) const {
    const double h = at(azimuth);
    return h != 0 && elevation >= kLowestObscuredElevation && h > elevation;
}

bool HorizonTable::hidesOnMap(double azimuth, double elevation) const {
    const double h = at(azimuth);
    return h != 0 && elevation < h;
}

} // namespace orv::sky
