// orv_kite_tool passes: the passes of one satellite over an observer in a window of
// days, with AOS and LOS found to the second.
#include "core/configuration.h"
#include "core/sky_store.h"
#include "orbit/day_instant.h"
#include "orbit/element_set.h"
#include "orbit/plan13.h"
#include "sky/horizon_table.h"
#include "sky/pass_schedule.h"
#include "tools/commands.h"
#include "tools/orbit_tool_common.h"

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

constexpr double kLongestWindowDays = 366;

std::string timeText(double day) {
    return orbit::utcInstantText(orbit::utcOfDay(day), false);
}

void printPass(const sky::PassSky& sky, const sky::Pass& pass, bool withHidden) {
    orbit::Observation atPeak;
    sky.look(pass.peak, atPeak);
    std::string aosText = "-", aosAzimuth = "-", losText = "-", losAzimuth = "-";
    char number[32];
    if (pass.clearFrom && pass.clearTo) {
        aosText = timeText(*pass.clearFrom), losText = timeText(*pass.clearTo);
        std::snprintf(number, sizeof number, "%.1f", pass.aosAzimuth);
        aosAzimuth = number;
        std::snprintf(number, sizeof number, "%.1f", pass.losAzimuth);
        losAzimuth = number;
    }
    std::printf("%s\t%s\t%s\t%.1f\t%s\t%s\t%.0f", aosText.c_str(), aosAzimuth.c_str(),
                timeText(pass.peak).c_str(), atPeak.elevation, losText.c_str(), losAzimuth.c_str(),
                pass.durationSeconds());
    if (withHidden) std::printf("\t%d", pass.hiddenSeconds);
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

    const sky::PassSky sky{orbit, station, horizon ? &*horizon : nullptr};
    const double start = orbit::dayOfUtc(from), end = start + days;
    warnOfOldElements(store, name, start);
    std::printf(
        "aos_utc\taos_azimuth\tmax_utc\tmax_elevation\tlos_utc\tlos_azimuth\tduration_s%s\n",
        withSettings ? "\thidden_s" : "");
    for (const sky::Pass& pass : sky::findPasses(sky, start, end, minimum))
        printPass(sky, pass, withSettings);
    return 0;
}

} // namespace orv::tools
