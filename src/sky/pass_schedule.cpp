#include "sky/pass_schedule.h"

#include "sky/horizon_table.h"

#include <cmath>

namespace orv::sky {

namespace {

// Coarse scan step: shorter than any pass worth listing above a low orbit's horizon.
constexpr double kScanStep = 20 * kSecondOfDay;

double wholeSecond(double day) {
    return std::round(day * 86400) / 86400;
}

// The first whole second in (below, above] at which the elevation is at least `minimum`
// (rising), or the last one in [below, above) (setting), given that the elevation is on
// opposite sides of `minimum` at the two ends.
double crossing(const PassSky& sky, double below, double above, double minimum, bool rising) {
    below = wholeSecond(below);
    above = wholeSecond(above);
    while (above - below > 1.5 * kSecondOfDay) {
        const double middle = wholeSecond((below + above) / 2);
        ((sky.elevation(middle) >= minimum) == rising ? above : below) = middle;
    }
    return rising ? above : below;
}

// The highest point between `from` and `to`, to the second (golden-section search).
double highest(const PassSky& sky, double from, double to) {
    constexpr double kRatio = 0.6180339887498949;
    double a = from, b = to;
    double c = b - kRatio * (b - a), d = a + kRatio * (b - a);
    double fc = sky.elevation(c), fd = sky.elevation(d);
    while (b - a > kSecondOfDay) {
        if (fc > fd) {
            b = d, d = c, fd = fc;
            c = b - kRatio * (b - a);
            fc = sky.elevation(c);
        } else {
            a = c, c = d, fc = fd;
            d = a + kRatio * (b - a);
            fd = sky.elevation(d);
        }
    }
    return wholeSecond((a + b) / 2);
}

// When the satellite is clear of the horizon table within a pass, second by second.
void findClearSpan(const PassSky& sky, Pass& pass) {
    pass.clearFrom.reset();
    pass.clearTo.reset();
    pass.hiddenSeconds = 0;
    for (double t = pass.aos; t <= pass.los + kSecondOfDay / 2; t += kSecondOfDay) {
        orbit::Observation seen;
        if (!sky.look(t, seen) || sky.horizon->hidesOnMap(seen.azimuth, seen.elevation)) {
            ++pass.hiddenSeconds;
            continue;
        }
        if (!pass.clearFrom) pass.clearFrom = t;
        pass.clearTo = t;
    }
}

Pass completePass(const PassSky& sky, double aos, double los, double peakFrom, double peakTo) {
    Pass pass;
    pass.aos = aos;
    pass.los = los;
    pass.peak = highest(sky, peakFrom, peakTo);
    pass.peakElevation = sky.elevation(pass.peak);
    if (sky.horizon) {
        findClearSpan(sky, pass);
    } else {
        pass.clearFrom = aos;
        pass.clearTo = los;
    }
    orbit::Observation seen;
    if (pass.clearFrom && sky.look(*pass.clearFrom, seen)) pass.aosAzimuth = seen.azimuth;
    if (pass.clearTo && sky.look(*pass.clearTo, seen)) pass.losAzimuth = seen.azimuth;
    return pass;
}

} // namespace

bool PassSky::look(double day, orbit::Observation& seen) const {
    orbit::SatelliteState state;
    return orbit.at(day, {}, state) && orbit::observe(station, state, seen);
}

double PassSky::elevation(double day) const {
    orbit::Observation seen;
    return look(day, seen) ? seen.elevation : -90;
}

double Pass::durationSeconds() const {
    return clearFrom && clearTo ? std::round((*clearTo - *clearFrom) * 86400) : 0;
}

std::vector<Pass> findPasses(const PassSky& sky, double fromDay, double toDay,
                             double minimumElevation, std::size_t limit) {
    std::vector<Pass> passes;
    if (!(toDay > fromDay) || limit == 0) return passes;
    bool up = sky.elevation(fromDay) >= minimumElevation;
    const bool upAtStart = up;
    double aos = fromDay, best = fromDay, bestElevation = -90;
    for (double t = fromDay, previous = fromDay; previous < toDay; previous = t, t += kScanStep) {
        const double now = std::fmin(t, toDay);
        const double elevation = sky.elevation(now);
        const bool visible = elevation >= minimumElevation;
        if (visible && !up) {
            aos = crossing(sky, previous, now, minimumElevation, true);
            bestElevation = -90;
        }
        if (visible && elevation > bestElevation) best = now, bestElevation = elevation;
        if (!visible && up) {
            passes.push_back(completePass(sky, aos,
                                          crossing(sky, previous, now, minimumElevation, false),
                                          std::fmax(aos, best - kScanStep), best + kScanStep));
            passes.back().cutAtStart = upAtStart && passes.size() == 1;
            if (passes.size() >= limit) return passes;
        }
        up = visible;
        if (now >= toDay) break;
    }
    if (up) {
        passes.push_back(completePass(sky, aos, toDay, std::fmax(aos, best - kScanStep),
                                      std::fmin(toDay, best + kScanStep)));
        passes.back().cutAtStart = upAtStart && passes.size() == 1;
        passes.back().cutAtEnd = true;
    }
    return passes;
}

double searchStart(const PassSky& sky, double day, double lookBackDays, double minimumElevation) {
    double from = day;
    while (sky.elevation(from) >= minimumElevation && from > day - lookBackDays)
        from -= kScanStep;
    return from;
}

std::optional<Pass> currentOrNextPass(const PassSky& sky, double day, double lookAheadDays,
                                      double lookBackDays, double minimumElevation) {
    const double from = searchStart(sky, day, lookBackDays, minimumElevation);
    const auto passes = findPasses(sky, from, day + lookAheadDays, minimumElevation, 2);
    for (const Pass& pass : passes)
        if (pass.los >= wholeSecond(day)) return pass;
    return std::nullopt;
}

std::vector<PassPoint> passTrack(const PassSky& sky, const Pass& pass, double stepSeconds) {
    std::vector<PassPoint> points;
    if (!(stepSeconds > 0)) return points;
    const double step = stepSeconds * kSecondOfDay;
    orbit::Observation seen;
    for (double t = pass.aos;; t = std::fmin(t + step, pass.los)) {
        if (sky.look(t, seen)) points.push_back({seen.azimuth, seen.elevation});
        if (t >= pass.los) break;
    }
    return points;
}

} // namespace orv::sky
