// Headless operation: a status line once a second on standard output. Each line of
// standard input is typed into the satellite-name box followed by Enter, except a
// line beginning with "!", which is a gesture ("!lbl_refresh dblclick", "!help")
// answered on standard error.
#pragma once

#include "station/pass_planner.h"
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
    void performGesture(const std::string& line);
    void printStatus();

    station::Station& station_;
    station::PassPlanner passPlanner_{station_}; // the pass keys of the status line
    QTimer statusTimer_;
    QSocketNotifier input_;
    std::string pending_;
    std::deque<std::string> queued_; // lines waiting for the entry box to be unlocked
    QTimer retryTimer_;
};

} // namespace orv::ui
