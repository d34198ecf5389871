#include "dde/dde_peer.h"

#include "core/number_text.h"
#include "platform/dde_client.h"
#include "platform/dde_client_wire.h"

#include <QLocalSocket>
#include <memory>

namespace orv::dde {

namespace {

// A text for the log: printable characters, line ends shown as \r and \n.
std::string shown(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += (c >= 0x20 && c < 0x7f) ? c : '?';
    }
    return out + "\"";
}

bool anotherCopyAnswers(const QString& path) {
    QLocalSocket probe;
    probe.connectToServer(path);
    const bool connected = probe.waitForConnected(200);
    probe.abort();
    return connected;
}

} // namespace

DdePeer::DdePeer(const DdeSource& source, Hooks hooks) : source_(source), hooks_(std::move(hooks)) {
    QObject::connect(&server_, &QLocalServer::newConnection, [this] { accept(); });
}

DdePeer::~DdePeer() {
    close();
}

void DdePeer::log(const std::string& line) const {
    if (hooks_.log) hooks_.log(line);
}

bool DdePeer::listen(const std::string& directory, std::string& error) {
    if (directory.empty()) {
        error = "no private directory for the conversations";
        return false;
    }
    path_ = platform::ddeSocketPath(directory, source_.application);
    const QString path = QString::fromStdString(path_);
    if (anotherCopyAnswers(path)) {
        error = std::string("another ") + source_.application + " already answers at " + path_;
        return false;
    }
    QLocalServer::removeServer(path);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(path)) {
        error = "cannot serve " + path_ + ": " + server_.errorString().toStdString();
        return false;
    }
    return true;
}

void DdePeer::close() {
    if (server_.isListening()) server_.close(); // removes the socket file
}

void DdePeer::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto buffer = std::make_shared<std::string>();
        QObject::connect(socket, &QLocalSocket::readyRead,
                         [this, socket, buffer] { serve(socket, *buffer); });
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

// Answers every complete command in the buffer; a malformed one ends the conversation.
void DdePeer::serve(QLocalSocket* socket, std::string& buffer) {
    const QByteArray bytes = socket->readAll();
    buffer.append(bytes.constData(), std::size_t(bytes.size()));
    for (;;) {
        const auto command = platform::parseDdeCommand(buffer);
        if (command.state == platform::DdeFrameState::Incomplete) return;
        if (command.state == platform::DdeFrameState::Malformed) {
            log("malformed command: " + command.fault);
            const std::string refusal = platform::encodeDdeRefusal(command.fault);
            socket->write(refusal.data(), qint64(refusal.size()));
            socket->disconnectFromServer();
            buffer.clear();
            return;
        }
        buffer.erase(0, command.length);
        const std::string reply = answer(command.poke, command.topic, command.item, command.text);
        socket->write(reply.data(), qint64(reply.size()));
    }
}

std::string DdePeer::answer(bool poke, const std::string& topic, const std::string& item,
                            const std::string& text) {
    const std::string what = (poke ? "poke " : "request ") + topic + " " + item;
    if (!servesTopic(topic, item)) {
        log(what + ": refused, not a topic and item of " + source_.application);
        return platform::encodeDdeRefusal("unknown topic or item");
    }
    if (poke) {
        log(what + " " + shown(text));
        if (hooks_.poked) hooks_.poked(text);
        return platform::encodeDdePokeAccepted();
    }
    std::string reply = hooks_.reply ? hooks_.reply() : std::string();
    reply += source_.replyLineEnd;
    if (reply.size() > platform::kDdeLargestText) reply.resize(platform::kDdeLargestText);
    log(what + " -> " + shown(reply));
    return platform::encodeDdeTextReply(reply);
}

// The program answers its own topic and item, named in any letter case.
bool DdePeer::servesTopic(const std::string& topic, const std::string& item) const {
    const auto link = platform::splitLinkTopic(source_.linkTopic);
    return link && core::upperCased(link->topic) == core::upperCased(topic) &&
           core::upperCased(source_.item) == core::upperCased(item);
}

} // namespace orv::dde
