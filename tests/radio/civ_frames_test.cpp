// CI-V byte encodings: frames, BCD frequencies, the mode tables and the read reply.
#include "radio/civ_frames.h"

#include <gtest/gtest.h>

using namespace orv::radio;
using Bytes = std::vector<uint8_t>;

TEST(CivFrequency, TenBcdDigitsLeastSignificantPairFirst) {
    EXPECT_EQ(*civFrequencyBytes("145900000"), (Bytes{0x00, 0x00, 0x90, 0x45, 0x01}));
    EXPECT_EQ(*civFrequencyBytes("435123450"), (Bytes{0x50, 0x34, 0x12, 0x35, 0x04}));
    EXPECT_EQ(*civFrequencyBytes("10000000"), (Bytes{0x00, 0x00, 0x00, 0x10, 0x00}));
    EXPECT_EQ(*civFrequencyBytes("1296123456"), (Bytes{0x56, 0x34, 0x12, 0x96, 0x12}));
    EXPECT_EQ(tenDigitText("5000000"), "0005000000");
    EXPECT_EQ(tenDigitText("123456"), "123456"); // other lengths are left alone
    EXPECT_FALSE(civFrequencyBytes("123456"));
    EXPECT_FALSE(civFrequencyBytes("12345678901"));
    EXPECT_FALSE(civFrequencyBytes("14590x000"));
    EXPECT_FALSE(civFrequencyBytes(""));
}

TEST(CivFrame, PreambleAddressControllerCommandEnd) {
    EXPECT_EQ(civFrame(0x42, 0x07, {0xD1}), (Bytes{0xFE, 0xFE, 0x42, 0xE0, 0x07, 0xD1, 0xFD}));
    EXPECT_EQ(civFrame(0x4A, 0x03), (Bytes{0xFE, 0xFE, 0x4A, 0xE0, 0x03, 0xFD}));
}

TEST(CivModes, TransceiverTable) {
    const struct {
        const char* text;
        int mode, filter;
    } rows[] = {
        {"LSB", 0, 1},  {"USB", 1, 1},   {"AM", 2, 2},      {"AMN", 2, 1},   {"AMW", 2, 3},
        {"CW", 3, 1},   {"CWN", 3, 2},   {"CW-R", 3, 0},    {"FM", 5, 1},    {"FMN", 5, 2},
        {"FMW", 5, 0},  {"CW(N)", 3, 0}, {"CW-R(N)", 3, 0}, {"AM(N)", 5, 0}, {"FM(N)", 5, 0},
        {"DATA", 5, 0}, {"", 5, 0},
    };
    for (const auto& row : rows) {
        const auto mf = icomModeFilter(row.text);
        ASSERT_TRUE(mf) << row.text;
        EXPECT_EQ(mf->mode, row.mode) << row.text;
        EXPECT_EQ(mf->filter, row.filter) << row.text;
    }
    EXPECT_FALSE(icomModeFilter("SSB,3K"));
}

TEST(CivModes, ReceiverTables) {
    EXPECT_EQ(r8500ModeFilter("FMW").mode, 6);
    EXPECT_EQ(r8500ModeFilter("AMW").filter, 3);
    EXPECT_EQ(r8500ModeFilter("CW-R").mode, 5);
    EXPECT_EQ(r8500ModeFilter("CW-R").filter, 1);
    EXPECT_EQ(r9000Mode("LSB"), 0);
    EXPECT_EQ(r9000Mode("USB"), 1);
    EXPECT_EQ(r9000Mode("FMN"), 5);
    EXPECT_EQ(r9000Mode("FMW"), 6);
    EXPECT_EQ(r9000Mode("AM"), 5);
}

TEST(CivMemory, ChannelInBcd) {
    EXPECT_EQ(memoryChannelByte(7), 0x07);
    EXPECT_EQ(memoryChannelByte(12), 0x12);
    EXPECT_EQ(memoryChannelByte(150), 0x99);
    EXPECT_EQ(memoryChannelByte(-3), 0x00);
}

namespace {
std::vector<std::optional<uint8_t>> reply(std::initializer_list<int> bytes) {
    std::vector<std::optional<uint8_t>> out;
    for (int b : bytes)
        out.push_back(b < 0 ? std::nullopt : std::optional<uint8_t>(static_cast<uint8_t>(b)));
    return out;
}
} // namespace

TEST(CivReply, FrequencyReadBack) {
    const auto mhz = civFrequencyReplyMHz(
        reply({0xFE, 0xFE, 0xE0, 0x42, 0x03, 0x00, 0x00, 0x90, 0x45, 0x01, 0xFD}));
    ASSERT_TRUE(mhz);
    EXPECT_NEAR(*mhz, 145.900001, 1e-9);
    // Only one of the first two slots need read FE.
    EXPECT_TRUE(civFrequencyReplyMHz(
        reply({0x00, 0xFE, 0xE0, 0x42, 0x03, 0x00, 0x00, 0x90, 0x45, 0x01, 0xFD})));
    EXPECT_FALSE(civFrequencyReplyMHz(
        reply({0xFB, 0xFB, 0xE0, 0x42, 0x03, 0x00, 0x00, 0x90, 0x45, 0x01, 0xFD})));
    EXPECT_FALSE(civFrequencyReplyMHz(reply({0xFE, 0xFE, 0xE0, 0x42, 0x03, 0x00})));
    EXPECT_FALSE(civFrequencyReplyMHz(
        reply({0xFE, 0xFE, 0xE0, 0x42, 0x03, 0x00, -1, 0x90, 0x45, 0x01, 0xFD})));
    EXPECT_FALSE(civFrequencyReplyMHz(
        reply({0xFE, 0xFE, 0xE0, 0x42, 0x03, 0x0A, 0x00, 0x90, 0x45, 0x01, 0xFD})));
    EXPECT_FALSE(civFrequencyReplyMHz({}));
}
