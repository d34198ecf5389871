// One listening protocol: accepts clients, frames what each sends into lines,
// answers each line in one write, and lets go of a client that sends a line over
// the limit or stalls in the middle of one. Several clients are served at once.
#pragma once

#include "platform/tcp_listener.h"
#include "remote/command_table.h"
#include "remote/line_framer.h"

#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orv::remote {

struct ServerLimits {
    int stallMs = 5000;     // a client silent this long in the middle of a line is dropped
    size_t maxClients = 16; // further clients are closed as they connect
};

struct LineHandlers {
    std::function<void(int client)> opened;
    std::function<Answer(int client, std::string_view line)> answer;
    std::function<void(int client)> closed; // after the last answer to that client
};

class LineServer {
public:
    // `name` says which server in messages ("rotator"); client numbers are drawn from
    // `nextClient`, shared by the servers of one station.
    LineServer(std::string name, std::unique_ptr<platform::TcpListener> listener,
               LineHandlers handlers, int& nextClient, ServerLimits limits = {});
    ~LineServer();
    LineServer(const LineServer&) = delete;
    LineServer& operator=(const LineServer&) = delete;

    // An empty string on success, else why not.
    std::string listen(const std::string& address, int port);
    int port() const { return listener_->port(); }
    size_t clientCount() const;

    std::function<void(const std::string& message)> log; // stderr unless replaced

private:
    struct Client {
        int id = 0;
        std::unique_ptr<platform::StreamConnection> connection;
        LineFramer framer;
        QTimer stall;
        bool gone = false;
    };

    void accept(std::unique_ptr<platform::StreamConnection> connection);
    void received(Client& client, std::string_view bytes);
    void drop(Client& client, const std::string& why);
    void sweep();
    void say(const std::string& message) const;

    std::string name_;
    std::unique_ptr<platform::TcpListener> listener_;
    LineHandlers handlers_;
    int& nextClient_;
    ServerLimits limits_;
    std::vector<std::unique_ptr<Client>> clients_;
    QTimer sweepTimer_;
};

} // namespace orv::remote
