#include "ui/headless_console.h"

#include "core/gesture_line.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace orv::ui {

HeadlessConsole::HeadlessConsole(station::Station& station)
    : station_(station), input_(STDIN_FILENO, QSocketNotifier::Read) {
    station::ViewHooks hooks;
    hooks.showConfigEditor = [] {
        std::fprintf(stderr, "orv_kite: the configuration editor is open; without windows, edit "
                             "the configuration with: orv_kite_tool config set KEY VALUE, or "
                             "type !Config.TextK set VALUE and !Config.exit click\n");
    };
    hooks.showAbout = [] {};
    hooks.showSatelliteEditor = [] {
        std::fprintf(stderr, "orv_kite: the satellite editor is open; without windows, edit the "
                             "satellites with: orv_kite_tool sat new|set|show NAME, or type "
                             "!Satellite.TextK set VALUE and !Satellite.save click\n");
    };
    hooks.showHorizonEditor = [] {
        std::fprintf(stderr, "orv_kite: the horizon table editor is open; without windows, type "
                             "!Horizon.TextS set DEGREES and !Horizon.Command1 click, or use "
                             "orv_kite_tool horizon set SEGMENT DEGREES\n");
    };
    hooks.showPriorityEditor = [] {
        std::fprintf(stderr, "orv_kite: the priority window is open; without windows, type "
                             "!Form3.TextK set PRIORITY and start with !Form3.Command1 click, or "
                             "leave with !Form3.Command3 click\n");
    };
    hooks.showScheduleEditor = [] {
        std::fprintf(stderr, "orv_kite: the schedule window is open; without windows, type "
                             "!Form4.TextK set VALUE and !Form4.Command1 click (Save), or use "
                             "orv_kite_tool schedule set KEY VALUE\n");
    };
    hooks.programEnded = [](int code) { QCoreApplication::exit(code); };
    station_.setViewHooks(hooks);

    // The panel's warning about an old element set, said once each time it shows.
    station_.panel().subscribe([](const std::string& name, const core::PanelField& field) {
        if (name == "lbl_epoch_age" && field.visible && !field.caption.empty())
            std::fprintf(stderr, "orv_kite: %s\n", field.caption.c_str());
    });
    station::addPassStatus(station_.statusLine(), passPlanner_);
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

void HeadlessConsole::performGesture(const std::string& line) {
    const std::string answer = station_.gestures().performLine(line);
    std::fprintf(stderr, "%s\n", answer.c_str());
    std::fflush(stderr);
}

// Start-up locks the entry box until the first tick; a name typed before then waits,
// and the lines after it wait behind it, so everything is taken in the order typed.
void HeadlessConsole::typeQueuedLines() {
    while (!queued_.empty() && !station_.ended()) {
        const std::string line = queued_.front();
        const bool gesture = core::isGestureLine(line);
        if (!gesture && station_.loop().entryLock) break;
        queued_.pop_front();
        if (gesture)
            performGesture(line);
        else
            typeLine(line);
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
