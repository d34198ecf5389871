// Passes of one satellite over the station: rise (AOS), highest point and set (LOS),
// each to the whole second, found by a coarse scan and refined by bisection; with a
// horizon table, also when the satellite is clear of its obstructions. The tool's pass
// listing and the pass view both take their times from here, so they agree.
#pragma once

#include "orbit/plan13.h"
#include "orbit/station_model.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace orv::sky {

class HorizonTable;

inline constexpr double kSecondOfDay = 1 / 86400.0;

// The sky one satellite is looked for in; every time is a day number plus UTC fraction.
struct PassSky {
    const orbit::Plan13& orbit;
    const orbit::StationModel& station;
    const HorizonTable* horizon = nullptr; // honoured when set

    // False on a numeric fault at `day`.
    bool look(double day, orbit::Observation& seen) const;
    // The geometric elevation at `day`; -90 on a numeric fault.
    double elevation(double day) const;
};

struct Pass {
    double aos = 0; // first whole second at or above the minimum elevation
    double los = 0; // last whole second at or above it
    double peak = 0;
    double peakElevation = 0;
    double aosAzimuth = 0; // at `clearFrom` when there is one
    double losAzimuth = 0; // at `clearTo` when there is one
    // With a horizon table: the first and last seconds the satellite is clear of the
    // obstruction of its azimuth, nothing when it never is; without one, aos and los.
    std::optional<double> clearFrom, clearTo;
    int hiddenSeconds = 0;
    bool cutAtStart = false; // under way when the window opened: aos is its start
    bool cutAtEnd = false;   // still up when the window closed: los is its end

    // The seconds from clearFrom to clearTo; 0 when never clear.
    double durationSeconds() const;
};

// The passes above `minimumElevation` (degrees) between `fromDay` and `toDay`, in order,
// at most `limit` of them. A pass under way at either end is cut there.
std::vector<Pass> findPasses(const PassSky& sky, double fromDay, double toDay,
                             double minimumElevation, std::size_t limit = SIZE_MAX);

// Where a search for passes from `day` starts so that a pass under way is found whole:
// `day` itself while the satellite is down, else the last scan step before it rose
// (at most `lookBackDays` back).
double searchStart(const PassSky& sky, double day, double lookBackDays, double minimumElevation);

// The pass under way at `day` with its true rise (looked for up to `lookBackDays`
// back), or else the next one that rises within `lookAheadDays`.
std::optional<Pass> currentOrNextPass(const PassSky& sky, double day, double lookAheadDays,
                                      double lookBackDays = 1, double minimumElevation = 0);

struct PassPoint {
    double azimuth;
    double elevation;
};
// The pass's path across the sky, one point every `stepSeconds` from AOS to LOS (both
// included); points the propagator cannot give are left out.
std::vector<PassPoint> passTrack(const PassSky& sky, const Pass& pass, double stepSeconds);

} // namespace orv::sky
