#include "platform/tcp_listener.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace orv::platform {

namespace {

class QtStreamConnection final : public StreamConnection {
public:
    explicit QtStreamConnection(QTcpSocket* socket) : socket_(socket) {
        // Small replies go out as they are written, not gathered with the next.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        QObject::connect(socket, &QTcpSocket::readyRead, [this] { readAll(); });
        QObject::connect(socket, &QTcpSocket::disconnected, [this] { closed(); });
        QObject::connect(socket, &QTcpSocket::errorOccurred, [this](QAbstractSocket::SocketError) {
            if (socket_ && socket_->state() != QAbstractSocket::ConnectedState) closed();
        });
    }
    ~QtStreamConnection() override {
        if (!socket_) return;
        socket_->disconnect();
        socket_->abort();
        // The socket may be inside one of its own signals: it goes once control returns.
        socket_->deleteLater();
    }

    void write(std::string_view bytes) override {
        if (!isOpen()) return;
        socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
        socket_->flush();
    }
    void close() override {
        if (socket_) socket_->disconnectFromHost();
    }
    bool isOpen() const override {
        return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
    }
    std::string peer() const override {
        if (!socket_) return {};
        return socket_->peerAddress().toString().toStdString() + ":" +
               std::to_string(socket_->peerPort());
    }

private:
    void readAll() {
        while (socket_ && socket_->bytesAvailable() > 0) {
            const QByteArray bytes = socket_->readAll();
            if (onReceived) onReceived(std::string_view(bytes.constData(), size_t(bytes.size())));
        }
    }
    void closed() {
        if (closedReported_) return;
        closedReported_ = true;
        if (onClosed) onClosed();
    }

    QPointer<QTcpSocket> socket_;
    bool closedReported_ = false;
};

class QtTcpListener final : public TcpListener {
public:
    QtTcpListener() {
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { accept(); });
    }

    std::string listen(const std::string& address, int port) override {
        QHostAddress host;
        if (!host.setAddress(QString::fromStdString(address)))
            return "\"" + address + "\" is not an IP address";
        if (port < 0 || port > 65535) return "port " + std::to_string(port) + " is out of range";
        if (!server_.listen(host, static_cast<quint16>(port)))
            return server_.errorString().toStdString();
        return {};
    }
    int port() const override { return server_.serverPort(); }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(nullptr);
            auto connection = std::make_unique<QtStreamConnection>(socket);
            if (onConnection) onConnection(std::move(connection));
        }
    }

    QTcpServer server_;
};

} // namespace

std::unique_ptr<TcpListener> makeTcpListener() {
    return std::make_unique<QtTcpListener>();
}

} // namespace orv::platform
