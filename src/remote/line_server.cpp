#include "remote/line_server.h"

#include <algorithm>
#include <cstdio>

namespace orv::remote {

LineServer::LineServer(std::string name, std::unique_ptr<platform::TcpListener> listener,
                       LineHandlers handlers, int& nextClient, ServerLimits limits)
    : name_(std::move(name)), listener_(std::move(listener)), handlers_(std::move(handlers)),
      nextClient_(nextClient), limits_(limits) {
    listener_->onConnection = [this](std::unique_ptr<platform::StreamConnection> connection) {
        accept(std::move(connection));
    };
    // Clients are let go of outside their own callbacks.
    sweepTimer_.setSingleShot(true);
    sweepTimer_.setInterval(0);
    QObject::connect(&sweepTimer_, &QTimer::timeout, [this] { sweep(); });
}

LineServer::~LineServer() {
    for (auto& client : clients_) {
        client->connection->onReceived = nullptr;
        client->connection->onClosed = nullptr;
        if (!client->gone && handlers_.closed) handlers_.closed(client->id);
    }
}

std::string LineServer::listen(const std::string& address, int port) {
    return listener_->listen(address, port);
}

size_t LineServer::clientCount() const {
    return size_t(std::count_if(clients_.begin(), clients_.end(),
                                [](const auto& client) { return !client->gone; }));
}

void LineServer::say(const std::string& message) const {
    if (log)
        log(message);
    else
        std::fprintf(stderr, "orv_kite: %s\n", message.c_str());
}

void LineServer::accept(std::unique_ptr<platform::StreamConnection> connection) {
    if (clientCount() >= limits_.maxClients) {
        say(name_ + " server: " + connection->peer() + " refused, " +
            std::to_string(limits_.maxClients) + " clients are connected already");
        connection->close();
        return; // the connection object lets the socket go as it closes
    }
    auto client = std::make_unique<Client>();
    client->id = nextClient_++;
    client->connection = std::move(connection);
    Client* raw = client.get();
    client->stall.setSingleShot(true);
    QObject::connect(&client->stall, &QTimer::timeout,
                     [this, raw] { drop(*raw, "stalled in the middle of a line"); });
    client->connection->onReceived = [this, raw](std::string_view bytes) { received(*raw, bytes); };
    client->connection->onClosed = [this, raw] { drop(*raw, {}); };
    clients_.push_back(std::move(client));
    if (handlers_.opened) handlers_.opened(raw->id);
}

void LineServer::received(Client& client, std::string_view bytes) {
    if (client.gone) return;
    auto framed = client.framer.feed(bytes);
    for (const auto& line : framed.lines) {
        const Answer answer = handlers_.answer(client.id, line);
        if (!answer.bytes.empty()) client.connection->write(answer.bytes);
        if (answer.close) {
            drop(client, {});
            return;
        }
    }
    if (framed.overlong) {
        drop(client, "sent a line longer than " + std::to_string(LineFramer::kMaxLine) + " bytes");
        return;
    }
    if (client.framer.midLine())
        client.stall.start(limits_.stallMs);
    else
        client.stall.stop();
}

// `why` is empty when the client left or asked to.
void LineServer::drop(Client& client, const std::string& why) {
    if (client.gone) return;
    client.gone = true;
    client.stall.stop();
    if (!why.empty())
        say(name_ + " server: " + client.connection->peer() + " " + why + "; disconnected");
    client.connection->close();
    if (handlers_.closed) handlers_.closed(client.id);
    sweepTimer_.start();
}

void LineServer::sweep() {
    std::erase_if(clients_, [](const auto& client) { return client->gone; });
}

} // namespace orv::remote
