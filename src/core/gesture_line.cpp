#include "core/gesture_line.h"

#include <array>
#include <charconv>

namespace orv::core {

namespace {

struct GestureWord {
    const char* word;
    GestureAction action;
    enum class Argument { None, Optional, Required, OnOff, Text } argument;
};

constexpr std::array kGestureWords{
    GestureWord{"click", GestureAction::Click, GestureWord::Argument::None},
    GestureWord{"dblclick", GestureAction::DblClick, GestureWord::Argument::None},
    GestureWord{"mousedown", GestureAction::MouseDown, GestureWord::Argument::Optional},
    GestureWord{"keypress", GestureAction::KeyPress, GestureWord::Argument::Required},
    GestureWord{"change", GestureAction::Change, GestureWord::Argument::Required},
    GestureWord{"check", GestureAction::Check, GestureWord::Argument::OnOff},
    GestureWord{"set", GestureAction::Set, GestureWord::Argument::Text},
};

// The mouse button a mousedown without a number presses: the left one.
constexpr int kLeftButton = 1;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (isBlank(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

// Cuts the first blank-separated word off `text`.
std::string_view nextWord(std::string_view& text) {
    text = trimmed(text);
    size_t end = 0;
    while (end < text.size() && !isBlank(text[end]))
        ++end;
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

// A whole number written out in full ("-3", "13"); nothing else.
std::optional<int> wholeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return value;
}

bool hasControlCharacter(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

GestureParse failure(std::string reason) {
    GestureParse parse;
    parse.error = std::move(reason);
    return parse;
}

} // namespace

bool isGestureLine(std::string_view line) {
    return !line.empty() && line.front() == '!';
}

const char* gestureWord(GestureAction action) {
    for (const auto& entry : kGestureWords)
        if (entry.action == action) return entry.word;
    return "?";
}

const char* gestureSyntax() {
    return "!FIELD click|dblclick|mousedown [N]|keypress N|change N|check 0|1|set TEXT, or !help";
}

GestureParse parseGestureLine(std::string_view line) {
    if (!isGestureLine(line)) return failure("a gesture begins with !");
    std::string_view rest = line.substr(1);
    const std::string_view field = nextWord(rest);
    if (field == "help" && trimmed(rest).empty()) {
        GestureParse parse;
        parse.help = true;
        return parse;
    }
    if (field.empty()) return failure(std::string("usage: ") + gestureSyntax());
    if (hasControlCharacter(field)) return failure("a field name has no control characters");
    const std::string_view word = nextWord(rest);
    const GestureWord* known = nullptr;
    for (const auto& entry : kGestureWords)
        if (word == entry.word) known = &entry;
    if (!known)
        return failure(word.empty() ? std::string("no gesture for ") + std::string(field)
                                    : "unknown gesture \"" + std::string(word) + "\"");

    GestureCommand command;
    command.field = std::string(field);
    command.action = known->action;
    using Argument = GestureWord::Argument;
    if (known->argument == Argument::Text) {
        // The text as typed, inner blanks kept; one blank separates it from "set".
        if (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
        while (!rest.empty() && (rest.back() == '\r' || rest.back() == '\n'))
            rest.remove_suffix(1);
        command.text = std::string(rest);
    } else {
        const std::string_view number = nextWord(rest);
        if (!trimmed(rest).empty())
            return failure(std::string(known->word) + " takes at most one number");
        if (number.empty()) {
            if (known->argument == Argument::Required || known->argument == Argument::OnOff)
                return failure(std::string(known->word) + " needs a number");
            if (known->argument == Argument::Optional) command.argument = kLeftButton;
        } else {
            if (known->argument == Argument::None)
                return failure(std::string(known->word) + " takes no number");
            const auto value = wholeNumber(number);
            if (!value)
                return failure(std::string(known->word) + " takes a whole number, not \"" +
                               std::string(number) + "\"");
            if (known->argument == Argument::OnOff && *value != 0 && *value != 1)
                return failure("check takes 0 or 1");
            command.argument = *value;
        }
    }
    GestureParse parse;
    parse.command = std::move(command);
    return parse;
}

} // namespace orv::core
