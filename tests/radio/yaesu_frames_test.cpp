// Yaesu five-byte encodings: the frequency packing of each model, the mode and
// tone bytes, and the read replies.
#include "radio/yaesu_frames.h"

#include <gtest/gtest.h>

using namespace orv::radio;
using Bytes = std::vector<uint8_t>;

namespace {
std::optional<Bytes> asBytes(const std::optional<yaesu::Parameters>& parameters) {
    if (!parameters) return std::nullopt;
    return Bytes(parameters->begin(), parameters->end());
}

std::vector<std::optional<uint8_t>> reply(const Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}
} // namespace

TEST(YaesuFrames, FrameIsFourParametersThenTheOpcode) {
    EXPECT_EQ(yaesu::frame(0x4E), (Bytes{0, 0, 0, 0, 0x4E}));
    EXPECT_EQ(yaesu::frameP1(0x27, 0x01), (Bytes{0x01, 0, 0, 0, 0x27}));
    EXPECT_EQ(yaesu::frameP4(0x05, 0x01), (Bytes{0, 0, 0, 0x01, 0x05}));
}

TEST(YaesuFrames, Ft847PacksEightDigitsOfTenHertzMostSignificantFirst) {
    const struct {
        const char* text;
        std::optional<Bytes> bytes; // nothing: not sent
    } rows[] = {
        {"435800000", Bytes{0x43, 0x58, 0x00, 0x00}},
        {"7050000", Bytes{0x00, 0x70, 0x50, 0x00}},
        {"145900000", Bytes{0x14, 0x59, 0x00, 0x00}},
        {"29412345", Bytes{0x02, 0x94, 0x12, 0x34}}, // the last Hz digit is cut
        {"435123459", Bytes{0x43, 0x51, 0x23, 0x45}},
        {"1296100000", std::nullopt}, // above what the FT-847 tunes
        {"123456", std::nullopt},
        {"43580x000", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(asBytes(yaesu::ft847FrequencyBytes(row.text)), row.bytes) << row.text;
    EXPECT_EQ(yaesu::tenHzDigits("7050000"), std::string("00705000"));
    EXPECT_EQ(yaesu::tenHzDigits("435800000"), std::string("43580000"));
}

TEST(YaesuFrames, OtherModelsPackTheirOwnWay) {
    // FT-736R: 23 cm with C for "12" in the first nibble.
    EXPECT_EQ(asBytes(yaesu::ft736FrequencyBytes("1296100000")), (Bytes{0xC9, 0x61, 0x00, 0x00}));
    EXPECT_EQ(asBytes(yaesu::ft736FrequencyBytes("1269950000")), (Bytes{0xC6, 0x99, 0x50, 0x00}));
    EXPECT_EQ(asBytes(yaesu::ft736FrequencyBytes("435800000")), (Bytes{0x43, 0x58, 0x00, 0x00}));
    EXPECT_FALSE(yaesu::ft736FrequencyBytes("2401000000")); // no 13 cm on the FT-736R
    // FT-757, FT-1000, FT-100: least significant pair first.
    EXPECT_EQ(asBytes(yaesu::reversedBcdFrequencyBytes("14250000")),
              (Bytes{0x00, 0x50, 0x42, 0x01}));
    EXPECT_EQ(asBytes(yaesu::reversedBcdFrequencyBytes("145912340")),
              (Bytes{0x34, 0x12, 0x59, 0x14}));
    // VR-5000: a binary count of 10 Hz: 435.8 MHz is 43,580,000 = 0x0298F960.
    EXPECT_EQ(asBytes(yaesu::vr5000FrequencyBytes("435800000")), (Bytes{0x02, 0x98, 0xFA, 0x60}));
    EXPECT_EQ(asBytes(yaesu::vr5000FrequencyBytes("2401000000")),
              (Bytes{0x0E, 0x4F, 0xA2, 0xA0})); // 240,100,000
    EXPECT_FALSE(yaesu::vr5000FrequencyBytes("12345678901"));
}

TEST(YaesuFrames, ModeTables) {
    const struct {
        const char* text;
        uint8_t ft847, ft736, ft757, ft1000, ft100;
    } rows[] = {
        {"LSB", 0x00, 0x00, 0x00, 0x00, 0x00},     {"USB", 0x01, 0x01, 0x01, 0x01, 0x01},
        {"CW", 0x02, 0x02, 0x02, 0x02, 0x02},      {"CW-R", 0x03, 0x08, 0x05, 0x06, 0x03},
        {"AM", 0x04, 0x08, 0x04, 0x04, 0x04},      {"FM", 0x08, 0x08, 0x05, 0x06, 0x06},
        {"CWN", 0x88, 0x82, 0x03, 0x03, 0x06},     {"CW(N)", 0x82, 0x08, 0x05, 0x06, 0x06},
        {"CW-R(N)", 0x83, 0x08, 0x05, 0x06, 0x06}, {"AM(N)", 0x84, 0x08, 0x05, 0x06, 0x06},
        {"FM(N)", 0x88, 0x08, 0x05, 0x06, 0x06},   {"FMN", 0x88, 0x88, 0x05, 0x06, 0x06},
        {"FM-W", 0x88, 0x88, 0x05, 0x06, 0x06},    {"", 0x88, 0x08, 0x05, 0x06, 0x06},
        {"SSB,3K", 0x88, 0x08, 0x05, 0x06, 0x06},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(yaesu::ft847ModeByte(row.text), row.ft847) << row.text;
        EXPECT_EQ(yaesu::ft736ModeByte(row.text), row.ft736) << row.text;
        EXPECT_EQ(yaesu::ft757ModeByte(row.text), row.ft757) << row.text;
        EXPECT_EQ(yaesu::ft1000ModeByte(row.text), row.ft1000) << row.text;
        EXPECT_EQ(yaesu::ft100ModeByte(row.text), row.ft100) << row.text;
    }
    // The VR-5000 takes the finest step its mode allows.
    EXPECT_EQ(yaesu::vr5000Mode("USB").mode, 0x01);
    EXPECT_EQ(yaesu::vr5000Mode("USB").step, 0x21);
    EXPECT_EQ(yaesu::vr5000Mode("FM").mode, 0x88);
    EXPECT_EQ(yaesu::vr5000Mode("FM").step, 0x43);
    EXPECT_EQ(yaesu::vr5000Mode("WFM").mode, 0x48);
}

TEST(YaesuFrames, ToneFieldIsTheRadiosHexCode) {
    EXPECT_TRUE(yaesu::isNoTone("0"));
    EXPECT_TRUE(yaesu::isNoTone(" "));
    EXPECT_FALSE(yaesu::isNoTone("08"));
    EXPECT_EQ(yaesu::toneCode("08"), uint8_t{0x08});
    EXPECT_EQ(yaesu::toneCode("3E"), uint8_t{0x3E});
    EXPECT_EQ(yaesu::toneCode(" 1a "), uint8_t{0x1A});
    EXPECT_FALSE(yaesu::toneCode("88.5"));
    EXPECT_FALSE(yaesu::toneCode("123"));
    EXPECT_FALSE(yaesu::toneCode("G1"));
}

TEST(YaesuFrames, ReadReplies) {
    // FT-847: the four frequency bytes as sent, then the mode.
    const auto ft847 = yaesu::ft847ReplyMHz(reply({0x43, 0x58, 0x12, 0x34, 0x01}));
    ASSERT_TRUE(ft847);
    EXPECT_NEAR(*ft847, 435.81234 + 0.000001, 1e-9);
    EXPECT_FALSE(yaesu::ft847ReplyMHz(reply({0x43, 0x5A, 0x00, 0x00, 0x01}))); // not BCD
    EXPECT_FALSE(yaesu::ft847ReplyMHz({0x43, std::nullopt, 0x00, 0x00, 0x01}));
    EXPECT_FALSE(yaesu::ft847ReplyMHz({}));
    // FT-1000: bytes 2 to 4 count 10 Hz: 14.2 MHz is 1,420,000 = 0x15AAE0.
    Bytes data(16, 0);
    data[1] = 0x15;
    data[2] = 0xAA;
    data[3] = 0xE0;
    const auto ft1000 = yaesu::ft1000ReplyMHz(reply(data));
    ASSERT_TRUE(ft1000);
    EXPECT_NEAR(*ft1000, 14.2 + 0.000001, 1e-9);
    EXPECT_FALSE(yaesu::ft1000ReplyMHz({0, 0x15, std::nullopt, 0xE0}));
}
