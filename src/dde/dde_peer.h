// A stand-in for one tracking program: serves the program's socket, answers its
// topic and item with the text a provider gives (plus the program's line end),
// takes pokes, and tells every conversation to a log. Runs in the event loop of
// the thread that made it; the station's tests and `orv_kite_tool dde-peer` use it.
#pragma once

#include "dde/dde_sources.h"

#include <QLocalServer>
#include <functional>
#include <string>

namespace orv::dde {

class DdePeer {
public:
    struct Hooks {
        std::function<std::string()> reply;                 // the text, less its line end
        std::function<void(const std::string& text)> poked; // a poke's text
        std::function<void(const std::string& line)> log;   // one line per conversation
    };
    DdePeer(const DdeSource& source, Hooks hooks);
    ~DdePeer();
    DdePeer(const DdePeer&) = delete;
    DdePeer& operator=(const DdePeer&) = delete;

    // Serves the program's socket in `directory`. False, with `error` set, when another
    // copy of the program answers there or the socket cannot be made; a socket left
    // behind by one that died is taken over.
    bool listen(const std::string& directory, std::string& error);
    // Stops serving and removes the socket.
    void close();
    const std::string& socketPath() const { return path_; }
    const DdeSource& source() const { return source_; }

private:
    void accept();
    void serve(class QLocalSocket* socket, std::string& buffer);
    std::string answer(bool poke, const std::string& topic, const std::string& item,
                       const std::string& text);
    bool servesTopic(const std::string& topic, const std::string& item) const;
    void log(const std::string& line) const;

    const DdeSource& source_;
    Hooks hooks_;
    QLocalServer server_;
    std::string path_;
};

} // namespace orv::dde
