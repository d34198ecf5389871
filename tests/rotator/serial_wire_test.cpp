#include "rotator/frame_check.h"
#include "rotator/serial_wire.h"

#include <gtest/gtest.h>

namespace orv::rotator {
namespace {

std::vector<uint8_t> reply(uint8_t first, size_t length = kSerialReplyBytes) {
    std::vector<uint8_t> bytes(length);
    for (size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<uint8_t>(first + i);
    return bytes;
}

TEST(SerialWire, PayloadThenMarkerThenHeaderAndRotators) {
    core::BoxFrame frame;
    for (int slot = 0; slot <= 40; ++slot)
        frame[slot] = slot;
    frame[22] = 99;
    const auto wire = serialWireBytes(frame);
    EXPECT_EQ(wire[0], 2);   // wire byte 1 is slot 2
    EXPECT_EQ(wire[20], 99); // wire byte 21 is slot 22
    EXPECT_EQ(wire[21], 0xF0);
    EXPECT_EQ(wire[22], 23); // wire byte 23 is slot 23
    EXPECT_EQ(wire[37], 38);
}

TEST(SerialWire, SlotsOutsideAByteAreFound) {
    core::BoxFrame frame;
    EXPECT_FALSE(firstSlotOutOfByteRange(frame, 2, 38));
    frame[30] = 256;
    frame[33] = -1;
    const auto fault = firstSlotOutOfByteRange(frame, 2, 38);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->slot, 30);
    EXPECT_EQ(fault->value, 256);
    EXPECT_EQ(refusedFrameText(*fault), "Frame not sent: slot 30 holds 256, not a byte.");
    EXPECT_FALSE(firstSlotOutOfByteRange(frame, 39, 66)); // slots that do not travel
}

TEST(SerialReplyAssembler, ActsOnTheNewestCompleteReplyOnly) {
    SerialReplyAssembler assembler;
    // Reads of 29 bytes: one reply arrives as 29 + 1.
    EXPECT_FALSE(assembler.add(reply(0, 29)));
    auto first = assembler.add({29});
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, reply(0, 29));
    EXPECT_EQ(assembler.pending(), 0u);

    // Two replies at once, the second partly: the first complete one is the newest.
    auto bytes = reply(100);
    const auto second = reply(200, 12);
    bytes.insert(bytes.end(), second.begin(), second.end());
    auto taken = assembler.add(bytes);
    ASSERT_TRUE(taken);
    EXPECT_EQ((*taken)[0], 100);
    EXPECT_EQ(assembler.pending(), 12u);

    // Two complete replies: the older is skipped.
    assembler.restart();
    bytes = reply(10);
    const auto newer = reply(50);
    bytes.insert(bytes.end(), newer.begin(), newer.end());
    taken = assembler.add(bytes);
    ASSERT_TRUE(taken);
    EXPECT_EQ((*taken)[0], 50);
    EXPECT_EQ(taken->size(), 29u);
}

TEST(SerialWire, HexTextTwoDigitsPerByte) {
    EXPECT_EQ(hexBytesText({0x0A, 0xFF, 0x00}), "0A FF 00");
    EXPECT_EQ(hexBytesText({}), "");
}

} // namespace
} // namespace orv::rotator
