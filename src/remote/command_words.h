// One command line of the rotator and radio protocols taken apart: the optional
// extended-reply mark, the command (one character, or a long name after a
// backslash) and its whitespace-separated arguments.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::remote {

struct CommandWords {
    bool extended = false; // "+P 1 2" or ";P 1 2": the reply names the command
    char separator = '\n'; // between the lines of an extended reply
    bool longForm = false; // "\set_pos"
    std::string command;   // "P", or "set_pos" for the long form
    std::vector<std::string> arguments;
};

// Nothing for a blank line, which gets no reply.
std::optional<CommandWords> splitCommand(std::string_view line);

// A whole number or a decimal fraction with nothing after it ("120", "-175.52",
// "145900000.000000"); nothing for anything else, or a value that is not finite.
std::optional<double> numberArgument(const std::string& text);
std::optional<int> wholeArgument(const std::string& text);

} // namespace orv::remote
