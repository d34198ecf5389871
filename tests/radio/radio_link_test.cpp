// The link layer: payload, both radio headers, timing, the waits they lead to,
// text commands, and the main-loop timer around a send.
#include "radio_fixture.h"
#include "rotator/frame_wait.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;
using radio::kDownlinkRead;
using radio::kUplinkTransfer;

namespace {
const Bytes kSevenByteCommand = civ(0x42, 0x07, {0xD0}); // FE FE 42 E0 07 D0 FD
}

TEST(RadioLink, SerialUplinkHeaderAt9600OnPortTwo) {
    RadioFixture f(4);
    f.record[9] = "20";   // uplink delay
    f.record[20] = "30,"; // downlink delay with its comma
    f.useRadios(14, 14, 2, 3);
    f.timing.extraCatDelayMs = 0;
    ASSERT_TRUE(f.radios->link().sendCommand(kUplinkTransfer, kSevenByteCommand));
    ASSERT_EQ(f.sent.size(), 1u);
    const auto& frame = f.sent[0];
    EXPECT_EQ(frame[23], 1);
    EXPECT_EQ(frame[24], 0);
    EXPECT_EQ(frame[25], 0); // the uplink delay has no comma
    EXPECT_EQ(frame[26], 0);
    EXPECT_EQ(frame[27], 247);
    EXPECT_EQ(frame[28], 1);
    EXPECT_EQ(frame[29], 1);
    EXPECT_EQ(frame[36], f.config.azDeadband);
    EXPECT_EQ(frame[37], f.config.elDeadband);
    EXPECT_EQ(frame[38], 2); // the ECP value
    EXPECT_EQ(frame[2], 0xFE);
    EXPECT_EQ(frame[8], 0xFD);
    EXPECT_EQ(frame[9], 0xF0);
    EXPECT_DOUBLE_EQ(f.timing.transmissionMs, 8.32);
    EXPECT_EQ(f.timing.lastTransfer, 1);
    // Both delays whatever the direction: 75 + 8 + 20 + 30.
    EXPECT_DOUBLE_EQ(rotator::serialFrameWaitMs(f.timing), 133);
}

TEST(RadioLink, ParallelUplinkOnPortFourReducedToTwo) {
    RadioFixture f(3);
    f.record[9] = "40,";
    f.useRadios(14, 14, 4, 1);
    ASSERT_TRUE(f.radios->link().sendCommand(kUplinkTransfer, kSevenByteCommand));
    const auto& frame = f.sent.at(0);
    EXPECT_EQ(frame[1], 3);
    EXPECT_EQ(frame[65], 5);
    EXPECT_EQ(frame[52], 1);
    EXPECT_EQ(frame[53], 189);
    EXPECT_EQ(frame[54], 1);
    EXPECT_EQ(frame[55], 189);
    EXPECT_EQ(frame[56] + frame[57] + frame[58], 0);
    EXPECT_EQ(frame[59], 1);
    EXPECT_EQ(frame[60], 0);
    EXPECT_EQ(frame[61], 1);
    EXPECT_EQ(frame[49], f.config.azDeadband);
    EXPECT_EQ(frame[50], f.config.elDeadband);
    EXPECT_DOUBLE_EQ(rotator::parallelFrameWaitMs(f.timing), 8 + 50 + 40);
}

TEST(RadioLink, ParallelPortOneSendLeavesThePortTwoTimingAlone) {
    RadioFixture f(3);
    f.useRadios(14, 14, 1, 1);
    f.frame[54] = 77;
    f.radios->link().sendCommand(kUplinkTransfer, kSevenByteCommand);
    EXPECT_EQ(f.sent.at(0)[57], 1);
    EXPECT_EQ(f.sent.at(0)[54], 77);
    f.radios->link().settings().downlink.parameter = 11;
    f.radios->link().sendCommand(kDownlinkRead, kSevenByteCommand);
    EXPECT_EQ(f.sent.at(1)[56], 1);
    EXPECT_EQ(f.sent.at(1)[54], 1);
    EXPECT_EQ(f.sent.at(1)[60], 11);
    EXPECT_DOUBLE_EQ(rotator::parallelFrameWaitMs(f.timing), 8 + 300);
}

TEST(RadioLink, SerialDownlinkReadSetsTheReadFlagAndReplyLength) {
    RadioFixture f(4);
    f.useRadios(14, 14, 1, 4);
    f.radios->link().settings().downlink.parameter = 11;
    f.radios->link().sendCommand(kDownlinkRead, civ(0x42, 0x03));
    const auto& frame = f.sent.at(0);
    EXPECT_EQ(frame[23], 0);
    EXPECT_EQ(frame[24], 1);
    EXPECT_EQ(frame[26], 11);
    EXPECT_EQ(frame[29], 3);
}

