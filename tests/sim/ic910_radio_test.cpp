// The simulated IC-910: band units on main and sub, the exchange, satellite mode,
// tone and transmit, and what a read returns.
#include "sim/civ_codec.h"
#include "sim/ic910_radio.h"
#include "sim/radio_port.h"

#include <gtest/gtest.h>

namespace orv::sim {
namespace {

using Bytes = std::vector<uint8_t>;

struct Ic910Bench {
    Ic910RadioFamily radio;
    RadioExchange send(Bytes tail) {
        Bytes command{0xFE, 0xFE, kIc910Address, 0xE0};
        command.reserve(tail.size() + 5);
        for (const uint8_t byte : tail)
            command.push_back(byte);
        command.push_back(0xFD);
        return radio.handle(command);
    }
    bool accepted(Bytes tail) { return send(std::move(tail)).reply.at(4) == kCivOk; }
};

TEST(SimulatedIc910, BandsRefuseFrequenciesOfTheOtherUnitUntilExchanged) {
    Ic910Bench bench;
    const Bytes set4358{0x05, 0x00, 0x00, 0x80, 0x35, 0x04}; // set 435.8 MHz
    EXPECT_EQ(bench.send({0x07, 0xD0}).description, "IC-910 select main band");
    auto exchange = bench.send(set4358);
    EXPECT_EQ(exchange.description, "IC-910 refused 435.800000 MHz: the main band is 2 m");
    EXPECT_EQ(exchange.reply.at(4), kCivNotGood);
    EXPECT_EQ(bench.radio.radio().main().hz, 145000000u);

    EXPECT_EQ(bench.send({0x07, 0xB0}).description,
              "IC-910 exchange main and sub bands (main now 70 cm)");
    EXPECT_TRUE(bench.accepted(set4358));
    EXPECT_EQ(bench.radio.radio().main().hz, 435800000u);
    EXPECT_EQ(bench.radio.radio().sub().unit, Ic910Unit::TwoMetres);

    // The read answers with the selected band's dial.
    exchange = bench.send({0x03});
    EXPECT_EQ(exchange.description, "IC-910 read main band frequency: 435.800000 MHz");
    EXPECT_EQ(exchange.reply,
              (Bytes{0xFE, 0xFE, 0xE0, 0x60, 0x03, 0x00, 0x00, 0x80, 0x35, 0x04, 0xFD}));
}

TEST(SimulatedIc910, SettingsOfTheSelectedBand) {
    Ic910Bench bench;
    const struct {
        Bytes tail;
        const char* description;
        bool ok;
    } rows[] = {
        {{0x1A, 0x07, 0x01}, "IC-910 satellite mode on", true},
        {{0x07, 0xD1}, "IC-910 select sub band", true},
        {{0x07}, "IC-910 VFO mode on the sub band", true},
        {{0x07, 0x00}, "IC-910 select VFO A of the sub band", true},
        {{0x06, 0x05, 0x01}, "IC-910 set mode FM on the sub band", true},
        {{0x1B, 0x00, 0x08, 0x85}, "IC-910 tone 88.5 Hz on the sub band", true},
        {{0x16, 0x42, 0x01}, "IC-910 sub band tone on", true},
        {{0x0F, 0x00}, "IC-910 split off", true},
        {{0x0F, 0x10}, "IC-910 simplex", true},
        {{0x1C, 0x00, 0x01}, "IC-910 transmit", true},
        {{0x1B, 0x00, 0x0A, 0x85}, "IC-910 tone command 00 0A 85 refused", false},
        {{0x19, 0x00}, "IC-910 command 19 00 (not simulated)", false},
    };
    for (const auto& row : rows) {
        const auto exchange = bench.send(row.tail);
        EXPECT_EQ(exchange.description, row.description);
        EXPECT_EQ(exchange.reply.at(4), row.ok ? kCivOk : kCivNotGood) << row.description;
    }
    const Ic910State& state = bench.radio.radio();
    EXPECT_TRUE(state.satelliteMode);
    EXPECT_TRUE(state.transmitting);
    EXPECT_EQ(state.sub().mode, 5);
    EXPECT_DOUBLE_EQ(state.sub().toneHz, 88.5);
    EXPECT_TRUE(state.sub().toneOn);
    EXPECT_FALSE(state.main().toneOn);
}

TEST(SimulatedIc910, LinkDialsFollowSatelliteMode) {
    Ic910Bench bench;
    EXPECT_FALSE(bench.radio.linkDialHz(true)); // nothing addressed yet
    bench.send({0x07, 0xD1});
    bench.send({0x05, 0x00, 0x00, 0x90, 0x35, 0x04});    // sub 435.9
    EXPECT_EQ(bench.radio.linkDialHz(true), 145000000u); // not in satellite mode: main
    bench.send({0x1A, 0x07, 0x01});
    EXPECT_EQ(bench.radio.linkDialHz(true), 435900000u);
    EXPECT_EQ(bench.radio.linkDialHz(false), 145000000u);
}

TEST(SimulatedIc910, APortHandsItsAddressToTheIc910AndOthersToCiV) {
    RadioPort port(1);
    EXPECT_EQ(port.deliver({0xFE, 0xFE, 0x60, 0xE0, 0x07, 0xB0, 0xFD}).description,
              "IC-910 exchange main and sub bands (main now 70 cm)");
    EXPECT_EQ(port.deliver({0xFE, 0xFE, 0x4C, 0xE0, 0x07, 0xD1, 0xFD}).description,
              "CI-V 0x4C select sub band");
}

} // namespace
} // namespace orv::sim
