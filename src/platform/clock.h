// The local clock the station reads: the system's, a fixed instant for tests,
// or a simulated start that runs at a chosen rate.
#pragma once

#include <QDateTime>
#include <QElapsedTimer>

namespace orv::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Present local date and time.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// Stands still until a test moves it.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime instant) : instant_(std::move(instant)) {}
    QDateTime now() const override { return instant_; }
    void set(QDateTime instant) { instant_ = std::move(instant); }
    void advanceMs(qint64 ms) { instant_ = instant_.addMSecs(ms); }

private:
    QDateTime instant_;
};

// Starts at a chosen local instant and runs `rate` times as fast as real time.
class SimulatedClock final : public Clock {
public:
    SimulatedClock(QDateTime start, double rate);
    QDateTime now() const override;

private:
    QDateTime start_;
    double rate_;
    QElapsedTimer elapsed_;
};

// Reads "YYYY-MM-DD hh:mm:ss" (optionally with ".zzz") as a local instant; invalid on failure.
QDateTime parseLocalInstant(const QString& text);

} // namespace orv::platform
