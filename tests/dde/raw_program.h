// A program on a local socket that answers every conversation with fixed bytes,
// possibly in pieces, possibly never: the misbehaving programs the station must
// survive. Runs in the test's own event loop.
#pragma once

#include "platform/dde_client.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

namespace orv::test {

struct RawAnswer {
    RawAnswer(std::string firstBytes, std::string laterBytes = {}, bool closeAfterAnswer = true)
        : first(std::move(firstBytes)), later(std::move(laterBytes)), closeAfter(closeAfterAnswer) {
    }
    std::string first; // written as soon as the command's line has come
    std::string later; // written 50 ms after that (when not empty)
    bool closeAfter;   // false: the program keeps the conversation open, silent
};

class RawProgram {
public:
    RawProgram(const std::string& directory, const std::string& application, RawAnswer answer)
        : answer_(std::move(answer)) {
        const auto path = QString::fromStdString(platform::ddeSocketPath(directory, application));
        QLocalServer::removeServer(path);
        server_.listen(path);
        QObject::connect(&server_, &QLocalServer::newConnection, [this] { accept(); });
    }
    bool listening() const { return server_.isListening(); }
    // Everything the programs' callers sent, one entry per conversation.
    std::vector<std::string> received;

private:
    void accept() {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            const std::size_t index = received.size();
            received.emplace_back();
            QObject::connect(socket, &QLocalSocket::readyRead, [this, socket, index] {
                const bool hadLine = received[index].find('\n') != std::string::npos;
                received[index] += socket->readAll().toStdString();
                if (!hadLine && received[index].find('\n') != std::string::npos) answer(socket);
            });
        }
    }

    void answer(QLocalSocket* socket) {
        socket->write(answer_.first.data(), qint64(answer_.first.size()));
        if (answer_.later.empty()) return finish(socket);
        QTimer::singleShot(50, socket, [this, socket] {
            socket->write(answer_.later.data(), qint64(answer_.later.size()));
            finish(socket);
        });
    }

    void finish(QLocalSocket* socket) {
        socket->flush();
        if (answer_.closeAfter) socket->disconnectFromServer();
    }

    QLocalServer server_;
    RawAnswer answer_;
};

} // namespace orv::test
