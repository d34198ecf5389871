// Conversations with a tracking program running beside the station: one request
// for an item's text, or one poke of a text, per conversation. A program serves
// a local socket named after its application in the private run-time directory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orv::platform {

// How long a conversation may take before it counts as timed out. A program on the
// same machine answers in well under a millisecond; one that has not answered within
// a second is hung, and the station's tick must not wait longer than that for it.
inline constexpr int kDdeTimeoutMs = 1000;

enum class DdeOutcome {
    Answered,
    NoApplication, // nothing listens under that name (no socket, connection refused)
    Timeout,       // no complete answer within the timeout
    Refused,       // the program answered ERR (unknown topic or item)
    BadReply       // the answer broke the format: bad header, wrong length, too long
};

struct DdeResult {
    DdeOutcome outcome = DdeOutcome::NoApplication;
    std::string text;   // the reply's text when answered
    std::string detail; // what went wrong, in plain words
    bool answered() const { return outcome == DdeOutcome::Answered; }
};

const char* ddeOutcomeName(DdeOutcome outcome);

// "SatPC32|DdeServConv" into the application and the topic.
struct DdeLinkTopic {
    std::string application;
    std::string topic;
};
std::optional<DdeLinkTopic> splitLinkTopic(std::string_view linkTopic);

// Where the program called `application` listens: its name lower-cased, so names
// match without regard to case.
std::string ddeSocketPath(const std::string& directory, std::string_view application);

// The socket directory of this user: "dde" in the private run-time directory (0700).
// Empty, with `error` set, when it cannot be made.
std::string defaultDdeDirectory(std::string& error);

class DdeClient {
public:
    virtual ~DdeClient() = default;
    virtual DdeResult request(std::string_view linkTopic, std::string_view item) = 0;
    virtual DdeResult poke(std::string_view linkTopic, std::string_view item,
                           std::string_view text) = 0;
};

// Talks to the programs over local sockets. While it waits for an answer a nested
// event loop runs, so timers and gestures go on (and a program served inside the
// same process can answer).
class LocalSocketDdeClient final : public DdeClient {
public:
    explicit LocalSocketDdeClient(std::string directory, int timeoutMs = kDdeTimeoutMs);
    DdeResult request(std::string_view linkTopic, std::string_view item) override;
    DdeResult poke(std::string_view linkTopic, std::string_view item,
                   std::string_view text) override;
    const std::string& directory() const { return directory_; }

private:
    DdeResult converse(std::string_view linkTopic, std::string_view item,
                       const std::string* pokeText);

    std::string directory_;
    int timeoutMs_;
};

} // namespace orv::platform
