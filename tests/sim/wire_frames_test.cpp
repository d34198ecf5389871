#include "sim/baud_timing.h"
#include "sim/parallel_frames.h"
#include "sim/serial_frames.h"

#include <gtest/gtest.h>

namespace orv::sim {
namespace {

TEST(BaudTiming, TimingBytesOfBothBoxes) {
    EXPECT_EQ(serialBoxBaud(247, 1), 9600);
    EXPECT_EQ(serialBoxBaud(12, 1), 115200);
    EXPECT_EQ(serialBoxBaud(242, 8), 1200);
    EXPECT_EQ(parallelBoxBaud(189, 1), 9600);
    EXPECT_EQ(parallelBoxBaud(250, 6), 1200);
    EXPECT_FALSE(parallelBoxBaud(12, 1)); // no 115200 on the parallel box
    EXPECT_FALSE(serialBoxBaud(189, 1));
}

std::array<uint8_t, kSerialFrameLength> serialWire() {
    std::array<uint8_t, kSerialFrameLength> wire{};
    const uint8_t payload[] = {0xFE, 0xFE, 0x4C, 0xE0, 0x03, 0xFD, 0xF0};
    std::copy(std::begin(payload), std::end(payload), wire.begin());
    wire[21] = 0xF0;
    wire[23] = 1;   // slot 24: read
    wire[25] = 11;  // slot 26: reply length
    wire[26] = 120; // slots 27, 28: 19200 Bd
    wire[27] = 1;
    wire[28] = 1;   // slot 29: port 2
    wire[29] = 88;  // slot 30: azimuth low
    wire[30] = 2;   // slot 31: azimuth high
    wire[31] = 200; // slot 32: elevation low
    wire[33] = 1;   // slot 34: azimuth driven
    wire[35] = 5;   // slot 36
    wire[36] = 4;   // slot 37
    wire[37] = 3;   // slot 38: ECP
    return wire;
}

TEST(SerialFrames, DecodesTargetsFlagsAndTheRadioCommand) {
    std::string problem;
    const auto command = decodeSerialFrame(serialWire(), problem);
    ASSERT_TRUE(command) << problem;
    EXPECT_EQ(command->rotators, (RotatorCommand{600, 200, true, false, 5, 4}));
    EXPECT_EQ(command->ecpValue, 3);
    ASSERT_TRUE(command->radio);
    EXPECT_EQ(command->radio->port, 2);
    EXPECT_EQ(command->radio->baud, 19200);
    EXPECT_TRUE(command->radio->read);
    EXPECT_EQ(command->radio->replyLength, 11);
    EXPECT_EQ(command->radio->payload, (std::vector<uint8_t>{0xFE, 0xFE, 0x4C, 0xE0, 0x03, 0xFD}));

    auto noRadio = serialWire();
    noRadio[23] = 0;
    EXPECT_FALSE(decodeSerialFrame(noRadio, problem)->radio);
    auto broken = serialWire();
    broken[21] = 0x12;
    EXPECT_FALSE(decodeSerialFrame(broken, problem));
    EXPECT_EQ(problem, "byte 22 is 0x12, not 0xF0");
}

TEST(SerialFrames, ReplyLayout) {
    const auto reply = serialReply({600, 1023, {0xFE, 0xFE, 0xE0}});
    EXPECT_EQ(reply[0], 88);
    EXPECT_EQ(reply[1], 2);
    EXPECT_EQ(reply[2], 0xFF);
    EXPECT_EQ(reply[3], 3);
    EXPECT_EQ(reply[6], 255);
    EXPECT_EQ(reply[7], 128);
    EXPECT_EQ(reply[8], 0xFE);
    EXPECT_EQ(reply[10], 0xE0);
    EXPECT_EQ(reply[11], 0);
}

TEST(ParallelFrames, DataLinesBackToNibbles) {
    EXPECT_EQ(nibbleFromDataLines(0xC0 | 0x10), 0x4);
    EXPECT_EQ(nibbleFromDataLines(0xE0 | 0x1B), 0xF);
    EXPECT_EQ(nibbleFromDataLines(0xC4), 0x0); // data bit 2 carries nothing
}

TEST(ParallelFrames, DecodesPortsFlagsAndTimings) {
    ParallelFrameSlots slots{};
    slots[1] = 3;
    slots[65] = 5;
    slots[2] = 0xFE;
    slots[3] = 0xF0;
    slots[45] = 1;
    slots[46] = 44;
    slots[62] = 1;
    slots[64] = 1;                  // elevation held
    slots[52] = 1, slots[53] = 91;  // port 1: 19200
    slots[54] = 1, slots[55] = 189; // port 2 and reads: 9600
    std::string problem;
    slots[57] = 1; // send on port 1
    auto command = decodeParallelFrame(slots, problem);
    ASSERT_TRUE(command) << problem;
    EXPECT_EQ(command->rotators.azTarget, 300);
    EXPECT_TRUE(command->rotators.azDrive);
    EXPECT_FALSE(command->rotators.elDrive);
    EXPECT_EQ(command->radio->port, 1);
    EXPECT_EQ(command->radio->baud, 19200);
    EXPECT_EQ(command->radio->payload, std::vector<uint8_t>{0xFE});
    slots[57] = 0;
    slots[58] = 1; // read on port 2
    slots[60] = 11;
    command = decodeParallelFrame(slots, problem);
    EXPECT_EQ(command->radio->port, 2);
    EXPECT_TRUE(command->radio->read);
    EXPECT_EQ(command->radio->baud, 9600);
    EXPECT_FALSE(command->ecpValue);
    slots[65] = 0;
    EXPECT_FALSE(decodeParallelFrame(slots, problem));
}

TEST(ParallelFrames, ReplyNibbles) {
    const auto nibbles = parallelReply({0x2AB, 0x3CD, {0x12}});
    EXPECT_EQ(nibbles[2], 0x1);
    EXPECT_EQ(nibbles[3], 0x2);
    EXPECT_EQ(nibbles[130], 0x0); // byte 65: azimuth high
    EXPECT_EQ(nibbles[131], 0x2);
    EXPECT_EQ(nibbles[132], 0xA);
    EXPECT_EQ(nibbles[133], 0xB);
    EXPECT_EQ(nibbles[136], 0xC);
    EXPECT_EQ(nibbles[137], 0xD);
    EXPECT_EQ(nibbles[150], 0x0);
}

} // namespace
} // namespace orv::sim
