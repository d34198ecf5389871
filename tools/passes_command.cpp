// orv_kite_tool passes: the passes of one satellite over an observer in a window of
// days, with AOS and LOS found to the second.
#include "core/configuration.h"
#include "core/sky_store.h"
#include "orbit/day_instant.h"
#include "orbit/element_set.h"
#include "orbit/plan13.h"
#include "sky/horizon_table.h"
#include "tools/commands.h"
#include "tools/orbit_tool_common.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace orv::tools {

namespace {

const char* kPassesUsage =
    "Usage: orv_kite_tool passes --elements FILE --name NAME --lat DEG --lon DEG [--height M]\n"
    "                            --from \"YYYY-MM-DD hh:mm:ss\" --days D [--min-elevation DEG]\n"
    "                            [--settings FILE [--variant 3|4]]\n"
    "  Prints (TSV) each pass above the minimum elevation (default 0, the geometric\n"
    "  horizon, without the station's tracking bias) in the D days from the UTC instant\n"
    "  --from: AOS time and azimuth, time and elevation of the highest point, LOS time\n"
    "  and azimuth, and the duration in seconds. A pass under way at either end of the\n"
    "  window is cut there.\n"
    "  With --settings the station's location stands in for --lat, --lon and --height, and\n"
    "  when its configuration entry 32 is YES its horizon table is honoured: AOS and LOS\n"
    "  are the first and last seconds the satellite is clear of the obstruction of its\n"
    "  azimuth (\"-\" when it never is), and a last column hidden_s gives the seconds of\n"
    "  the pass spent behind it.\n";

constexpr double kSecond = 1 / 86400.0;
// Coarse scan step: shorter than any pass worth listing above a low orbit's horizon.
constexpr double kScanStep = 20 * kSecond;
constexpr double kLongestWindowDays = 366;

struct Sky {
    const orbit::Plan13& orbit;
    const orbit::StationModel& station;
    const sky::HorizonTable* horizon = nullptr; // with --settings and entry 32 YES

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

// When the satellite is clear of the horizon table within a pass, to the second.
struct ClearSpan {
    std::optional<double> first, last;
    int hiddenSeconds = 0;
};

ClearSpan clearSpan(const Sky& sky, double aos, double los) {
    ClearSpan span;
    for (double t = aos; t <= los + kSecond / 2; t += kSecond) {
        orbit::Observation seen;
        const bool hidden =
            !sky.look(t, seen) || sky.horizon->hidesOnMap(seen.azimuth, seen.elevation);
        if (hidden) {
            ++span.hiddenSeconds;
            continue;
        }
        if (!span.first) span.first = t;
        span.last = t;
    }
    return span;
}

void printPass(const Sky& sky, double aos, double los, double peakFrom, double peakTo,
               bool withHidden) {
    const double peak = highest(sky, peakFrom, peakTo);
    int hidden = 0;
    std::optional<double> from = aos, to = los;
    if (sky.horizon) {
        const ClearSpan span = clearSpan(sky, aos, los);
        from = span.first, to = span.last, hidden = span.hiddenSeconds;
    }
    orbit::Observation atAos, atPeak, atLos;
    sky.look(peak, atPeak);
    std::string aosText = "-", aosAzimuth = "-", losText = "-", losAzimuth = "-";
    char number[32];
    if (from && to) {
        sky.look(*from, atAos);
        sky.look(*to, atLos);
        aosText = timeText(*from), losText = timeText(*to);
        std::snprintf(number, sizeof number, "%.1f", atAos.azimuth);
        aosAzimuth = number;
        std::snprintf(number, sizeof number, "%.1f", atLos.azimuth);
        losAzimuth = number;
    }
    const double duration = from && to ? std::round((*to - *from) * 86400) : 0;
    std::printf("%s\t%s\t%s\t%.1f\t%s\t%s\t%.0f", aosText.c_str(), aosAzimuth.c_str(),
                timeText(peak).c_str(), atPeak.elevation, losText.c_str(), losAzimuth.c_str(),
                duration);
    if (withHidden) std::printf("\t%d", hidden);
    std::printf("\n");
}

// The station's location and, when entry 32 is YES, its horizon table.
bool stationOf(const ToolArguments& arguments, orbit::StationModel& station,
               std::optional<sky::HorizonTable>& horizon) {
    int variant = 4;
    if (!variantOf(arguments, variant)) return false;
    const auto store = openStore(arguments);
    if (!store) return false;
    try {
        const core::ConfigValues config = core::Configuration(*store).load(variant);
        if (!arguments.has("--lat") && !arguments.has("--lon"))
            station = orbit::StationModel::from(config.latitude, config.longitude, config.height);
        if (config.horizonTable == "YES")
            horizon = sky::HorizonTable(core::readHorizonSegments(*store));
    } catch (const core::SettingsError& error) {
        std::fprintf(stderr, "orv_kite_tool: %s\n", error.what());
        return false;
    }
    return true;
}

} // namespace

int passesCommand(const std::vector<std::string>& words) {
    ToolArguments arguments;
    int exitCode = 0;
    if (!argumentsOrUsage(words,
                          {"--elements", "--name", "--lat", "--lon", "--height", "--from", "--days",
                           "--min-elevation", "--settings", "--variant"},
                          kPassesUsage, arguments, exitCode))
        return exitCode;
    orbit::StationModel station;
    std::optional<sky::HorizonTable> horizon;
    const bool withSettings = arguments.has("--settings");
    if (withSettings && !stationOf(arguments, station, horizon)) return 1;
    double days = 0, minimum = 0;
    const bool located = withSettings && !arguments.has("--lat") && !arguments.has("--lon");
    if ((!located && !observerOf(arguments, station)) ||
        !numberOption(arguments, "--days", days, true) ||
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

    const Sky sky{orbit, station, horizon ? &*horizon : nullptr};
    const double start = orbit::dayOfUtc(from), end = start + days;
    warnOfOldElements(store, name, start);
    std::printf(
        "aos_utc\taos_azimuth\tmax_utc\tmax_elevation\tlos_utc\tlos_azimuth\tduration_s%s\n",
        withSettings ? "\thidden_s" : "");
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
                      std::fmax(aos, best - kScanStep), best + kScanStep, withSettings);
        up = visible;
        if (now >= end) break;
    }
    if (up)
        printPass(sky, aos, end, std::fmax(aos, best - kScanStep), std::fmin(end, best + kScanStep),
                  withSettings);
    return 0;
}

} // namespace orv::tools
