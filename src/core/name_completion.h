// Completion of a typed satellite name from the names the station knows: those that
// begin with the typed text first, then those that merely contain it, both without
// regard to letter case and each name once, in the order given.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv::core {

inline constexpr std::size_t kCompletionLimit = 20;

// Nothing for a blank text.
std::vector<std::string> completeName(std::string_view typed, const std::vector<std::string>& names,
                                      std::size_t limit = kCompletionLimit);

} // namespace orv::core
