#include "dde/reply_script.h"

#include <charconv>

namespace orv::dde {

namespace {

std::optional<double> secondsOf(std::string_view word) {
    double value = 0;
    const auto [end, problem] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (problem != std::errc() || end != word.data() + word.size() || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<ReplyScript> parseReplyScript(std::string_view text, std::string& error) {
    ReplyScript script;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#')
            continue;
        const auto gap = line.find_first_of(" \t");
        const auto seconds = secondsOf(line.substr(0, gap));
        const auto where = "line " + std::to_string(lineNumber) + ": ";
        if (!seconds) {
            error = where + "does not start with the seconds from the start";
            return std::nullopt;
        }
        if (!script.empty() && *seconds < script.back().fromSeconds) {
            error = where + "its time is before the line above";
            return std::nullopt;
        }
        std::string reply = gap == std::string_view::npos ? "" : std::string(line.substr(gap + 1));
        script.push_back({*seconds, std::move(reply)});
    }
    if (script.empty()) {
        error = "the script holds no reply";
        return std::nullopt;
    }
    return script;
}

const std::string* scriptedReplyAt(const ReplyScript& script, double seconds) {
    const std::string* reply = nullptr;
    for (const auto& line : script) {
        if (line.fromSeconds > seconds) break;
        reply = &line.text;
    }
    return reply;
}

} // namespace orv::dde
