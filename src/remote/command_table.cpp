#include "remote/command_table.h"

#include <algorithm>
#include <array>

namespace orv::remote {

bool vfoName(std::string_view word) {
    static constexpr std::array<std::string_view, 16> kNames = {
        "VFOA", "VFOB",  "VFOC",  "currVFO", "MEM", "VFO",  "TX",   "RX",
        "Main", "MainA", "MainB", "MainC",   "Sub", "SubA", "SubB", "SubC"};
    return std::find(kNames.begin(), kNames.end(), word) != kNames.end();
}

} // namespace orv::remote
