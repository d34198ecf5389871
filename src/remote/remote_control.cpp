#include "remote/remote_control.h"

#include <QHostAddress>
#include <cstdio>

namespace orv::remote {

std::string listenWarning(const std::string& address) {
    const QHostAddress host(QString::fromStdString(address));
    if (host.isLoopback()) return {};
    return "listening on " + address +
           ": anyone who can reach this address can move the antennas and key the transmitter";
}

RemoteControl::RemoteControl(station::StationRemote& station, ServerLimits limits)
    : station_(station), limits_(limits) {}

// The servers go first: their clients' sessions are let go of as they close.
RemoteControl::~RemoteControl() {
    rotator_.reset();
    radio_.reset();
}

void RemoteControl::say(const std::string& message) const {
    if (log)
        log(message);
    else
        std::fprintf(stderr, "orv_kite: %s\n", message.c_str());
}

std::string RemoteControl::start(const RemoteOptions& options) {
    station_.setRecordName(options.radioRecord);
    const std::string warning = listenWarning(options.address);
    if (!warning.empty() && (options.rotatorPort || options.radioPort)) say("warning: " + warning);
    if (options.rotatorPort) {
        rotator_ = makeRotatorServer();
        if (auto error = rotator_->listen(options.address, *options.rotatorPort); !error.empty())
            return "the rotator server cannot listen on " + options.address + " port " +
                   std::to_string(*options.rotatorPort) + ": " + error;
    }
    if (options.radioPort) {
        radio_ = makeRadioServer();
        if (auto error = radio_->listen(options.address, *options.radioPort); !error.empty())
            return "the radio server cannot listen on " + options.address + " port " +
                   std::to_string(*options.radioPort) + ": " + error;
    }
    return {};
}

std::unique_ptr<LineServer> RemoteControl::makeRotatorServer() {
    LineHandlers handlers;
    handlers.opened = [this](int client) {
        rotatorSessions_.emplace(client, RotatorSession{station_, client});
    };
    handlers.answer = [this](int client, std::string_view line) {
        auto session = rotatorSessions_.find(client);
        if (session == rotatorSessions_.end()) return Answer{};
        return answerLine(rotatorCommands(), session->second, line);
    };
    handlers.closed = [this](int client) {
        station_.clientGone(client);
        rotatorSessions_.erase(client);
    };
    auto server = std::make_unique<LineServer>("rotator", platform::makeTcpListener(),
                                               std::move(handlers), nextClient_, limits_);
    server->log = [this](const std::string& message) { say(message); };
    return server;
}

std::unique_ptr<LineServer> RemoteControl::makeRadioServer() {
    LineHandlers handlers;
    handlers.opened = [this](int client) {
        RadioSession session{station_, client, [this](const std::string& why) {
                                 say("a radio client cannot tune: " + why);
                             }};
        radioSessions_.emplace(client, std::move(session));
    };
    handlers.answer = [this](int client, std::string_view line) {
        auto session = radioSessions_.find(client);
        if (session == radioSessions_.end()) return Answer{};
        return answerLine(radioCommands(), session->second, line);
    };
    handlers.closed = [this](int client) {
        station_.clientGone(client);
        radioSessions_.erase(client);
    };
    auto server = std::make_unique<LineServer>("radio", platform::makeTcpListener(),
                                               std::move(handlers), nextClient_, limits_);
    server->log = [this](const std::string& message) { say(message); };
    return server;
}

} // namespace orv::remote
