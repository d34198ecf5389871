#include "rotator/parallel_nibbles.h"

#include <gtest/gtest.h>

namespace orv::rotator {
namespace {

TEST(ParallelNibbles, NibbleBitTwoDrivesDataBitFour) {
    const struct {
        uint8_t nibble, lines;
    } cases[] = {{0x0, 0x00}, {0x1, 0x01}, {0x2, 0x02}, {0x4, 0x10},
                 {0x8, 0x08}, {0x7, 0x13}, {0xF, 0x1B}, {0xC, 0x18}};
    for (const auto& c : cases)
        EXPECT_EQ(remapNibble(c.nibble), c.lines) << int(c.nibble);
}

TEST(ParallelNibbles, StatusBitsThreeToSixReadAsNibble) {
    EXPECT_EQ(statusNibble(0x78), 0xF);
    EXPECT_EQ(statusNibble(0x80 | (0xA << 3)), 0xA);
    EXPECT_EQ(statusNibble(0x87), 0x0); // bits 0-2 and 7 carry no data
}

TEST(ParallelNibbles, FrameGoesOutHighNibbleFirstFromSlotOne) {
    core::BoxFrame frame;
    frame[1] = 3;
    frame[2] = 0x04;
    frame[45] = 0xAB;
    frame[66] = 0xF1;
    const auto nibbles = parallelFrameNibbles(frame);
    EXPECT_EQ(nibbles[0], 0);
    EXPECT_EQ(nibbles[1], 3);
    EXPECT_EQ(nibbles[2], 0); // slot 2 = 0x04: nibbles 0 and 4
    EXPECT_EQ(nibbles[3], 4);
    EXPECT_EQ(nibbles[88], 0xA);
    EXPECT_EQ(nibbles[89], 0xB);
    EXPECT_EQ(nibbles[130], 0xF);
    EXPECT_EQ(nibbles[131], 0x1);
}

TEST(ParallelNibbles, ReplyBytesSkipNibbleOne) {
    ReplyNibbles nibbles{};
    nibbles[1] = 0xF; // never used
    nibbles[2] = 0x1;
    nibbles[3] = 0x2;
    nibbles[130] = 0x0; // byte 65 = nibbles 130, 131
    nibbles[131] = 0x3;
    nibbles[136] = 0xF; // byte 68 = nibbles 136, 137
    nibbles[137] = 0xE;
    const auto bytes = decodeReplyNibbles(nibbles);
    EXPECT_EQ(bytes[1], 0x12);
    EXPECT_EQ(bytes[65], 0x03);
    EXPECT_EQ(bytes[68], 0xFE);
}

} // namespace
} // namespace orv::rotator
