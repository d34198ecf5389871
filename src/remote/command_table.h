// A protocol as a table of commands, each with its short and long name, how many
// arguments it needs and its cmd_* handler; and the one routine that answers a
// line with the table.
#pragma once

#include "remote/command_words.h"
#include "remote/reply.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orv::remote {

// What a handler receives: the arguments after the command (and after a VFO name,
// which the radio protocol's VFO dialect puts first).
struct Call {
    std::string vfo; // empty when none was given
    std::vector<std::string> arguments;
};

template <class Session> struct Command {
    char shortName; // '\0' when the command has only its long name
    std::string_view longName;
    int arguments; // needed; more are ignored
    bool query;    // succeeds with value lines, without a status line
    bool vfoFirst; // a VFO name may come before the arguments
    Reply (*run)(Session& session, const Call& call);
};

// The names a client may give as a VFO.
bool vfoName(std::string_view word);

struct Answer {
    std::string bytes; // the whole reply, one write; empty for none
    bool close = false;
};

template <class Session>
const Command<Session>* findCommand(std::span<const Command<Session>> table,
                                    const CommandWords& words) {
    for (const auto& command : table) {
        if (words.longForm ? words.command == command.longName
                           : command.shortName != '\0' && words.command.size() == 1 &&
                                 words.command[0] == command.shortName)
            return &command;
    }
    return nullptr;
}

template <class Session>
Answer answerLine(std::span<const Command<Session>> table, Session& session,
                  std::string_view line) {
    const auto words = splitCommand(line);
    if (!words) return {};
    const Command<Session>* command = findCommand(table, *words);
    if (!command) return {"RPRT -" + std::to_string(int(ErrorCode::NotAvailable)) + "\n"};
    Call call{{}, words->arguments};
    if (command->vfoFirst && int(call.arguments.size()) > command->arguments &&
        vfoName(call.arguments.front())) {
        call.vfo = call.arguments.front();
        call.arguments.erase(call.arguments.begin());
    }
    const Reply reply = int(call.arguments.size()) < command->arguments
                            ? Reply::error(ErrorCode::InvalidArgument)
                            : command->run(session, call);
    const ReplyEcho echo{command->longName, call.vfo, call.arguments};
    return {replyBytes(reply, *words, echo, command->query), reply.closeAfter};
}

} // namespace orv::remote
