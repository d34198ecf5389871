// orv_kite_tool time: the station's day number, UTC fraction and UTC text for a local
// clock reading and a UTC offset, as the time routine computes them.
#include "core/number_text.h"
#include "orbit/day_instant.h"
#include "orbit/time_routines.h"
#include "tools/commands.h"
#include "tools/orbit_tool_common.h"

#include <cstdio>

namespace orv::tools {

namespace {
const char* kTimeUsage =
    "Usage: orv_kite_tool time --local \"YYYY-MM-DD hh:mm:ss\" [--offset HOURS]\n"
    "  Prints (TSV) the day number of the local date (2000 January 1 = 1), the UTC\n"
    "  fraction of that day (not reduced to 0..1) and the UTC clock text. HOURS is the\n"
    "  configuration's \"UTC Offset\": local time = UTC + offset, read as the station\n"
    "  reads it (a leading number; fractions allowed; default 0).\n";
} // namespace

int timeCommand(const std::vector<std::string>& words) {
    ToolArguments arguments;
    int exitCode = 0;
    if (!argumentsOrUsage(words, {"--local", "--offset"}, kTimeUsage, arguments, exitCode))
        return exitCode;
    if (!arguments.has("--local")) {
        std::fputs(kTimeUsage, stderr);
        return 2;
    }
    // The clock reading is taken as wall-clock fields: no time zone comes into it.
    const QDateTime local = orbit::parseUtcInstant(arguments.value("--local"));
    if (!local.isValid()) {
        std::fprintf(stderr, "orv_kite_tool: --local takes \"YYYY-MM-DD hh:mm:ss\", not \"%s\"\n",
                     arguments.value("--local").c_str());
        return 2;
    }
    const double offset = core::leadingNumber(arguments.value("--offset", "0"));
    const orbit::TimeFields fields = orbit::timeFieldsFor(local, offset);
    std::printf("dayNumber\tdayFraction\tutcText\n%.0f\t%.6f\t%s\n", fields.dayNumber,
                fields.dayFraction, fields.utcText.c_str());
    return 0;
}

} // namespace orv::tools
