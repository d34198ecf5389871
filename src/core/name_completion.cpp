#include "core/name_completion.h"

#include "core/number_text.h"

#include <set>

namespace orv::core {

std::vector<std::string> completeName(std::string_view typed, const std::vector<std::string>& names,
                                      std::size_t limit) {
    const std::string wanted = upperCased(trimmed(typed));
    std::vector<std::string> found;
    if (wanted.empty()) return found;
    std::set<std::string> taken;
    // Pass 0 takes the names that begin with the text, pass 1 those containing it.
    for (int pass = 0; pass < 2; ++pass)
        for (const auto& name : names) {
            const std::string upper = upperCased(name);
            const auto at = upper.find(wanted);
            if (at == std::string::npos || (pass == 0) != (at == 0)) continue;
            if (!taken.insert(upper).second) continue;
            found.push_back(name);
            if (found.size() == limit) return found;
        }
    return found;
}

} // namespace orv::core
