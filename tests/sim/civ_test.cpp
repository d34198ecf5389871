#include "sim/civ_codec.h"
#include "sim/civ_radio.h"

#include <gtest/gtest.h>

namespace orv::sim {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(CivCodec, FrequencyBytesLeastSignificantPairFirst) {
    const struct {
        uint64_t hz;
        std::array<uint8_t, 5> bytes;
    } cases[] = {{145900000, {0x00, 0x00, 0x90, 0x45, 0x01}},
                 {435123450, {0x50, 0x34, 0x12, 0x35, 0x04}},
                 {1296000000, {0x00, 0x00, 0x00, 0x96, 0x12}},
                 {0, {0, 0, 0, 0, 0}}};
    for (const auto& c : cases) {
        EXPECT_EQ(civFrequencyBytes(c.hz), c.bytes) << c.hz;
        EXPECT_EQ(civFrequencyHz(Bytes(c.bytes.begin(), c.bytes.end())), c.hz) << c.hz;
    }
    EXPECT_FALSE(civFrequencyHz(Bytes{0x00, 0x0A, 0, 0, 0}));    // not BCD
    EXPECT_FALSE(civFrequencyHz(Bytes{0x00, 0x00, 0x90, 0x45})); // too short
}

TEST(CivCodec, FramesParseAndEncode) {
    const Bytes setMode{0xFE, 0xFE, 0x4C, 0xE0, 0x06, 0x01, 0x01, 0xFD};
    const auto frame = parseCivFrame(setMode);
    ASSERT_TRUE(frame);
    EXPECT_EQ(*frame, (CivFrame{0x4C, 0xE0, 0x06, {0x01, 0x01}}));
    EXPECT_EQ(encodeCivFrame(*frame), setMode);
    for (const Bytes& broken :
         {Bytes{0xFE, 0xFE, 0x4C, 0xE0, 0x03}, Bytes{0xFE, 0x4C, 0xE0, 0x03, 0xFD},
          Bytes{0xFE, 0xFE, 0x4C, 0xE0, 0xFD, 0x03, 0xFD}, Bytes{}})
        EXPECT_FALSE(parseCivFrame(broken));
    EXPECT_EQ(civModeName(5), "FM");
    EXPECT_EQ(civModeName(0x20), "mode 0x20");
}

TEST(CivRadio, KeepsADialPerBandAndVfoAndAnswersReads) {
    CivRadioFamily radio;
    const auto send = [&](Bytes tail) {
        Bytes command{0xFE, 0xFE, 0x60, 0xE0};
        command.reserve(tail.size() + 5);
        for (const uint8_t byte : tail)
            command.push_back(byte);
        command.push_back(0xFD);
        return radio.handle(command);
    };
    EXPECT_EQ(send({0x07, 0xD1}).description, "CI-V 0x60 select sub band");
    auto exchange = send({0x05, 0x50, 0x34, 0x12, 0x35, 0x04});
    EXPECT_EQ(exchange.description, "CI-V 0x60 set frequency 435.123450 MHz");
    EXPECT_EQ(exchange.reply, (Bytes{0xFE, 0xFE, 0xE0, 0x60, 0xFB, 0xFD}));
    EXPECT_EQ(send({0x06, 0x00, 0x02}).description, "CI-V 0x60 set mode LSB filter 2");
    send({0x07, 0xD0});
    send({0x05, 0x00, 0x00, 0x90, 0x45, 0x01});
    EXPECT_EQ(radio.dialHz(), 145900000u);

    send({0x07, 0xD1});
    exchange = send({0x03});
    EXPECT_EQ(exchange.description, "CI-V 0x60 read frequency: 435.123450 MHz");
    EXPECT_EQ(exchange.reply,
              (Bytes{0xFE, 0xFE, 0xE0, 0x60, 0x03, 0x50, 0x34, 0x12, 0x35, 0x04, 0xFD}));
    EXPECT_EQ(radio.radio(0x60).dial().mode, 0);

    send({0x07, 0x01}); // VFO B of the sub band has its own dial
    EXPECT_EQ(radio.dialHz(), 145000000u);
    EXPECT_EQ(send({0x0F, 0x00}).description, "CI-V 0x60 split off");
    EXPECT_EQ(send({0x08, 0x12}).description, "CI-V 0x60 select memory channel 12");
    EXPECT_EQ(radio.radio(0x60).memoryChannel, 12);
    EXPECT_EQ(send({0x1A, 0x07, 0x00}).description, "CI-V 0x60 command 1A 07 00 (not simulated)");
    EXPECT_EQ(send({0x05, 0x0A, 0, 0, 0, 0}).reply.at(4), kCivNotGood);
}

TEST(CivRadio, EachAddressIsARadioOfItsOwn) {
    CivRadioFamily radio;
    radio.handle({0xFE, 0xFE, 0x4C, 0xE0, 0x05, 0x00, 0x00, 0x90, 0x45, 0x01, 0xFD});
    radio.handle({0xFE, 0xFE, 0x48, 0xE0, 0x05, 0x50, 0x34, 0x12, 0x35, 0x04, 0xFD});
    EXPECT_EQ(radio.radio(0x4C).dial().hz, 145900000u);
    EXPECT_EQ(radio.radio(0x48).dial().hz, 435123450u);
    EXPECT_TRUE(radio.recognises({0xFE, 0xFE}));
    EXPECT_FALSE(radio.recognises({'F', 'A', ';'}));
    EXPECT_EQ(radio.handle({0xFE, 0xFE, 0x4C}).description, "CI-V frame broken: FE FE 4C");
}

} // namespace
} // namespace orv::sim
