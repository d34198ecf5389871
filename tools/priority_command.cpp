// orv_kite_tool priority: the auto-track priorities of the listed satellites.
#include "core/number_text.h"
#include "core/satellite_db.h"
#include "core/settings_store.h"
#include "core/sky_store.h"
#include "tools/commands.h"
#include "tools/tool_arguments.h"

#include <algorithm>
#include <cstdio>

namespace orv::tools {

namespace {

const char* kPriorityUsage =
    "Usage: orv_kite_tool priority COMMAND [--settings FILE]\n"
    "  list [--tsv]           the listed satellites (at most 30 take part) and their\n"
    "                         priorities, 10 the highest (-: never chosen)\n"
    "  set NAME PRIORITY      gives NAME priority 1..10, or none with \"none\"\n"
    "  clear                  no satellite has a priority\n"
    "  The station reads the priorities when auto-tracking is started from its priority\n"
    "  window.\n";

int fail(const std::string& message, int code = 1) {
    std::fprintf(stderr, "orv_kite_tool: %s\n", message.c_str());
    return code;
}

std::vector<std::string> listedNames(const core::SatelliteDb& db) {
    auto names = db.names();
    if (names.size() > size_t(core::kAutoTrackListLimit)) names.resize(core::kAutoTrackListLimit);
    return names;
}

int list(const core::SatelliteDb& db, const core::SettingsStore& store, bool tsv) {
    const auto names = listedNames(db);
    const auto texts = core::readPriorityTexts(store, int(names.size()));
    if (tsv) std::printf("position\tname\tpriority\n");
    for (size_t i = 0; i < names.size(); ++i) {
        const int priority = core::priorityValue(texts[i]);
        const std::string shown = priority ? std::to_string(priority) : "-";
        std::printf(tsv ? "%zu\t%s\t%s\n" : "%2zu  %-24s %s\n", i + 1, names[i].c_str(),
                    shown.c_str());
    }
    return 0;
}

int set(const core::SatelliteDb& db, core::SettingsStore& store, const std::string& name,
        const std::string& priorityText) {
    int priority = 0;
    const bool none = core::upperCased(priorityText) == "NONE";
    if (!none && !wholeNumberIn(priorityText, 1, core::kHighestPriority, priority))
        return fail("a priority is a whole number 1 to 10 (10 the highest) or none, not \"" +
                        priorityText + "\"",
                    2);
    const auto names = listedNames(db);
    if (std::find(names.begin(), names.end(), name) == names.end())
        return fail(name + " is not among the first 30 satellites of the list");
    auto texts = core::readPriorityTexts(store, int(names.size()));
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) texts[i] = none ? std::string() : std::to_string(priority);
    core::writePriorityTexts(store, texts);
    return 0;
}

} // namespace

int priorityCommand(const std::vector<std::string>& words) {
    const auto arguments = parseToolArguments(words, {"--settings", flag("--tsv")});
    if (arguments.has("--help")) {
        std::fputs(kPriorityUsage, stdout);
        return 0;
    }
    if (!arguments.error.empty()) return refuseArguments(arguments.error, kPriorityUsage);
    const auto& p = arguments.positional;
    if (p.empty()) return refuseArguments("priority needs a command", kPriorityUsage);
    const auto store = openStore(arguments);
    if (!store) return 1;
    const core::SatelliteDb db(*store);
    try {
        if (p[0] == "list" && p.size() == 1) return list(db, *store, arguments.has("--tsv"));
        if (p[0] == "set" && p.size() == 3) return set(db, *store, core::upperCased(p[1]), p[2]);
        if (p[0] == "clear" && p.size() == 1) {
            core::writePriorityTexts(*store, std::vector<std::string>(listedNames(db).size()));
            return 0;
        }
    } catch (const core::SettingsError& error) {
        return fail(error.what());
    }
    std::string typed;
    for (const auto& word : p)
        typed += (typed.empty() ? "" : " ") + word;
    return refuseArguments("priority has no command \"" + typed + "\"", kPriorityUsage);
}

} // namespace orv::tools
