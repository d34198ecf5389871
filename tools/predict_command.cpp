// orv_kite_tool predict: runs keplers as the station does, for one satellite and
// observer at a chosen UTC instant (and steps after it), and prints what it writes.
#include "core/panel.h"
#include "core/tracking_state.h"
#include "orbit/day_instant.h"
#include "orbit/keplers.h"
#include "orbit/plan13_constants.h"
#include "tools/commands.h"
#include "tools/orbit_tool_common.h"

#include <cmath>
#include <cstdio>

namespace orv::tools {

namespace {

const char* kPredictUsage =
    "Usage: orv_kite_tool predict --elements FILE --name NAME --lat DEG --lon DEG\n"
    "                             [--height M] (--utc \"YYYY-MM-DD hh:mm:ss[.fff]\" | --day D)\n"
    "                             [--step SECONDS] [--count N]\n"
    "  Runs the station's position routine with a UTC offset of 0 and prints one TSV row\n"
    "  per instant: the tracking azimuth and elevation (with the station's +0.2 degree\n"
    "  elevation bias), range, range rate, mean anomaly in 256ths and squint, then the map\n"
    "  mode's sub-satellite point, altitude, azimuth and elevation (no bias) and the sun's\n"
    "  sub-point in degrees. --day D is the station's time base: the day number plus the\n"
    "  UTC fraction, 2000 January 1 0h UTC being 1.0. Latitude north and longitude east\n"
    "  are positive; --height defaults to 0. --step defaults to 60, --count to 1.\n";

constexpr int kLargestCount = 1000000;

// The first instant from --utc or --day.
bool startDay(const ToolArguments& arguments, double& day) {
    if (arguments.has("--utc") == arguments.has("--day")) {
        std::fprintf(stderr, "orv_kite_tool: give either --utc or --day\n");
        return false;
    }
    if (arguments.has("--day")) return numberOption(arguments, "--day", day, true);
    const QDateTime utc = orbit::parseUtcInstant(arguments.value("--utc"));
    if (!utc.isValid()) {
        std::fprintf(stderr,
                     "orv_kite_tool: --utc takes \"YYYY-MM-DD hh:mm:ss[.fff]\", not \"%s\"\n",
                     arguments.value("--utc").c_str());
        return false;
    }
    day = orbit::dayOfUtc(utc);
    return true;
}

void forgetPosition(core::TrackingState& tracking) {
    for (double* field : {&tracking.azimuth, &tracking.elevation, &tracking.range,
                          &tracking.rangeRate, &tracking.squint, &tracking.subLongitude,
                          &tracking.subLatitude, &tracking.altitude, &tracking.mapAzimuth,
                          &tracking.mapElevation, &tracking.sunLongitude, &tracking.sunLatitude})
        *field = NAN;
    tracking.ma256 = 0;
}

} // namespace

int predictCommand(const std::vector<std::string>& words) {
    ToolArguments arguments;
    int exitCode = 0;
    if (!argumentsOrUsage(words,
                          {"--elements", "--name", "--lat", "--lon", "--height", "--utc", "--day",
                           "--step", "--count"},
                          kPredictUsage, arguments, exitCode))
        return exitCode;
    orbit::StationModel station;
    double day = 0, step = 60, count = 1;
    if (!observerOf(arguments, station) || !startDay(arguments, day) ||
        !numberOption(arguments, "--step", step, false, 60) ||
        !numberOption(arguments, "--count", count, false, 1))
        return 2;
    if (count < 1 || count > kLargestCount || count != std::floor(count)) {
        std::fprintf(stderr, "orv_kite_tool: --count is a whole number from 1 to %d\n",
                     kLargestCount);
        return 2;
    }
    orbit::PrivateElementStore store;
    std::string name;
    if (!loadElements(arguments, store, name)) return 1;
    warnOfOldElements(store, name, day);

    core::TrackingState tracking;
    core::Panel panel;
    int elementsValid = 0, elementsMissing = 0;
    double now = day;
    // The station's clock reading, with the tool's instant in place of the clock.
    const auto readClock = [&] {
        tracking.dayNumber = std::floor(now);
        tracking.dayFraction = now - std::floor(now);
    };
    orbit::Keplers keplers(orbit::Keplers::Wiring{
        store.elements(), tracking, panel, {elementsValid, elementsMissing}, readClock});
    keplers.setStationModel(station);

    std::printf("utc\tazimuth\televation\trange_km\trange_rate_km_s\tma256\tsquint_deg\tsub_lon"
                "\tsub_lat\taltitude_km\tmap_azimuth\tmap_elevation\tsun_lon_deg\tsun_lat_deg\n");
    int faults = 0;
    for (int i = 0; i < static_cast<int>(count); ++i) {
        now = day + i * step / 86400.0;
        forgetPosition(tracking); // a call that writes nothing shows as nan
        tracking.mapMode = 0;
        keplers.keplers(name);
        tracking.mapMode = 1;
        keplers.keplers(name);
        tracking.mapMode = 0;
        if (std::isnan(tracking.azimuth) || std::isnan(tracking.subLongitude)) ++faults;
        using orbit::plan13::DEG;
        std::printf(
            "%s\t%.4f\t%.4f\t%.4f\t%.6f\t%d\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\n",
            orbit::utcInstantText(orbit::utcOfDay(now), true).c_str(), tracking.azimuth,
            tracking.elevation, tracking.range, tracking.rangeRate, tracking.ma256, tracking.squint,
            tracking.subLongitude, tracking.subLatitude, tracking.altitude, tracking.mapAzimuth,
            tracking.mapElevation, DEG * tracking.sunLongitude, DEG * tracking.sunLatitude);
    }
    if (faults > 0)
        std::fprintf(stderr, "orv_kite_tool: the element set gave no position at %d instants\n",
                     faults);
    return faults > 0 ? 1 : 0;
}

} // namespace orv::tools
