#include "station/program_directory.h"

#include "core/number_text.h"

namespace orv::station {

using core::trimmed;
using core::upperCased;

std::optional<int> variantFromDirectory(const std::string& programDir) {
    std::string dir = programDir;
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    if (dir.size() < 9) return std::nullopt;
    const std::string tail = upperCased(dir.substr(dir.size() - 9));
    if (tail == "ORV_KITE3") return 3;
    if (tail == "ORV_KITE4") return 4;
    return std::nullopt;
}

bool demoRequested(int variant, const std::string& commandLine) {
    return variant == 3 && upperCased(trimmed(commandLine)) == "DEMO";
}

std::string versionText(int variant) {
    return "Ver " + std::to_string(variant) + "." + "0" + "." + "g";
}

std::string windowCaption(int variant) {
    return "Orv_Kite " + std::string("2003") + "     " + std::to_string(variant) + "." + "0" + "." +
           "g" + "  Satellite Station Controller";
}

} // namespace orv::station
