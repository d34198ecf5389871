#include "core/status_line.h"

namespace orv::core {

std::string statusValue(const std::string& text) {
    if (text.empty()) return "-";
    std::string value = text;
    for (auto& c : value)
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '=') c = '_';
    return value;
}

std::string StatusLine::render() const {
    std::string line;
    for (const auto& provider : providers_) {
        if (!line.empty()) line += ' ';
        line += provider.key + '=' + statusValue(provider.value());
    }
    return line;
}

} // namespace orv::core
