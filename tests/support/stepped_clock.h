// A clock a test steps, which also runs `rate` times faster than real time so that the
// simulated rotators turn while the station waits on a real timer (parking does).
#pragma once

#include "platform/clock.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace orv::test {

class SteppedClock final : public platform::Clock {
public:
    SteppedClock(QDateTime start, double rate) : start_(std::move(start)), rate_(rate) {
        elapsed_.start();
    }
    QDateTime now() const override {
        return start_.addMSecs(static_cast<qint64>(stepMs_ + rate_ * double(elapsed_.elapsed())));
    }
    void set(QDateTime instant) {
        start_ = std::move(instant);
        stepMs_ = 0;
        elapsed_.restart();
    }
    void advanceMs(double ms) { stepMs_ += ms; }

private:
    QDateTime start_;
    double rate_;
    double stepMs_ = 0;
    QElapsedTimer elapsed_;
};

} // namespace orv::test
