// The byte format of a conversation with a tracking program on its local socket,
// as pure functions for both ends. One conversation per connection:
//   REQUEST <topic> <item>\n          answered  OK <n>\n<n bytes>  or  ERR <reason>\n
//   POKE <topic> <item> <n>\n<n bytes> answered  OK\n               or  ERR <reason>\n
// Every frame is framed by its header's byte count, never by a single read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orv::platform {

// The largest text either end accepts; anything announced as longer is a fault.
inline constexpr std::size_t kDdeLargestText = 64 * 1024;
// A header line longer than this without its line end is a fault.
inline constexpr std::size_t kDdeLongestHeader = 256;

// Topics and items travel as single words.
bool isDdeWord(std::string_view word);

// At most `limit` characters of a program's text, fit for a log line: anything but
// printable ASCII becomes "?".
std::string printableDdeText(std::string_view text, std::size_t limit = 40);

std::string encodeDdeRequest(std::string_view topic, std::string_view item);
std::string encodeDdePoke(std::string_view topic, std::string_view item, std::string_view text);
std::string encodeDdeTextReply(std::string_view text); // OK <n>\n + text
std::string encodeDdePokeAccepted();                   // OK\n
std::string encodeDdeRefusal(std::string_view reason); // ERR <reason>\n

enum class DdeFrameState {
    Incomplete, // more bytes are needed
    Complete,
    Malformed
};

// A reply as the client reads it. `ok` false with state Complete is a refusal (ERR).
struct DdeReplyFrame {
    DdeFrameState state = DdeFrameState::Incomplete;
    bool ok = false;
    std::string text;       // the reply's bytes, or the refusal's reason
    std::size_t length = 0; // bytes of the buffer the frame takes
    std::string fault;      // why a frame is malformed
};

// `expectText`: a request's reply carries a byte count; a poke's is a bare OK.
DdeReplyFrame parseDdeReply(std::string_view buffer, bool expectText);

// A command as the serving program reads it.
struct DdeCommandFrame {
    DdeFrameState state = DdeFrameState::Incomplete;
    bool poke = false;
    std::string topic;
    std::string item;
    std::string text; // a poke's bytes
    std::size_t length = 0;
    std::string fault;
};

DdeCommandFrame parseDdeCommand(std::string_view buffer);

} // namespace orv::platform
