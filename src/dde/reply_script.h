// A stand-in program's script: which reply it gives from which moment on, so that a
// demonstration can change satellites. One reply a line, "SECONDS TEXT": the seconds
// from the start at which the text takes over, one blank or tab, then the text (which
// may be empty). Blank lines and lines starting with "#" are passed over.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::dde {

struct ScriptedReply {
    double fromSeconds = 0;
    std::string text;
};

using ReplyScript = std::vector<ScriptedReply>;

// Nothing, with `error` naming the line, when a line has no time, a negative time,
// or a time before the line above it.
std::optional<ReplyScript> parseReplyScript(std::string_view text, std::string& error);

// The reply in force `seconds` after the start; null before the first line's time.
const std::string* scriptedReplyAt(const ReplyScript& script, double seconds);

} // namespace orv::dde
