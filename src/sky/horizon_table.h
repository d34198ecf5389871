// The horizon table in memory: 371 entries by whole degree of azimuth, entries 1..360
// holding the obstruction elevation of their 10-degree segment, entry 0 that of the first
// segment ("0 to 10"), the others 0. Tells whether a satellite is hidden behind the
// station's surroundings.
#pragma once

#include "core/sky_store.h"

#include <array>

namespace orv::sky {

class HorizonTable {
public:
    static constexpr int kEntries = 371;

    HorizonTable() = default; // nothing obstructed
    explicit HorizonTable(const core::HorizonSegments& segments);

    // The entry at the whole-degree part of `azimuth`; 0 outside the table.
    double at(double azimuth) const;

    // The tracked satellite, as the main loop tests it: hidden when its azimuth's entry is
    // not 0, the satellite is at least 0.1 degree up and the obstruction is higher.
    bool hidesTracked(double azimuth, double elevation) const;
    // A satellite on the map: hidden when its entry is not 0 and it is lower than that.
    bool hidesOnMap(double azimuth, double elevation) const;

private:
    std::array<double, kEntries> entries_{};
};

} // namespace orv::sky
