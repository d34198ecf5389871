// What a command answers, and the bytes that carry it: value lines for a query,
// "RPRT n" for a setting or any failure, the command echoed first in the extended
// form. A reply always goes out in one write.
#pragma once

#include "remote/command_words.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv::remote {

// The error numbers the clients know, sent negated after "RPRT".
enum class ErrorCode {
    InvalidArgument = 1, // also a position outside the rotator's travel
    Rejected = 9,
    NotAvailable = 11,
};

struct ReplyValue {
    std::string label; // shown in the extended form only ("Azimuth")
    std::string text;
};

struct Reply {
    int status = 0; // 0, or minus an ErrorCode
    std::vector<ReplyValue> values;
    bool closeAfter = false; // the session ends once the reply is out
    bool nothing = false;    // no reply at all (the rotator's "q")
    bool bare = false;       // values only, never a status line, no echo

    static Reply done() { return {}; }
    static Reply error(ErrorCode code) {
        Reply reply;
        reply.status = -static_cast<int>(code);
        return reply;
    }
    static Reply value(std::string label, std::string text) {
        Reply reply;
        reply.values.push_back({std::move(label), std::move(text)});
        return reply;
    }
    Reply& and_(std::string label, std::string text) {
        values.push_back({std::move(label), std::move(text)});
        return *this;
    }
};

// The echo of an extended reply: the command's long name, then the VFO and the
// arguments as given.
struct ReplyEcho {
    std::string_view longName;
    std::string vfo; // empty when none was given
    std::vector<std::string> arguments;
};

// The bytes of `reply` to `words`; `query` marks a command whose success is its values.
std::string replyBytes(const Reply& reply, const CommandWords& words, const ReplyEcho& echo,
                       bool query);

} // namespace orv::remote