TEST(RadioLink, APairWithoutARowSetsNoFlagButStillSends) {
    for (int variant : {3, 4}) {
        RadioFixture f(variant);
        f.useRadios(14, 14, variant == 3 ? 1 : 5, 1);
        f.timing.transmissionMs = 1.5;
        f.radios->link().settings().uplink.port = variant == 3 ? 3 : 5;
        f.radios->link().sendCommand(kUplinkTransfer, kSevenByteCommand);
        ASSERT_EQ(f.sent.size(), 1u) << variant;
        const auto& frame = f.sent[0];
        for (int slot : {23, 24, 56, 57, 58, 59})
            EXPECT_EQ(frame[slot], 0) << variant << " slot " << slot;
        EXPECT_DOUBLE_EQ(f.timing.transmissionMs, 1.5);
        f.radios->link().SendTheData(9, 8, 0);
        EXPECT_EQ(f.timing.lastTransfer, 9);
        EXPECT_EQ(f.sent.size(), 2u);
    }
}

TEST(RadioLink, NothingGoesOutWithoutASatellite) {
    RadioFixture f(4);
    f.useRadios(14, 14);
    f.selected = false;
    f.radios->link().sendCommand(kUplinkTransfer, kSevenByteCommand);
    EXPECT_TRUE(f.sent.empty());
    EXPECT_EQ(f.timerStops, 0);
}

TEST(RadioLink, TimerStopsForTheSendAndComesBackOnlyIfItRan) {
    RadioFixture f(4);
    f.useRadios(14, 14);
    bool runningDuringSend = true;
    f.onOuts = [&] { runningDuringSend = f.timerActive; };
    f.timerActive = true; // a gesture between ticks
    f.radios->link().sendCommand(kUplinkTransfer, kSevenByteCommand);
    EXPECT_FALSE(runningDuringSend);
    EXPECT_TRUE(f.timerActive);
    f.timerActive = false; // inside a tick: the tick re-arms it at its end
    f.radios->link().sendCommand(kUplinkTransfer, kSevenByteCommand);
    EXPECT_FALSE(f.timerActive);
}

TEST(RadioLink, TextCommandsAndTheirLimit) {
    RadioFixture f(4);
    f.useRadios(4, 4, 1, 3);
    auto& link = f.radios->link();
    link.fillPayloadWithMarker();
    EXPECT_EQ(f.frame[1], 0xF0);
    EXPECT_EQ(f.frame[22], 0xF0);
    link.currentTransfer = 2;
    link.kenwood_send("FA;\xF0");
    ASSERT_EQ(f.sent.size(), 1u);
    EXPECT_EQ(f.payloads()[0], (Bytes{'F', 'A', ';'}));
    EXPECT_EQ(f.sent[0][29], 2);                         // the downlink port
    EXPECT_DOUBLE_EQ(f.timing.transmissionMs, 4 * 1.04); // the marker counts
    // 22 characters would run into the header: refused.
    link.kenwood_send(std::string(21, 'A') + "\xF0");
    EXPECT_EQ(f.sent.size(), 1u);
    EXPECT_FALSE(link.sendCommand(1, Bytes(21, 0x01)));
    EXPECT_TRUE(link.sendCommand(1, Bytes(20, 0x01)));
}

TEST(RadioLink, ParallelPayloadReachesSlotFortyFour) {
    RadioFixture f(3);
    f.useRadios(14, 14);
    EXPECT_TRUE(f.radios->link().sendCommand(1, Bytes(42, 0x01)));
    EXPECT_EQ(f.sent.at(0)[44], 0xF0);
    EXPECT_FALSE(f.radios->link().sendCommand(1, Bytes(43, 0x01)));
}

TEST(RadioLink, AGestureInsideASendWaitsForItsEnd) {
    RadioFixture f(4);
    f.useRadios(14, 14);
    auto& link = f.radios->link();
    std::vector<std::string> order;
    f.onOuts = [&] {
        order.push_back("send");
        if (order.size() == 1) link.whenIdle([&] { order.push_back("gesture"); });
    };
    link.sendCommand(1, kSevenByteCommand);
    EXPECT_EQ(order, (std::vector<std::string>{"send", "gesture"}));
}

TEST(RadioLink, ARefusedCommandIsCountedAndNamedForThePanel) {
    RadioFixture f(4);
    f.useRadios(10, 11);
    auto& link = f.radios->link();
    EXPECT_FALSE(link.sendCommand(kUplinkTransfer, Bytes(21, 0x01))); // 21 and the marker
    EXPECT_EQ(link.refusals(), 1);
    EXPECT_EQ(link.lastRefusal(), "a radio command of 21 bytes does not fit the box frame");
    link.kenwood_send(std::string(30, 'A'));
    EXPECT_EQ(link.refusals(), 2);
    EXPECT_EQ(link.lastRefusal(), "a radio command of 30 characters does not fit the box frame");
    EXPECT_TRUE(f.sent.empty());
}
