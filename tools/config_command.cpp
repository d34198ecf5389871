// orv_kite_tool config: show, get, set and reset the configuration of a variant.
#include "core/configuration.h"
#include "core/number_text.h"
#include "tools/commands.h"
#include "tools/tool_arguments.h"

#include <cstdio>
#include <string>

namespace orv::tools {

namespace {

const char* kConfigUsage =
    "Usage: orv_kite_tool config show|get K|set K VALUE|defaults\n"
    "                            [--settings FILE] [--variant 3|4] [--tsv]\n"
    "  show      every entry (key, label, stored text, converted value), then the\n"
    "            values derived from them\n"
    "  get K     the stored text of entry K (1..35)\n"
    "  set K V   stores V as entry K; the station reads it at its next start\n"
    "  defaults  writes the 35 first-run defaults\n";

std::string convertedText(const core::ConfigValues& values, int key) {
    const auto& entry = core::configEntry(key);
    switch (entry.kind) {
    case core::EntryKind::Real:
    case core::EntryKind::Whole:
        return core::numberText(values.numberOf(key));
    case core::EntryKind::Word:
        return core::upperCased(values.stored[key - 1]);
    case core::EntryKind::Text:
        return values.stored[key - 1];
    }
    return {};
}

bool keyOf(const std::string& text, int& key) {
    key = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || key > 100) return false;
        key = key * 10 + (c - '0');
    }
    if (!text.empty() && key >= 1 && key <= core::kConfigEntryCount) return true;
    std::fprintf(stderr, "orv_kite_tool: the configuration has keys 1 to 35, not \"%s\"\n",
                 text.c_str());
    return false;
}

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const auto& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

// What the station will make of the text just stored, and a warning when a number
// entry reads only part of it ("12abc" is 12, "abc" is 0).
void reportConverted(const core::ConfigValues& values, int key, const std::string& text) {
    const std::string converted = convertedText(values, key);
    std::printf("%s\n", converted.c_str());
    const auto kind = core::configEntry(key).kind;
    if ((kind == core::EntryKind::Real || kind == core::EntryKind::Whole) &&
        !core::readsWholeAsNumber(text))
        std::fprintf(stderr,
                     "orv_kite_tool: warning: \"%s\" is not a number as a whole; entry %d (%s) "
                     "reads it as %s\n",
                     text.c_str(), key, core::configEntry(key).label, converted.c_str());
}

char hexText[16];
const char* hex(int value) {
    std::snprintf(hexText, sizeof hexText, "0x%X", value);
    return hexText;
}

void show(const core::ConfigValues& values, int variant, bool tsv) {
    const double interval = core::applyLateIntervalBound(values.programTimerMs);
    const int mapTicks = core::mapIntervalTicks(values.mapUpdateSeconds, values.programTimerMs);
    if (tsv) {
        std::printf("key\tlabel\tstored\tconverted\n");
        for (const auto& entry : core::kConfigEntries)
            std::printf("%d\t%s\t%s\t%s\n", entry.key, entry.label,
                        values.stored[entry.key - 1].c_str(),
                        convertedText(values, entry.key).c_str());
    } else {
        std::printf("Configuration of variant %d (%s)\n", variant,
                    core::Configuration::applicationFor(variant).c_str());
        std::printf("%3s  %-36s %-20s %s\n", "key", "label", "stored", "converted");
        for (const auto& entry : core::kConfigEntries)
            std::printf("%3d  %-36s %-20s %s\n", entry.key, entry.label,
                        ("\"" + values.stored[entry.key - 1] + "\"").c_str(),
                        convertedText(values, entry.key).c_str());
        std::printf("\n");
    }
    const auto derived = [&](const char* name, const std::string& value) {
        std::printf(tsv ? "derived\t%s\t\t%s\n" : "%-31s %s\n", name, value.c_str());
    };
    derived("parallel_port_base", variant == 3 ? hex(values.parallelPortBase) : "-");
    derived("azimuth_rotator", values.azRotatorEnabled ? "enabled" : "disabled");
    derived("elevation_rotator", values.elRotatorEnabled ? "enabled" : "disabled");
    derived("output_sense", std::to_string(values.outputSense));
    derived("main_loop_interval_ms", core::numberText(interval));
    derived("dde_interval_ms", core::numberText(values.ddeTimerSeconds * 1000));
    derived("map_interval_ticks", std::to_string(mapTicks));
}

} // namespace

int configCommand(const std::vector<std::string>& words) {
    const auto arguments = parseToolArguments(words, {"--settings", "--variant", flag("--tsv")});
    if (arguments.has("--help")) {
        std::fputs(kConfigUsage, stdout);
        return 0;
    }
    if (!arguments.error.empty()) return refuseArguments(arguments.error, kConfigUsage);
    const auto& p = arguments.positional;
    const size_t count = p.size();
    const std::string action = count > 0 ? p[0] : std::string();
    const bool known = (action == "show" && count == 1) || (action == "get" && count == 2) ||
                       (action == "set" && count == 3) || (action == "defaults" && count == 1);
    if (!known)
        return refuseArguments(count == 0 ? "config needs an action"
                                          : "config takes show, get K, set K VALUE or defaults, "
                                            "not \"" +
                                                joined(p) + "\"",
                               kConfigUsage);
    int variant = 4;
    if (!variantOf(arguments, variant)) return 2;
    int key = 0;
    if ((action == "get" || action == "set") && !keyOf(p[1], key)) return 2;
    const auto store =
        openStore(arguments, action == "defaults" ? StoreUse::MayCreate : StoreUse::Existing);
    if (!store) return 1;
    core::Configuration configuration(*store);

    try {
        if (action == "show") {
            show(configuration.load(variant), variant, arguments.has("--tsv"));
            if (configuration.isFirstRun(variant))
                std::fprintf(stderr,
                             "orv_kite_tool: variant %d has no configuration yet; the "
                             "station writes the defaults at its first start\n",
                             variant);
        } else if (action == "get") {
            std::printf("%s\n", configuration.read(variant, key).c_str());
        } else if (action == "set") {
            configuration.write(variant, key, p[2]);
            reportConverted(configuration.load(variant), key, p[2]);
        } else {
            configuration.makes_cfg(variant);
        }
    } catch (const core::SettingsError& error) {
        std::fprintf(stderr, "orv_kite_tool: %s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace orv::tools
