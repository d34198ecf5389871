#include "sim/simulated_hardware.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace orv::sim {
namespace {

using Bytes = std::vector<uint8_t>;

// The serial box driven at the level of its wire: DTR pulse plus 38 bytes, RTS pulse.
struct SerialWireBench {
    explicit SerialWireBench(FaultPlan fault = {}) {
        SimulatedBoxOptions options;
        options.fault = fault;
        options.clockSeconds = [this] { return seconds; };
        options.runSeconds = [this] { return seconds; };
        options.log = [this](const std::string& line) { log.push_back(line); };
        hardware = std::make_unique<SimulatedHardware>(options);
        line().open("1", platform::SerialSettings{});
        line().setReceiveThreshold(30);
        line().onEvent([this](int) { ++events; });
    }
    SimulatedSerialLine& line() { return hardware->serialLine(); }
    SimulatedBox& box() { return hardware->box(); }

    void frame(int az, int el, bool drive, Bytes payload = {}, int flagSlot = 0, int port = 1,
               int replyLength = 0) {
        Bytes wire(38, 0);
        std::copy(payload.begin(), payload.end(), wire.begin());
        if (payload.size() < 21) wire[payload.size()] = 0xF0;
        wire[21] = 0xF0;
        if (flagSlot) wire[static_cast<size_t>(flagSlot - 1)] = 1; // slot 23 or 24
        wire[25] = static_cast<uint8_t>(replyLength);
        wire[26] = 120; // 19200 Bd
        wire[27] = 1;
        wire[28] = static_cast<uint8_t>(port - 1);
        wire[29] = static_cast<uint8_t>(az & 0xFF);
        wire[30] = static_cast<uint8_t>(az >> 8);
        wire[31] = static_cast<uint8_t>(el & 0xFF);
        wire[32] = static_cast<uint8_t>(el >> 8);
        wire[33] = wire[34] = drive ? 1 : 0;
        wire[35] = 5;
        wire[36] = 5;
        line().setDtr(true);
        line().setDtr(false);
        line().write(wire);
    }
    Bytes request() {
        line().discardInput();
        line().setRts(true);
        line().setRts(false);
        return line().read(64);
    }

