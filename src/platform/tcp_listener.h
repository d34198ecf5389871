// Listening for TCP clients: each accepted client is a byte stream with a whole-reply
// write, so that a client reading one reply per receive never sees half of one.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orv::platform {

class StreamConnection {
public:
    virtual ~StreamConnection() = default;
    // Queues `bytes` as one write and flushes it at once.
    virtual void write(std::string_view bytes) = 0;
    // Closes after what was written has gone out; `onClosed` follows.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual std::string peer() const = 0;

    std::function<void(std::string_view bytes)> onReceived;
    std::function<void()> onClosed; // the client went, or close() finished
};

class TcpListener {
public:
    virtual ~TcpListener() = default;
    // Listens on `address` ("127.0.0.1", "::", "0.0.0.0", a host's address) and `port`
    // (0 picks a free one); an empty string on success, else why not.
    virtual std::string listen(const std::string& address, int port) = 0;
    virtual int port() const = 0;

    // A client connected; the receiver owns the connection from then on.
    std::function<void(std::unique_ptr<StreamConnection>)> onConnection;
};

// A listener on Qt's network sockets.
std::unique_ptr<TcpListener> makeTcpListener();

} // namespace orv::platform
