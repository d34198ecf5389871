#include "remote/command_words.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace orv::remote {

namespace {
bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// A leading punctuation mark other than these asks for an extended reply and is its
// line separator ("+" keeps the newline).
bool separatorMark(char c) {
    return std::ispunct(static_cast<unsigned char>(c)) && c != '\\' && c != '_' && c != '#' &&
           c != '?';
}

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> result;
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && blank(text[at]))
            ++at;
        const size_t start = at;
        while (at < text.size() && !blank(text[at]))
            ++at;
        if (at > start) result.emplace_back(text.substr(start, at - start));
    }
    return result;
}
} // namespace

std::optional<CommandWords> splitCommand(std::string_view line) {
    while (!line.empty() && blank(line.front()))
        line.remove_prefix(1);
    if (line.empty()) return std::nullopt;
    CommandWords command;
    if (separatorMark(line.front())) {
        command.extended = true;
        if (line.front() != '+') command.separator = line.front();
        line.remove_prefix(1);
        if (line.empty()) return command; // a mark and nothing else: an unknown command
    }
    if (line.front() == '\\') {
        line.remove_prefix(1);
        size_t end = 0;
        while (end < line.size() && !blank(line[end]))
            ++end;
        command.longForm = true;
        command.command = std::string(line.substr(0, end));
        command.arguments = words(line.substr(end));
    } else {
        command.command = std::string(1, line.front());
        command.arguments = words(line.substr(1));
    }
    return command;
}

std::optional<double> numberArgument(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const char* begin = text.data();
    if (begin != end && *begin == '+') ++begin;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> wholeArgument(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

} // namespace orv::remote
