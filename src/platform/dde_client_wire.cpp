#include "platform/dde_client_wire.h"

#include <optional>
#include <vector>

namespace orv::platform {

namespace {

// The header line at the front of `buffer` without its line end; nothing while it is
// still coming. `tooLong` is set when no line end came within the longest header.
std::optional<std::string_view> headerLine(std::string_view buffer, bool& tooLong) {
    const auto end = buffer.find('\n');
    tooLong = false;
    if (end == std::string_view::npos) {
        tooLong = buffer.size() > kDdeLongestHeader;
        return std::nullopt;
    }
    if (end > kDdeLongestHeader) {
        tooLong = true;
        return std::nullopt;
    }
    std::string_view line = buffer.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start <= line.size()) {
        const auto space = line.find(' ', start);
        const auto stop = space == std::string_view::npos ? line.size() : space;
        words.push_back(line.substr(start, stop - start));
        if (space == std::string_view::npos) break;
        start = space + 1;
    }
    return words;
}

// A byte count: decimal digits only, no larger than the largest text.
std::optional<std::size_t> byteCount(std::string_view word) {
    if (word.empty() || word.size() > 7) return std::nullopt;
    std::size_t value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    if (value > kDdeLargestText) return std::nullopt;
    return value;
}

template <typename Frame> Frame malformed(std::string fault) {
    Frame frame;
    frame.state = DdeFrameState::Malformed;
    frame.fault = std::move(fault);
    return frame;
}

} // namespace

std::string printableDdeText(std::string_view text, std::size_t limit) {
    std::string shown;
    for (char c : text.substr(0, limit))
        shown += (c >= 0x20 && c < 0x7f) ? c : '?';
    return shown;
}

bool isDdeWord(std::string_view word) {
    if (word.empty() || word.size() > 64) return false;
    for (char c : word)
        if (c <= ' ' || c == 0x7f) return false;
    return true;
}

std::string encodeDdeRequest(std::string_view topic, std::string_view item) {
    return "REQUEST " + std::string(topic) + " " + std::string(item) + "\n";
}

std::string encodeDdePoke(std::string_view topic, std::string_view item, std::string_view text) {
    return "POKE " + std::string(topic) + " " + std::string(item) + " " +
           std::to_string(text.size()) + "\n" + std::string(text);
}

std::string encodeDdeTextReply(std::string_view text) {
    return "OK " + std::to_string(text.size()) + "\n" + std::string(text);
}

std::string encodeDdePokeAccepted() {
    return "OK\n";
}

std::string encodeDdeRefusal(std::string_view reason) {
    std::string line = "ERR";
    if (!reason.empty()) line += " " + printableDdeText(reason);
    return line + "\n";
}

DdeReplyFrame parseDdeReply(std::string_view buffer, bool expectText) {
    bool tooLong = false;
    const auto line = headerLine(buffer, tooLong);
    if (tooLong) return malformed<DdeReplyFrame>("reply header without a line end");
    if (!line) return {};
    const std::size_t headerLength = buffer.find('\n') + 1;
    const auto words = wordsOf(*line);

    DdeReplyFrame frame;
    if (words[0] == "ERR") {
        frame.state = DdeFrameState::Complete;
        frame.text = line->size() > 4 ? std::string(line->substr(4)) : std::string();
        frame.length = headerLength;
        return frame;
    }
    if (words[0] != "OK")
        return malformed<DdeReplyFrame>("unexpected reply header \"" + printableDdeText(*line) +
                                        "\"");
    if (!expectText) {
        if (words.size() != 1)
            return malformed<DdeReplyFrame>("unexpected poke answer \"" + printableDdeText(*line) +
                                            "\"");
        frame.state = DdeFrameState::Complete;
        frame.ok = true;
        frame.length = headerLength;
        return frame;
    }
    const auto count = words.size() == 2 ? byteCount(words[1]) : std::nullopt;
    if (!count)
        return malformed<DdeReplyFrame>("bad reply length in \"" + printableDdeText(*line) + "\"");
    if (buffer.size() < headerLength + *count) return {};
    frame.state = DdeFrameState::Complete;
    frame.ok = true;
    frame.text = std::string(buffer.substr(headerLength, *count));
    frame.length = headerLength + *count;
    return frame;
}

DdeCommandFrame parseDdeCommand(std::string_view buffer) {
    bool tooLong = false;
    const auto line = headerLine(buffer, tooLong);
    if (tooLong) return malformed<DdeCommandFrame>("command without a line end");
    if (!line) return {};
    const std::size_t headerLength = buffer.find('\n') + 1;
    const auto words = wordsOf(*line);

    DdeCommandFrame frame;
    const bool request = words[0] == "REQUEST" && words.size() == 3;
    const bool poke = words[0] == "POKE" && words.size() == 4;
    if ((!request && !poke) || !isDdeWord(words[1]) || !isDdeWord(words[2]))
        return malformed<DdeCommandFrame>("unknown command \"" + printableDdeText(*line) + "\"");
    frame.topic = std::string(words[1]);
    frame.item = std::string(words[2]);
    frame.length = headerLength;
    if (poke) {
        const auto count = byteCount(words[3]);
        if (!count)
            return malformed<DdeCommandFrame>("bad poke length in \"" + printableDdeText(*line) +
                                              "\"");
        if (buffer.size() < headerLength + *count) return {};
        frame.poke = true;
        frame.text = std::string(buffer.substr(headerLength, *count));
        frame.length += *count;
    }
    frame.state = DdeFrameState::Complete;
    return frame;
}

} // namespace orv::platform
