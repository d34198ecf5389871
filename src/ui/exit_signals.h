// SIGTERM, SIGINT and SIGHUP end the run the way the Exit button does: radios closed,
// box reset, running flag removed. The handler only writes the signal's number into
// a pipe; the event loop reads it and runs the exit routine.
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace orv::ui {

class ExitSignals final {
public:
    // `exitRoutine` runs on the event loop, once, for the first of the signals. A second
    // signal while it runs ends the process as the signal's default does.
    explicit ExitSignals(std::function<void(int signal)> exitRoutine);
    ~ExitSignals();
    ExitSignals(const ExitSignals&) = delete;
    ExitSignals& operator=(const ExitSignals&) = delete;

    // False when the pipe or the handlers could not be set up (the reason is printed).
    bool active() const { return notifier_ != nullptr; }

private:
    void readSignal();

    std::function<void(int)> exitRoutine_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace orv::ui
