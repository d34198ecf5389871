// orv_kite_tool horizon: show and change the station's horizon table.
#include "core/number_text.h"
#include "core/settings_store.h"
#include "core/sky_store.h"
#include "tools/commands.h"
#include "tools/tool_arguments.h"

#include <cstdio>

namespace orv::tools {

namespace {

const char* kHorizonUsage =
    "Usage: orv_kite_tool horizon COMMAND [--settings FILE]\n"
    "  show [--tsv]          the 36 azimuth segments and the highest elevation of the\n"
    "                        obstruction in each (0: nothing in the way)\n"
    "  set SEGMENT DEGREES   stores the obstruction of segment 1..36 (0 to 90 degrees);\n"
    "                        segment 1 covers azimuths 0 to 10, segment 36 351 to 360\n"
    "  clear                 no obstruction anywhere\n"
    "  The station uses the table when configuration entry 32 is YES.\n";

int fail(const std::string& message, int code = 1) {
    std::fprintf(stderr, "orv_kite_tool: %s\n", message.c_str());
    return code;
}

int show(const core::SettingsStore& store, bool tsv) {
    const auto segments = core::readHorizonSegments(store);
    if (tsv) std::printf("segment\tazimuths\tdegrees\n");
    for (int s = 1; s <= core::kHorizonSegments; ++s)
        std::printf(tsv ? "%d\t%s\t%s\n" : "%2d  %-11s %s\n", s,
                    core::horizonSegmentLabel(s).c_str(),
                    core::numberText(segments[size_t(s - 1)]).c_str());
    return 0;
}

int set(core::SettingsStore& store, const std::string& segmentText,
        const std::string& degreesText) {
    int segment = 0;
    double degrees = 0;
    if (!wholeNumberIn(segmentText, 1, core::kHorizonSegments, segment))
        return fail("the horizon table has segments 1 to 36, not \"" + segmentText + "\"", 2);
    if (!numberIn(degreesText, 0, 90, degrees))
        return fail("an obstruction is 0 to 90 degrees of elevation, not \"" + degreesText + "\"",
                    2);
    core::ensureHorizonTable(store);
    auto texts = core::readHorizonTexts(store);
    texts[size_t(segment - 1)] = core::numberText(degrees);
    core::writeHorizonTexts(store, texts);
    return 0;
}

} // namespace

int horizonCommand(const std::vector<std::string>& words) {
    const auto arguments = parseToolArguments(words, {"--settings", flag("--tsv")});
    if (arguments.has("--help")) {
        std::fputs(kHorizonUsage, stdout);
        return 0;
    }
    if (!arguments.error.empty()) return refuseArguments(arguments.error, kHorizonUsage);
    const auto& p = arguments.positional;
    if (p.empty()) return refuseArguments("horizon needs a command", kHorizonUsage);
    const auto store = openStore(arguments);
    if (!store) return 1;
    try {
        if (p[0] == "show" && p.size() == 1) return show(*store, arguments.has("--tsv"));
        if (p[0] == "set" && p.size() == 3) return set(*store, p[1], p[2]);
        if (p[0] == "clear" && p.size() == 1) {
            core::HorizonTexts zeros;
            zeros.fill("0");
            core::writeHorizonTexts(*store, zeros);
            return 0;
        }
    } catch (const core::SettingsError& error) {
        return fail(error.what());
    }
    std::string typed;
    for (const auto& word : p)
        typed += (typed.empty() ? "" : " ") + word;
    return refuseArguments("horizon has no command \"" + typed + "\"", kHorizonUsage);
}

} // namespace orv::tools
