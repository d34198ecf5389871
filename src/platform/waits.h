// The one wait of the whole system: a timer plus a yield to the event loop,
// so ticks, gestures and serial events run while a caller waits.
#pragma once

#include <functional>
#include <vector>

namespace orv::platform {

// Milliseconds a wait of `ms` lasts: below 1 gives 0; otherwise the nearest whole
// millisecond, halves to even.
int waitMilliseconds(double ms);

class Waits {
public:
    virtual ~Waits() = default;
    // Waits `ms` milliseconds (rounded as waitMilliseconds) while the event loop runs.
    void timerx(double ms);
    // The marker the wait timer sets when it fires (255), cleared when a wait starts.
    int elapsedMarker() const { return elapsedMarker_; }

protected:
    virtual void waitFor(int ms) = 0;
    void markElapsed() { elapsedMarker_ = 255; }

private:
    int elapsedMarker_ = 0;
};

// Spins a nested Qt event loop until a single-shot timer fires.
class EventLoopWaits final : public Waits {
protected:
    void waitFor(int ms) override;
};

// Records every wait and returns at once; an optional hook lets a test move its clock.
class RecordingWaits final : public Waits {
public:
    std::vector<int> waits;
    std::function<void(int)> onWait;

protected:
    void waitFor(int ms) override;
};

} // namespace orv::platform
