#include "platform/dde_client.h"

#include "platform/dde_client_wire.h"
#include "platform/runtime_dir.h"

#include <QEventLoop>
#include <QLocalSocket>
#include <QTimer>
#include <cctype>

namespace orv::platform {

namespace {

DdeResult failure(DdeOutcome outcome, std::string detail) {
    DdeResult result;
    result.outcome = outcome;
    result.detail = std::move(detail);
    return result;
}

// One conversation on a connected-or-connecting socket: send, collect, frame.
class Conversation {
public:
    Conversation(std::string bytes, bool expectText, std::string application)
        : bytes_(std::move(bytes)), expectText_(expectText), application_(std::move(application)) {}

    DdeResult run(const std::string& path, int timeoutMs) {
        QObject::connect(&socket_, &QLocalSocket::connected,
                         [this] { socket_.write(bytes_.data(), qint64(bytes_.size())); });
        QObject::connect(&socket_, &QLocalSocket::readyRead, [this] { collect(); });
        QObject::connect(&socket_, &QLocalSocket::errorOccurred,
                         [this](QLocalSocket::LocalSocketError error) { failed(error); });
        QObject::connect(&socket_, &QLocalSocket::disconnected, [this] { closed(); });
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this, timeoutMs] {
            finish(failure(DdeOutcome::Timeout, application_ + " did not answer within " +
                                                    std::to_string(timeoutMs) + " ms"));
        });
        timer.start(timeoutMs);
        socket_.connectToServer(QString::fromStdString(path));
        if (!done_) loop_.exec();
        timer.stop();
        socket_.disconnect();
        socket_.abort();
        return result_;
    }

private:
    void finish(DdeResult result) {
        if (done_) return;
        done_ = true;
        result_ = std::move(result);
        loop_.quit();
    }

    void collect() {
        const QByteArray bytes = socket_.readAll();
        buffer_.append(bytes.constData(), std::size_t(bytes.size()));
        const auto frame = parseDdeReply(buffer_, expectText_);
        if (frame.state == DdeFrameState::Incomplete) return;
        if (frame.state == DdeFrameState::Malformed)
            return finish(failure(DdeOutcome::BadReply, application_ + ": " + frame.fault));
        if (buffer_.size() > frame.length)
            return finish(failure(DdeOutcome::BadReply,
                                  application_ + " sent more bytes than its reply announced"));
        if (!frame.ok)
            return finish(failure(DdeOutcome::Refused, application_ + " refused: " + frame.text));
        DdeResult result;
        result.outcome = DdeOutcome::Answered;
        result.text = frame.text;
        finish(std::move(result));
    }

    void closed() {
        if (done_) return;
        collect();
        if (!done_)
            finish(failure(DdeOutcome::BadReply, application_ + " ended the conversation after " +
                                                     std::to_string(buffer_.size()) +
                                                     " bytes of an incomplete reply"));
    }

    void failed(QLocalSocket::LocalSocketError error) {
        if (done_) return;
        if (error == QLocalSocket::PeerClosedError) return closed();
        if (error == QLocalSocket::ServerNotFoundError ||
            error == QLocalSocket::ConnectionRefusedError)
            return finish(failure(DdeOutcome::NoApplication, application_ + " is not running"));
        finish(failure(DdeOutcome::NoApplication,
                       application_ + ": " + socket_.errorString().toStdString()));
    }

    QLocalSocket socket_;
    QEventLoop loop_;
    std::string bytes_;
    bool expectText_;
    std::string application_;
    std::string buffer_;
    bool done_ = false;
    DdeResult result_;
};

} // namespace

const char* ddeOutcomeName(DdeOutcome outcome) {
    switch (outcome) {
    case DdeOutcome::Answered:
        return "answered";
    case DdeOutcome::NoApplication:
        return "no application responded";
    case DdeOutcome::Timeout:
        return "timeout";
    case DdeOutcome::Refused:
        return "refused";
    case DdeOutcome::BadReply:
        return "bad reply";
    }
    return "?";
}

std::optional<DdeLinkTopic> splitLinkTopic(std::string_view linkTopic) {
    const auto bar = linkTopic.find('|');
    if (bar == std::string_view::npos) return std::nullopt;
    DdeLinkTopic split{std::string(linkTopic.substr(0, bar)),
                       std::string(linkTopic.substr(bar + 1))};
    if (!isDdeWord(split.application) || split.application.find('/') != std::string::npos ||
        !isDdeWord(split.topic))
        return std::nullopt;
    return split;
}

std::string ddeSocketPath(const std::string& directory, std::string_view application) {
    std::string name(application);
    for (char& c : name)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return directory + "/" + name;
}

std::string defaultDdeDirectory(std::string& error) {
    return privateRuntimeDir("dde", error);
}

LocalSocketDdeClient::LocalSocketDdeClient(std::string directory, int timeoutMs)
    : directory_(std::move(directory)), timeoutMs_(timeoutMs) {}

DdeResult LocalSocketDdeClient::request(std::string_view linkTopic, std::string_view item) {
    return converse(linkTopic, item, nullptr);
}

DdeResult LocalSocketDdeClient::poke(std::string_view linkTopic, std::string_view item,
                                     std::string_view text) {
    const std::string copy(text);
    return converse(linkTopic, item, &copy);
}

DdeResult LocalSocketDdeClient::converse(std::string_view linkTopic, std::string_view item,
                                         const std::string* pokeText) {
    const auto link = splitLinkTopic(linkTopic);
    if (!link || !isDdeWord(item))
        return failure(DdeOutcome::NoApplication, "not a conversation name: \"" +
                                                      std::string(linkTopic) + "\" \"" +
                                                      std::string(item) + "\"");
    if (pokeText && pokeText->size() > kDdeLargestText)
        return failure(DdeOutcome::Refused, "poke text too long");
    if (directory_.empty())
        return failure(DdeOutcome::NoApplication, "no private directory for the conversations");
    const std::string bytes = pokeText ? encodeDdePoke(link->topic, item, *pokeText)
                                       : encodeDdeRequest(link->topic, item);
    Conversation conversation(bytes, pokeText == nullptr, link->application);
    return conversation.run(ddeSocketPath(directory_, link->application), timeoutMs_);
}

} // namespace orv::platform
