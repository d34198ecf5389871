#include "rotator/frame_wait.h"

#include <gtest/gtest.h>

namespace orv::rotator {
namespace {

core::RadioLinkTiming link(int transfer, double transmission, double up, double down,
                           double extra) {
    core::RadioLinkTiming timing;
    timing.lastTransfer = transfer;
    timing.transmissionMs = transmission;
    timing.uplinkDelayMs = up;
    timing.downlinkDelayMs = down;
    timing.extraCatDelayMs = extra;
    return timing;
}

TEST(FrameWait, SerialBoxAddsBothDelaysWhateverTheDirection) {
    // Eight bytes at 9600 Bd take 8.32 ms; the whole milliseconds count.
    EXPECT_DOUBLE_EQ(serialFrameWaitMs(link(1, 8.32, 20, 30, 0)), 75 + 8 + 20 + 30);
    EXPECT_DOUBLE_EQ(serialFrameWaitMs(link(3, 8.99, 20, 30, 50)), 75 + 8 + 20 + 30 + 50);
    EXPECT_DOUBLE_EQ(serialFrameWaitMs(link(0, 0, 0, 0, 0)), 75);
}

TEST(FrameWait, ParallelBoxWaitsByTheLastTransfer) {
    const struct {
        int transfer;
        double transmission;
        double expected;
    } cases[] = {
        {1, 8.32, 8 + 50 + 20 + 50}, // uplink: its own delay
        {2, 8.5, 8 + 50 + 30 + 50},  // downlink; 8.5 rounds to even
        {2, 9.5, 10 + 50 + 30 + 50},
        {3, 5.72, 6 + 300 + 30 + 50}, // read
        {4, 100, 5},                  // no radio command
        {0, 100, 5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(parallelFrameWaitMs(link(c.transfer, c.transmission, 20, 30, 50)),
                         c.expected)
            << "transfer " << c.transfer;
}

} // namespace
} // namespace orv::rotator
