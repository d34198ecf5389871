// The receivers' command texts and the AOR reply, against vectors.
#include "radio/aor_commands.h"
#include "radio/pcr_commands.h"

#include <gtest/gtest.h>

using namespace orv::radio;

TEST(PcrCommands, ModeFieldGivesModeAndFilterCodesInAnyCase) {
    const struct {
        const char* field;
        std::optional<std::string> codes;
    } cases[] = {
        {"fm,15khz", "050200"},  {"SSB,3K", "000000"},      {"WBFM,230KHZ", "060400"},
        {"nbfm,6KHz", "050100"}, {" usb , 2k8 ", "010000"}, {"AM,50KHZ", "020300"},
        {"CW,3KHZ", "030000"},   {"WFM,", "060000"},        {",15KHZ", "000200"},
        {"FM", std::nullopt},    {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pcr::modeFilter(c.field), c.codes) << c.field;
}

TEST(PcrCommands, FrequencyPrefixMakesTenDigits) {
    EXPECT_EQ(pcr::frequencyCommand("1296500000", "010000"), "K01296500000010000");
    EXPECT_EQ(pcr::frequencyCommand("435800000", "050200"), "K00435800000050200");
    EXPECT_EQ(pcr::frequencyCommand("29400000", "000000"), "K00029400000000000");
    EXPECT_EQ(pcr::frequencyCommand("7050000", "030000"), "K00007050000030000");
    // No frequency of the receiver: nothing to send.
    EXPECT_EQ(pcr::frequencyCommand("145900", "050200"), std::nullopt);
    EXPECT_EQ(pcr::frequencyCommand("10368100000", "000000"), std::nullopt);
    EXPECT_EQ(pcr::frequencyCommand("43580000x", "050200"), std::nullopt);
}

TEST(PcrCommands, LevelsSwitchesAndLines) {
    EXPECT_EQ(pcr::levelCommand(pcr::kIfShift, 0x80), "J4380");
    EXPECT_EQ(pcr::levelCommand(pcr::kVolume, 171), "J40AB");
    EXPECT_EQ(pcr::levelCommand(pcr::kSquelch, 300), "J41FF");
    EXPECT_EQ(pcr::levelCommand(pcr::kSquelch, -4), "J4100");
    EXPECT_EQ(pcr::switchCommand(pcr::Switch::Agc, false), "J4500");
    EXPECT_EQ(pcr::switchCommand(pcr::Switch::NoiseBlanker, true), "J4601");
    EXPECT_EQ(pcr::switchCommand(pcr::Switch::Attenuator, true), "J4701");
    EXPECT_EQ(pcr::startUpCommands(),
              (std::vector<std::string>{"J4100", "J4380", "J4501", "J4600", "J4700", "J4002"}));
    EXPECT_EQ(pcr::commandLine("H101"), (std::vector<uint8_t>{'H', '1', '0', '1', 13, 10}));
}

TEST(AorCommands, ModeFieldSplitsIntoAtMostSixCommands) {
    const auto six = aor::setUpCommands("VE,MD3,BW1,ST100,SJ2,AN4");
    ASSERT_TRUE(six);
    EXPECT_EQ(six->commands, (std::vector<std::string>{"VE", "MD3", "BW1", "ST100", "SJ2", "AN4"}));
    EXPECT_EQ(six->dropped, 0u);
    EXPECT_EQ(aor::modeShown(six->commands), "USB");

    const auto loose = aor::setUpCommands(" VA , ,MD0,BW2,ST5,SJ1,AN1,MD2,");
    ASSERT_TRUE(loose);
    EXPECT_EQ(loose->commands, (std::vector<std::string>{"VA", "MD0", "BW2", "ST5", "SJ1", "AN1"}));
    EXPECT_EQ(loose->dropped, 1u);
    EXPECT_EQ(aor::modeShown(loose->commands), "FM");

    EXPECT_EQ(aor::setUpCommands("MD3"), std::nullopt);
    EXPECT_EQ(aor::modeShown({"VE", "MD9", "md4"}), std::nullopt);
    EXPECT_EQ(aor::modeShown({"MD1,"}), std::nullopt);
}

TEST(AorCommands, FrequencyPrefixMakesTenDigits) {
    EXPECT_EQ(aor::frequencyCommand("1269500000"), "RF1269500000");
    EXPECT_EQ(aor::frequencyCommand("145900000"), "RF0145900000");
    EXPECT_EQ(aor::frequencyCommand("29400000"), "RF0029400000");
    EXPECT_EQ(aor::frequencyCommand("7050000"), "RF0007050000");
    EXPECT_EQ(aor::frequencyCommand("145900"), std::nullopt);
    EXPECT_EQ(aor::frequencyCommand("10368100000"), std::nullopt);
    EXPECT_EQ(aor::frequencyCommand(" 45900000"), std::nullopt);
}

TEST(AorCommands, ReplyGivesTheDialOnlyBehindItsMark) {
    const auto bytes = [](std::string_view text) {
        std::vector<std::optional<uint8_t>> out;
        for (char c : text)
            out.emplace_back(static_cast<uint8_t>(c));
        return out;
    };
    ASSERT_TRUE(aor::replyMHz(bytes("VA RF0435801250 ")));
    EXPECT_NEAR(*aor::replyMHz(bytes("VA RF0435801250 ")), 435.801251, 1e-9);
    EXPECT_NEAR(*aor::replyMHz(bytes("VE RF1269500000\r")), 1269.500001, 1e-9);
    EXPECT_EQ(aor::replyMHz(bytes("?\r")), std::nullopt);
    EXPECT_EQ(aor::replyMHz(bytes("XA RF0435801250 ")), std::nullopt);
    EXPECT_EQ(aor::replyMHz(bytes("VA RF04358O1250 ")), std::nullopt);
    auto missing = bytes("VA RF0435801250 ");
    missing[9].reset(); // the box reported no byte there
    EXPECT_EQ(aor::replyMHz(missing), std::nullopt);
    EXPECT_EQ(aor::replyMHz({}), std::nullopt);
}
