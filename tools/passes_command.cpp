// orv_kite_tool passes: the passes of one satellite over an observer in a window of
// days, with AOS and LOS found to the second.
#include "orbit/day_instant.h"
#include "orbit/element_set.h"
#include "orbit/plan13.h"
#include "tools/commands.h"
#include "tools/orbit_tool_common.h"

#include <cmath>
#include <cstdio>

namespace orv::tools {

namespace {

const char* kPassesUsage =
    "Usage: orv_kite_tool passes --elements FILE --name NAME --lat DEG --lon DEG [--height M]\n"
    "                            --from \"YYYY-MM-DD hh:mm:ss\" --days D [--min-elevation DEG]\n"
    "  Prints (TSV) each pass above the minimum elevation (default 0, the geometric\n"
    "  horizon, without the station's tracking bias) in the D days from the UTC instant\n"
    "  --from: AOS time and azimuth, time and elevation of the highest point, LOS time\n"
    "  and azimuth, and the duration in seconds. A pass under way at either end of the\n"
    "  window is cut there.\n";

constexpr double kSecond = 1 / 86400.0;
// Coarse scan step: shorter than any pass worth listing above a low orbit's horizon.
constexpr double kScanStep = 20 * kSecond;
constexpr double kLongestWindowDays = 366;

struct Sky {
    const orbit::Plan13& orbit;
    const orbit::StationModel& station;

    // False on a numeric fault at `day`.
    bool look(double day, orbit::Observation& seen) const {
        orbit::SatelliteState state;
        return orbit.at(day, {}, state) && orbit::observe(station, state, seen);
    }
    double elevation(double day) const {
        orbit::Observation seen;
        return look(day, seen) ? seen.elevation : -90;
    }
};

// The first whole second in (below, above] at which the elevation is at least `minimum`,
// given that it is below at `below` and not below at `above`.
double crossing(const Sky& sky, double below, double above, double minimum, bool rising) {
    below = std::round(below * 86400) / 86400;
    above = std::round(above * 86400) / 86400;
    while (above - below > 1.5 * kSecond) {
        const double middle = std::round((below + above) / 2 * 86400) / 86400;
        ((sky.elevation(middle) >= minimum) == rising ? above : below) = middle;
    }
    return rising ? above : below;
}

// The highest point near the best coarse sample, to the second (golden-section search).
double highest(const Sky& sky, double from, double to) {
    constexpr double kRatio = 0.6180339887498949;
    double a = from, b = to;
    double c = b - kRatio * (b - a), d = a + kRatio * (b - a);
    double fc = sky.elevation(c), fd = sky.elevation(d);
    while (b - a > kSecond) {
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
    return std::round((a + b) / 2 * 86400) / 86400;
}

std::string timeText(double day) {
    return orbit::utcInstantText(orbit::utcOfDay(day), false);
}

void printPass(const Sky& sky, double aos, double los, double peakFrom, double peakTo) {
    const double peak = highest(sky, peakFrom, peakTo);
    orbit::Observation atAos, atPeak, atLos;
    sky.look(aos, atAos);
    sky.look(peak, atPeak);
    sky.look(los, atLos);
    std::printf("%s\t%.1f\t%s\t%.1f\t%s\t%.1f\t%.0f\n", timeText(aos).c_str(), atAos.azimuth,
                timeText(peak).c_str(), atPeak.elevation, timeText(los).c_str(), atLos.azimuth,
                std::round((los - aos) * 86400));
}

} // namespace

int passesCommand(const std::vector<std::string>& words) {
    ToolArguments arguments;
    int exitCode = 0;
    if (!argumentsOrUsage(words,
                          {"--elements", "--name", "--lat", "--lon", "--height", "--from", "--days",
                           "--min-elevation"},
                          kPassesUsage, arguments, exitCode))
        return exitCode;
    orbit::StationModel station;
    double days = 0, minimum = 0;
    if (!observerOf(arguments, station) || !numberOption(arguments, "--days", days, true) ||
        !numberOption(arguments, "--min-elevation", minimum, false, 0))
        return 2;
    const QDateTime from = orbit::parseUtcInstant(arguments.value("--from"));
    if (!from.isValid() || !(days > 0) || days > kLongestWindowDays) {
        std::fprintf(stderr,
                     "orv_kite_tool: --from takes \"YYYY-MM-DD hh:mm:ss\" (UTC) and "
                     "--days a number of days above 0, up to %.0f\n",
                     kLongestWindowDays);
        return 2;
    }
    orbit::PrivateElementStore store;
    std::string name;
    if (!loadElements(arguments, store, name)) return 1;
    std::string line1, line2;
    store.elements().lines(orbit::elementNameOf(name), line1, line2);
    const orbit::Plan13 orbit(orbit::parseElementSet(line1, line2));
    if (!orbit.usable()) {
        std::fprintf(stderr, "orv_kite_tool: the element set of %s describes no orbit\n",
                     name.c_str());
        return 1;
    }

    const Sky sky{orbit, station};
    const double start = orbit::dayOfUtc(from), end = start + days;
    warnOfOldElements(store, name, start);
    std::printf("aos_utc\taos_azimuth\tmax_utc\tmax_elevation\tlos_utc\tlos_azimuth\tduration_s\n");
    bool up = sky.elevation(start) >= minimum;
    double aos = start, best = start, bestElevation = -90;
    for (double t = start, previous = start; previous < end; previous = t, t += kScanStep) {
        const double now = std::fmin(t, end);
        const double elevation = sky.elevation(now);
        const bool visible = elevation >= minimum;
        if (visible && !up) {
            aos = crossing(sky, previous, now, minimum, true);
            bestElevation = -90;
        }
        if (visible && elevation > bestElevation) best = now, bestElevation = elevation;
        if (!visible && up)
            printPass(sky, aos, crossing(sky, previous, now, minimum, false),
                      std::fmax(aos, best - kScanStep), best + kScanStep);
        up = visible;
        if (now >= end) break;
    }
    if (up)
        printPass(sky, aos, end, std::fmax(aos, best - kScanStep),
                  std::fmin(end, best + kScanStep));
    return 0;
}

} // namespace orv::tools
