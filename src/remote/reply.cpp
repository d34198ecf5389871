#include "remote/reply.h"

namespace orv::remote {

namespace {
std::string statusLine(int status) {
    return "RPRT " + std::to_string(status) + "\n";
}

std::string echoLine(const ReplyEcho& echo, char separator) {
    std::string line(echo.longName);
    line += ':';
    if (!echo.vfo.empty()) line += " " + echo.vfo;
    for (const auto& argument : echo.arguments)
        line += " " + argument;
    return line + separator;
}
} // namespace

std::string replyBytes(const Reply& reply, const CommandWords& words, const ReplyEcho& echo,
                       bool query) {
    if (reply.nothing) return {};
    std::string bytes;
    const char separator = words.separator;
    if (reply.bare) {
        for (const auto& value : reply.values)
            bytes += (words.extended ? value.label + ": " : std::string()) + value.text + '\n';
        return bytes;
    }
    if (words.extended) bytes += echoLine(echo, separator);
    if (reply.status != 0) return bytes + statusLine(reply.status);
    for (const auto& value : reply.values) {
        if (words.extended && !value.label.empty()) bytes += value.label + ": ";
        bytes += value.text;
        bytes += words.extended ? separator : '\n';
    }
    if (words.extended || !query) bytes += statusLine(0);
    return bytes;
}

} // namespace orv::remote
