// Kenwood text encodings: modes, the eleven-digit frequency field, tones, the
// memory channel and the VFO read reply.
#include "radio/kenwood_texts.h"

#include <gtest/gtest.h>

using namespace orv::radio;

namespace {
std::vector<std::optional<uint8_t>> replyOf(const std::string& text) {
    std::vector<std::optional<uint8_t>> bytes;
    for (char c : text)
        bytes.emplace_back(static_cast<uint8_t>(c));
    return bytes;
}
} // namespace

TEST(KenwoodTexts, ModeTable) {
    const struct {
        const char* text;
        const char* command;
    } rows[] = {{"LSB", "MD1;"}, {"USB", "MD2;"}, {"CW", "MD3;"}, {"CWN", "MD7;"}, {"AM", "MD5;"},
                {"FM", "MD4;"},  {"FMN", "MD4;"}, {"", "MD4;"},   {"lsb", "MD4;"}};
    for (const auto& row : rows)
        EXPECT_EQ(kenwood::modeCommand(row.text), row.command) << row.text;
}

TEST(KenwoodTexts, FrequencyPaddedToElevenDigits) {
    const struct {
        const char* text;
        const char* command; // nullptr: nothing goes out
    } rows[] = {
        {"145900000", "FA00145900000;"},
        {"435800000", "FA00435800000;"},
        {"10000000", "FA00010000000;"},
        {"1268000000", "FA01268000000;"},
        {"5000000", "FA00005000000;"},
        {"10368000000", "FA10368000000;"},
        {"123456", nullptr},
        {"123456789012", nullptr},
        {"4358x0000", nullptr},
        {"", nullptr},
    };
    for (const auto& row : rows) {
        const auto command = kenwood::frequencyCommand('A', row.text);
        if (row.command)
            EXPECT_EQ(command, std::string(row.command)) << row.text;
        else
            EXPECT_FALSE(command) << row.text;
    }
    EXPECT_EQ(kenwood::frequencyCommand('B', "145900000"), "FB00145900000;");
}

TEST(KenwoodTexts, ToneNumbers) {
    EXPECT_TRUE(kenwood::isNoTone("0"));
    EXPECT_TRUE(kenwood::isNoTone(""));
    EXPECT_FALSE(kenwood::isNoTone("08"));
    EXPECT_EQ(kenwood::toneCommand("08"), "TN08;TO1;");
    EXPECT_EQ(kenwood::toneCommand("8"), "TN08;TO1;");
    EXPECT_EQ(kenwood::toneCommand("38"), "TN38;TO1;");
    // A tone in hertz, or text that would end the command early, is no tone number.
    for (const char* field : {"88.5", "123", "0", "", "8;FA0", "x"})
        EXPECT_FALSE(kenwood::toneCommand(field)) << field;
}

TEST(KenwoodTexts, MemoryChannelAndMarker) {
    EXPECT_EQ(kenwood::memoryChannelCommand(5), "MC005;");
    EXPECT_EQ(kenwood::memoryChannelCommand(42), "MC042;");
    EXPECT_EQ(kenwood::memoryChannelCommand(250), "MC099;");
    const std::string text = kenwood::marked("FA;");
    ASSERT_EQ(text.size(), 4u);
    EXPECT_EQ(static_cast<uint8_t>(text.back()), 0xF0);
}

TEST(KenwoodTexts, FrequencyReply) {
    EXPECT_NEAR(*kenwood::frequencyReplyMHz(replyOf("FA00435800000;")), 435.800001, 1e-9);
    EXPECT_NEAR(*kenwood::frequencyReplyMHz(replyOf("FA01268123450;")), 1268.123451, 1e-9);
    EXPECT_FALSE(kenwood::frequencyReplyMHz(replyOf("FB00435800000;")));
    EXPECT_FALSE(kenwood::frequencyReplyMHz(replyOf("?;")));
    EXPECT_FALSE(kenwood::frequencyReplyMHz(replyOf("FA0043580")));
    EXPECT_FALSE(kenwood::frequencyReplyMHz(replyOf("FA0043580x000;")));
    auto missing = replyOf("FA00435800000;");
    missing[7].reset(); // the box reported no byte there
    EXPECT_FALSE(kenwood::frequencyReplyMHz(missing));
}
