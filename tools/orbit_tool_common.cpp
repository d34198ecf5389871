#include "tools/orbit_tool_common.h"

#include "orbit/element_age.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orv::tools {

bool argumentsOrUsage(const std::vector<std::string>& words, const std::vector<ToolOption>& options,
                      const char* usage, ToolArguments& arguments, int& exitCode) {
    arguments = parseToolArguments(words, options);
    if (arguments.has("--help")) {
        std::fputs(usage, stdout);
        exitCode = 0;
        return false;
    }
    if (arguments.error.empty() && arguments.positional.empty()) return true;
    exitCode =
        refuseArguments(arguments.error.empty() ? "unexpected \"" + arguments.positional[0] + "\""
                                                : arguments.error,
                        usage);
    return false;
}

bool numberOption(const ToolArguments& arguments, const std::string& name, double& value,
                  bool required, double fallback) {
    if (!arguments.has(name)) {
        if (required) std::fprintf(stderr, "orv_kite_tool: %s is required\n", name.c_str());
        value = fallback;
        return !required;
    }
    const std::string text = arguments.value(name);
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value)) {
        std::fprintf(stderr, "orv_kite_tool: %s takes a number, not \"%s\"\n", name.c_str(),
                     text.c_str());
        return false;
    }
    return true;
}

bool observerOf(const ToolArguments& arguments, orbit::StationModel& station) {
    double latitude = 0, longitude = 0, height = 0;
    if (!numberOption(arguments, "--lat", latitude, true) ||
        !numberOption(arguments, "--lon", longitude, true) ||
        !numberOption(arguments, "--height", height, false, 0))
        return false;
    if (std::fabs(latitude) > 90 || std::fabs(longitude) > 360) {
        std::fprintf(stderr, "orv_kite_tool: --lat is -90..90 and --lon -360..360 degrees\n");
        return false;
    }
    station = orbit::StationModel::from(latitude, longitude, height);
    return true;
}

bool loadElements(const ToolArguments& arguments, orbit::PrivateElementStore& store,
                  std::string& name) {
    const std::string path = arguments.value("--elements");
    name = arguments.value("--name");
    if (path.empty() || name.empty()) {
        std::fprintf(stderr, "orv_kite_tool: --elements FILE and --name NAME are required\n");
        return false;
    }
    const orbit::ImportResult result = store.load(path);
    if (result.status == orbit::ImportStatus::FileMissing) {
        std::fprintf(stderr, "orv_kite_tool: cannot read the element file %s\n",
                     result.detail.c_str());
        return false;
    }
    if (result.status == orbit::ImportStatus::FileCorrupt)
        std::fprintf(stderr, "orv_kite_tool: warning: %s; the %d sets before it are used\n",
                     result.detail.c_str(), result.setsWritten);
    std::string line1, line2;
    const std::string_view lookup = orbit::elementNameOf(name);
    if (!store.elements().lines(lookup, line1, line2)) {
        const std::string looked(lookup);
        std::fprintf(stderr, "orv_kite_tool: %s has no element set named \"%s\"%s\n", path.c_str(),
                     name.c_str(),
                     looked == name ? "" : (" (looked up as \"" + looked + "\")").c_str());
        return false;
    }
    return true;
}

void warnOfOldElements(orbit::PrivateElementStore& store, const std::string& name, double day) {
    std::string line1, line2;
    if (!store.elements().lines(orbit::elementNameOf(name), line1, line2)) return;
    const auto age = orbit::elementAgeDays(line1, line2, day);
    if (!age) return;
    if (const std::string warning = orbit::staleElementWarning(*age); !warning.empty())
        std::fprintf(stderr, "orv_kite_tool: warning: %s\n", warning.c_str());
}

} // namespace orv::tools
