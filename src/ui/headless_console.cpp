#include "ui/headless_console.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace orv::ui {

HeadlessConsole::HeadlessConsole(station::Station& station)
    : station_(station), input_(STDIN_FILENO, QSocketNotifier::Read) {
    station::ViewHooks hooks;
    hooks.showConfigEditor = [] {
        std::fprintf(stderr, "orv_kite: the configuration editor is open; without windows, edit "
                             "the configuration with: orv_kite_tool config set KEY VALUE\n");
    };
    hooks.showAbout = [] {};
    hooks.showSatelliteEditor = [] {
        std::fprintf(stderr, "orv_kite: the satellite editor is open; without windows, edit the "
                             "satellites with: orv_kite_tool sat new|set|show NAME\n");
    };
    hooks.programEnded = [](int code) { QCoreApplication::exit(code); };
    station_.setViewHooks(hooks);

    QObject::connect(&statusTimer_, &QTimer::timeout, [this] { printStatus(); });
    statusTimer_.start(1000);
    QObject::connect(&input_, &QSocketNotifier::activated, [this] { readInput(); });
    retryTimer_.setInterval(50);
    QObject::connect(&retryTimer_, &QTimer::timeout, [this] { typeQueuedLines(); });
}

void HeadlessConsole::typeLine(const std::string& line) {
    station_.panel().setCaption("txt_entre", line);
    station_.panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
}

void HeadlessConsole::readInput() {
    char buffer[512];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count <= 0) {
        input_.setEnabled(false); // end of input: keep running on the timers
        return;
    }
    pending_.append(buffer, static_cast<size_t>(count));
    size_t newline;
    while ((newline = pending_.find('\n')) != std::string::npos) {
        std::string line = pending_.substr(0, newline);
        pending_.erase(0, newline + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        queued_.push_back(line);
    }
    typeQueuedLines();
}

// Start-up locks the entry box until the first tick; lines typed before then wait.
void HeadlessConsole::typeQueuedLines() {
    while (!queued_.empty() && !station_.loop().entryLock) {
        typeLine(queued_.front());
        queued_.pop_front();
    }
    if (queued_.empty())
        retryTimer_.stop();
    else if (!retryTimer_.isActive())
        retryTimer_.start();
}

void HeadlessConsole::printStatus() {
    std::printf("%s\n", station_.statusLine().render().c_str());
    std::fflush(stdout);
}

} // namespace orv::ui
