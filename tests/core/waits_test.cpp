// timerx: rounding, the zero cases, and the event loop running during a wait.
#include "platform/waits.h"

#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

using orv::platform::EventLoopWaits;
using orv::platform::RecordingWaits;
using orv::platform::waitMilliseconds;

TEST(Waits, RoundsToWholeMillisecondsHalvesToEven) {
    const struct {
        double ms;
        int wait;
    } cases[] = {{0, 0},   {0.99, 0}, {-5, 0},   {1, 1},     {1.5, 2},
                 {2.5, 2}, {3.5, 4},  {2.49, 2}, {150, 150}, {NAN, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(waitMilliseconds(c.ms), c.wait) << c.ms;
}

TEST(Waits, BelowOneReturnsAtOnceAndOtherwiseMarksTheWaitElapsed) {
    RecordingWaits waits;
    waits.timerx(0.4);
    EXPECT_TRUE(waits.waits.empty());
    waits.timerx(2.5);
    waits.timerx(20);
    EXPECT_EQ(waits.waits, (std::vector<int>{2, 20}));
    EXPECT_EQ(waits.elapsedMarker(), 255);
}

TEST(Waits, TheEventLoopRunsDuringAWait) {
    EventLoopWaits waits;
    bool ranInside = false;
    QTimer::singleShot(5, [&] { ranInside = true; });
    waits.timerx(30);
    EXPECT_TRUE(ranInside);
}
