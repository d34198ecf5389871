// The simulated Kenwood text radio: several commands to a text, the dials of the
// TS-790's two bands and of the TS-2000 in and out of satellite mode, the reply
// to a read, and what it refuses.
#include "sim/kenwood_radio.h"
#include "sim/radio_port.h"
#include "sim/simulated_box.h"

#include <gtest/gtest.h>

namespace orv::sim {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes text(const std::string& command) {
    return {command.begin(), command.end()};
}

struct KenwoodBench {
    KenwoodRadioFamily radio;
    RadioExchange send(const std::string& command) { return radio.handle(text(command)); }
};

TEST(SimulatedKenwood, RecognisesOnlyTerminatedText) {
    KenwoodRadioFamily radio;
    EXPECT_TRUE(radio.recognises(text("FA;")));
    EXPECT_TRUE(radio.recognises(text("AI0;FN0;SP0;")));
    EXPECT_FALSE(radio.recognises(text("FA")));
    EXPECT_FALSE(radio.recognises({0xFE, 0xFE, 0x60, 0xE0, 0x03, 0xFD}));
    EXPECT_FALSE(radio.recognises({0x00, 0x00, 0x00, 0x00, 0x3B}));
    EXPECT_FALSE(radio.recognises({}));
}

TEST(SimulatedKenwood, SetUpTextsInPlainWords) {
    KenwoodBench bench;
    const struct {
        const char* command;
        const char* description;
    } rows[] = {
        {"DC1;AI0;FN0;SP0;",
         "Kenwood control on the sub band, auto information off, receive on VFO A, split off"},
        {"MD1;", "Kenwood mode LSB"},
        {"TN08;TO1;", "Kenwood tone number 8, tone on"},
        {"FT0;SA1011000;DC00;",
         "Kenwood transmit on VFO A, satellite mode on (SA1011000), transmit on the main band, "
         "control on the main band"},
        {"CT0;", "Kenwood CTCSS off"},
        {"MC005;", "Kenwood memory channel 5"},
        {"XY1;", "Kenwood XY1 (not simulated)"},
        {"MD0;", "Kenwood MD0 refused"},
        {"FA123;", "Kenwood FA with a malformed frequency \"123\""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(bench.send(row.command).description, row.description);
    EXPECT_EQ(bench.send("MD0;").reply, text("?;"));
    EXPECT_EQ(bench.radio.radio().memoryChannel, 5);
}

TEST(SimulatedKenwood, Ts790BandsAndTheFourteenCharacterReply) {
    KenwoodBench bench;
    bench.send("DC0;FA00145900000;");
    auto exchange = bench.send("DC1;FA00435800000;");
    EXPECT_EQ(exchange.description, "Kenwood control on the sub band, set VFO A 435.800000 MHz");
    EXPECT_TRUE(exchange.reply.empty());
    EXPECT_EQ(bench.radio.linkDialHz(true), 145900000u);
    EXPECT_EQ(bench.radio.linkDialHz(false), 435800000u);
    exchange = bench.send("DC1;FA;");
    EXPECT_EQ(exchange.reply, text("FA00435800000;"));
    EXPECT_EQ(exchange.reply.size(), 14u);
    exchange = bench.send("DC0;FA;");
    EXPECT_EQ(exchange.reply, text("FA00145900000;"));
}

TEST(SimulatedKenwood, Ts2000SatelliteModeReceivesOnATransmitsOnB) {
    KenwoodBench bench;
    bench.send("FT0;SA1011000;DC00;");
    bench.send("DC11;");
    bench.send("MD2;");
    bench.send("FB00435300000;");
    bench.send("FA00145950000;");
    EXPECT_EQ(bench.radio.linkDialHz(true), 435300000u);
    EXPECT_EQ(bench.radio.linkDialHz(false), 145950000u);
    EXPECT_EQ(bench.radio.radio().dials[1][1].mode, 2);
    EXPECT_EQ(bench.send("FA;").reply, text("FA00145950000;"));
    // Out of satellite mode the dials are the control band's VFOs again.
    bench.send("FT0;SA0011000;FR0;");
    EXPECT_FALSE(bench.radio.radio().satellite);
}

TEST(SimulatedKenwood, SplitTransmitsOnVfoB) {
    KenwoodBench bench;
    bench.send("SA0011000;");
    bench.send("FT1;");
    bench.send("FA00435850000;");
    bench.send("FB00435800000;");
    EXPECT_EQ(bench.radio.linkDialHz(false), 435850000u);
    EXPECT_EQ(bench.radio.linkDialHz(true), 435800000u);
}

TEST(SimulatedKenwood, APortHandsTextToTheKenwood) {
    RadioPort port(3);
    EXPECT_EQ(port.deliver(text("FA00435800000;")).description, "Kenwood set VFO A 435.800000 MHz");
    EXPECT_EQ(port.dialHz(), 435800000u);
    // With an IC-910 attached the port has no Kenwood to hear text.
    port.attach({"IC-910"});
    EXPECT_EQ(port.deliver(text("FA;")).description,
              "3 bytes the IC-910 here does not understand: 46 41 3B");
    EXPECT_FALSE(port.dialHz());
    port.attach({});
    EXPECT_EQ(port.deliver(text("FA;")).reply, text("FA00435800000;"));
}

TEST(SimulatedKenwood, ASwitchedOffRadioNeitherActsNorAnswers) {
    for (const FaultKind fault : {FaultKind::None, FaultKind::RadioOff}) {
        std::vector<std::string> log;
        SimulatedBox box({.fault = {fault, 0},
                          .clockSeconds = [] { return 0.0; },
                          .runSeconds = [] { return 1.0; },
                          .log = [&](const std::string& line) { log.push_back(line); }});
        BoxCommand set;
        set.radio = RadioCommand{.port = 2, .baud = 9600, .payload = text("FA00435800000;")};
        box.frame(set);
        BoxCommand read;
        read.radio = RadioCommand{
            .port = 2, .baud = 9600, .read = true, .replyLength = 14, .payload = text("FA;")};
        box.frame(read);
        if (fault == FaultKind::None) {
            EXPECT_EQ(box.radioData(), text("FA00435800000;"));
            continue;
        }
        EXPECT_EQ(box.radioData(), Bytes(14, 0));
        EXPECT_FALSE(box.radioPort(2).dialHz());
        EXPECT_NE(std::find(log.begin(), log.end(),
                            "port 2 9600 Bd: the radio is switched off; 3 bytes unanswered"),
                  log.end());
    }
}

} // namespace
} // namespace orv::sim
