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
    const auto arguments = parseToolArguments(words, {"--settings", "--variant"});
    if (arguments.has("--help")) {
        std::fputs(kConfigUsage, stdout);
        return 0;
    }
    if (!arguments.error.empty() || arguments.positional.empty()) {
        if (!arguments.error.empty())
            std::fprintf(stderr, "orv_kite_tool: %s\n", arguments.error.c_str());
        std::fputs(kConfigUsage, stderr);
        return 2;
    }
    int variant = 4;
    if (!variantOf(arguments, variant)) return 2;
    const auto store = openStore(arguments);
    if (!store) return 1;
    core::Configuration configuration(*store);
    const std::string& action = arguments.positional[0];
    const size_t count = arguments.positional.size();
    int key = 0;

    try {
        if (action == "show" && count == 1) {
            show(configuration.load(variant), variant, arguments.has("--tsv"));
            if (configuration.isFirstRun(variant))
                std::fprintf(stderr,
                             "orv_kite_tool: variant %d has no configuration yet; the "
                             "station writes the defaults at its first start\n",
                             variant);
            return 0;
        }
        if (action == "get" && count == 2) {
            if (!keyOf(arguments.positional[1], key)) return 2;
            std::printf("%s\n", configuration.read(variant, key).c_str());
            return 0;
        }
        if (action == "set" && count == 3) {
            if (!keyOf(arguments.positional[1], key)) return 2;
            configuration.write(variant, key, arguments.positional[2]);
            return 0;
        }
        if (action == "defaults" && count == 1) {
            configuration.makes_cfg(variant);
            return 0;
        }
    } catch (const core::SettingsError& error) {
        std::fprintf(stderr, "orv_kite_tool: %s\n", error.what());
        return 1;
    }
    std::fputs(kConfigUsage, stderr);
    return 2;
}

} // namespace orv::tools
