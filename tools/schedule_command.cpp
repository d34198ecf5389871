// orv_kite_tool schedule: the mean-anomaly schedule of one satellite.
#include "core/number_text.h"
#include "core/satellite_db.h"
#include "core/settings_store.h"
#include "core/sky_store.h"
#include "sky/ma_schedule.h"
#include "tools/commands.h"
#include "tools/tool_arguments.h"

#include <cstdio>

namespace orv::tools {

namespace {

const char* kScheduleUsage =
    "Usage: orv_kite_tool schedule COMMAND [--settings FILE]\n"
    "  show [--tsv]     the 14 keys, then the MA ranges they give and whether each\n"
    "                   configuration's satellite record exists\n"
    "  set KEY VALUE    key 1: the satellite's name (\"Sample Entry\": no schedule);\n"
    "                   keys 2..6: first column of rows 2..6 (0 ends the schedule);\n"
    "                   keys 7..12: last MA (0..255) of rows 1..6;\n"
    "                   keys 13, 14: the attitude ALON and ALAT in degrees\n"
    "  clear            the default: no schedule\n";

int fail(const std::string& message, int code = 1) {
    std::fprintf(stderr, "orv_kite_tool: %s\n", message.c_str());
    return code;
}

std::string meaningOf(int key) {
    if (key == 1) return "satellite";
    if (key <= 6) return "row " + std::to_string(key) + " first";
    if (key <= 12) return "row " + std::to_string(key - 6) + " last MA";
    return key == 13 ? "ALON" : "ALAT";
}

// The runs of one configuration in the MA table, in MA order.
void showRanges(const sky::MaSchedule& schedule, const core::SatelliteDb& db) {
    if (schedule.satellite.empty()) {
        std::printf("no schedule\n");
        return;
    }
    int first = 0;
    for (int ma = 1; ma <= sky::MaSchedule::kEntries; ++ma) {
        const bool ends = ma == sky::MaSchedule::kEntries || schedule.at(ma) != schedule.at(first);
        if (!ends) continue;
        const std::string& name = schedule.at(first);
        const std::string shown = name.empty() ? schedule.satellite + " (standard)" : name;
        const char* record = db.exists(name.empty() ? schedule.satellite : name) ? "yes" : "no";
        std::printf("MA %3d..%3d  %-24s record %s\n", first, ma - 1, shown.c_str(), record);
        first = ma;
    }
}

int show(core::SettingsStore& store, bool tsv) {
    const auto keys = core::readSchedule(store);
    if (tsv) std::printf("key\tmeaning\tvalue\n");
    for (int k = 1; k <= core::kScheduleKeys; ++k)
        std::printf(tsv ? "%d\t%s\t%s\n" : "%2d  %-16s %s\n", k, meaningOf(k).c_str(),
                    keys[size_t(k - 1)].c_str());
    if (tsv) return 0;
    std::printf("\n");
    showRanges(sky::buildMaSchedule(keys), core::SatelliteDb(store));
    return 0;
}

int set(core::SettingsStore& store, const std::string& keyText, const std::string& value) {
    int key = 0;
    if (!wholeNumberIn(keyText, 1, core::kScheduleKeys, key))
        return fail("the schedule has keys 1 to 14, not \"" + keyText + "\"", 2);
    double number = 0;
    if (key == 1 && core::trimmed(value).empty())
        return fail("key 1 is the satellite's name; \"Sample Entry\" stands for no schedule", 2);
    if (key >= 2 && key <= 12 && !numberIn(value, 0, 255, number))
        return fail("key " + keyText + " is a mean anomaly 0 to 255, not \"" + value + "\"", 2);
    if (key >= 13 && !numberIn(value, -360, 360, number))
        return fail("key " + keyText + " is an angle in degrees, not \"" + value + "\"", 2);
    auto keys = core::readSchedule(store);
    keys[size_t(key - 1)] = key == 1 ? core::trimmed(value) : value;
    core::writeSchedule(store, keys);
    return 0;
}

} // namespace

int scheduleCommand(const std::vector<std::string>& words) {
    const auto arguments = parseToolArguments(words, {"--settings", flag("--tsv")});
    if (arguments.has("--help")) {
        std::fputs(kScheduleUsage, stdout);
        return 0;
    }
    if (!arguments.error.empty()) return refuseArguments(arguments.error, kScheduleUsage);
    const auto& p = arguments.positional;
    if (p.empty()) return refuseArguments("schedule needs a command", kScheduleUsage);
    const auto store = openStore(arguments);
    if (!store) return 1;
    try {
        if (p[0] == "show" && p.size() == 1) return show(*store, arguments.has("--tsv"));
        if (p[0] == "set" && p.size() == 3) return set(*store, p[1], p[2]);
        if (p[0] == "clear" && p.size() == 1) {
            core::writeSchedule(*store, core::defaultSchedule());
            return 0;
        }
    } catch (const core::SettingsError& error) {
        return fail(error.what());
    }
    std::string typed;
    for (const auto& word : p)
        typed += (typed.empty() ? "" : " ") + word;
    return refuseArguments("schedule has no command \"" + typed + "\"", kScheduleUsage);
}

} // namespace orv::tools
