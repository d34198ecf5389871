// The radio server's "\dump_state": the capabilities a network client reads when it
// opens, in the layout of the radio protocol's version 1 (ranges, steps, filters,
// limits, capability masks, then name=value settings up to "done").
#pragma once

#include <string>
#include <vector>

namespace orv::remote {

std::vector<std::string> radioStateLines(bool pttAvailable);

} // namespace orv::remote
