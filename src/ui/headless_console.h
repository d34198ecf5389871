// Headless operation: a status line once a second on standard output, and each
// line of standard input typed into the satellite-name box followed by Enter.
#pragma once

#include "station/station.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <deque>
#include <string>

namespace orv::ui {

class HeadlessConsole final {
public:
    explicit HeadlessConsole(station::Station& station);
    // Types one line into the entry box and presses Enter.
    void typeLine(const std::string& line);

private:
    void readInput();
    void typeQueuedLines();
    void printStatus();

    station::Station& station_;
    QTimer statusTimer_;
    QSocketNotifier input_;
    std::string pending_;
    std::deque<std::string> queued_; // lines waiting for the entry box to be unlocked
    QTimer retryTimer_;
};

} // namespace orv::ui
