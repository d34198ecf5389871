#include "platform/waits.h"

#include <QEventLoop>
#include <QTimer>
#include <cmath>

namespace orv::platform {

int waitMilliseconds(double ms) {
    if (!(ms >= 1.0)) return 0; // also catches NaN
    if (ms > 2.0e9) ms = 2.0e9;
    return static_cast<int>(std::nearbyint(ms)); // default rounding mode: halves to even
}

void Waits::timerx(double ms) {
    const int wait = waitMilliseconds(ms);
    if (wait <= 0) return;
    elapsedMarker_ = 0;
    waitFor(wait);
    markElapsed();
}

void EventLoopWaits::waitFor(int ms) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}

void RecordingWaits::waitFor(int ms) {
    waits.push_back(ms);
    if (onWait) onWait(ms);
}

} // namespace orv::platform