    double seconds = 0;
    int events = 0;
    std::vector<std::string> log;
    std::unique_ptr<SimulatedHardware> hardware;
};

TEST(SimulatedSerialBox, RepliesPresentWithTheRotatorPositions) {
    SerialWireBench bench;
    bench.frame(600, 300, true);
    bench.seconds = 2;
    const Bytes reply = bench.request();
    ASSERT_EQ(reply.size(), 30u);
    EXPECT_EQ(reply[0] + 256 * reply[1], 34);
    EXPECT_EQ(reply[2] + 256 * reply[3], 34);
    EXPECT_EQ(reply[6], 255);
    EXPECT_EQ(reply[7], 128);
    QCoreApplication::processEvents(); // the bytes were taken before their event
    EXPECT_EQ(bench.events, 0);
    bench.line().setRts(true);
    bench.line().setRts(false);
    EXPECT_EQ(bench.events, 0); // the receive event comes from the event loop
    QCoreApplication::processEvents();
    EXPECT_EQ(bench.events, 1);
}

TEST(SimulatedSerialBox, ForwardsRadioCommandsAndReturnsReadReplies) {
    SerialWireBench bench;
    bench.frame(0, 0, false, {0xFE, 0xFE, 0x4C, 0xE0, 0x05, 0x50, 0x34, 0x12, 0x35, 0x04, 0xFD}, 23,
                2);
    EXPECT_NE(std::find(bench.log.begin(), bench.log.end(),
                        "port 2 19200 Bd: CI-V 0x4C set frequency 435.123450 MHz"),
              bench.log.end());
    EXPECT_EQ(bench.box().radioPort(2).dialHz(), 435123450u);

    bench.frame(0, 0, false, {0xFE, 0xFE, 0x4C, 0xE0, 0x03, 0xFD}, 24, 2, 11);
    const Bytes reply = bench.request();
    const Bytes expected{0xFE, 0xFE, 0xE0, 0x4C, 0x03, 0x50, 0x34, 0x12, 0x35, 0x04, 0xFD};
    EXPECT_EQ(Bytes(reply.begin() + 8, reply.begin() + 19), expected);
    EXPECT_EQ(reply[19], 0);
}

TEST(SimulatedSerialBox, BytesWithoutADtrPulseAndBrokenFramesAreNotTaken) {
    SerialWireBench bench;
    bench.line().write(Bytes(38, 1));
    EXPECT_EQ(bench.box().framesReceived(), 0);
    bench.line().setDtr(true);
    bench.line().setDtr(false);
    bench.line().write(Bytes(38, 1)); // byte 22 is not the marker
    EXPECT_EQ(bench.box().framesReceived(), 0);
    EXPECT_EQ(bench.box().framesRefused(), 1);
    EXPECT_EQ(bench.log.back(), "frame refused: byte 22 is 0x01, not 0xF0");
}

TEST(SimulatedSerialBox, BothLinesTogetherResetTheBox) {
    SerialWireBench bench;
    bench.frame(600, 300, true);
    bench.line().setRts(true);
    bench.line().setDtr(true);
    bench.line().setRts(false); // releasing a reset is no request
    bench.line().setDtr(false);
    EXPECT_EQ(bench.box().lineResets(), 1);
    EXPECT_EQ(bench.line().bytesAvailable(), 0u);
    EXPECT_FALSE(bench.box().azimuth().driven());
}

TEST(SimulatedSerialBox, AWrongLineSpeedHearsNothing) {
    SerialWireBench bench;
    bench.line().open("1", platform::SerialSettings{9600, 'N', 8, 1});
    EXPECT_TRUE(bench.request().empty());
}

TEST(SimulatedBoxFaults, SilentFromItsStartTime) {
    SerialWireBench bench(FaultPlan{FaultKind::Silent, 10});
    EXPECT_EQ(bench.request().size(), 30u);
    bench.seconds = 10;
    EXPECT_TRUE(bench.request().empty());
    bench.frame(600, 300, true);
    EXPECT_EQ(bench.box().framesReceived(), 0);
    EXPECT_EQ(bench.log.front(), "serial line /dev/ttyUSB0 opened at 115200 Bd");
    EXPECT_NE(std::find(bench.log.begin(), bench.log.end(), "fault: the box stops answering"),
              bench.log.end());
}

TEST(SimulatedBoxFaults, GarbledRepliesAreRandomBytes) {
    SerialWireBench bench(FaultPlan{FaultKind::Garbled, 0});
    int present = 0;
    for (int i = 0; i < 20; ++i) {
        const Bytes reply = bench.request();
        ASSERT_EQ(reply.size(), 30u);
        present += reply[6] == 255 && reply[7] == 128;
    }
    EXPECT_LT(present, 2);
}

TEST(SimulatedBoxFaults, StuckRotatorsDoNotTurn) {
    SerialWireBench bench(FaultPlan{FaultKind::Stuck, 0});
    bench.frame(600, 300, true);
    bench.seconds = 30;
    const Bytes reply = bench.request();
    EXPECT_EQ(reply[0], 0);
    EXPECT_EQ(reply[2], 0);
    EXPECT_EQ(reply[6], 255); // the box itself still answers
}

TEST(SimulatedBoxFaults, AResetBoxShowsItsDeadbandOnceAndStops) {
    SerialWireBench bench(FaultPlan{FaultKind::Reset, 5});
    bench.frame(600, 300, true);
    bench.seconds = 6;
    Bytes reply = bench.request();
    EXPECT_EQ(reply[8], 5); // byte 9: the azimuth deadband
    EXPECT_FALSE(bench.box().azimuth().driven());
    EXPECT_EQ(bench.box().selfResets(), 1);
    bench.frame(600, 300, true); // the next frame clears the mark; no second reset
    bench.seconds = 7;
    reply = bench.request();
    EXPECT_EQ(reply[8], 0);
    EXPECT_EQ(bench.box().selfResets(), 1);
}

TEST(SimulatedBox, TheLogSaysEachNewFrameOnce) {
    SerialWireBench bench;
    bench.frame(600, 300, true);
    bench.frame(600, 300, true);
    bench.frame(601, 300, false);
    const auto frames =
        std::count_if(bench.log.begin(), bench.log.end(),
                      [](const std::string& line) { return line.rfind("frame:", 0) == 0; });
    EXPECT_EQ(frames, 2);
    EXPECT_EQ(bench.log.back(),
              "frame: azimuth 601 off, elevation 300 off, deadbands 5 and 5, ECP 0");
}

} // namespace
} // namespace orv::sim
