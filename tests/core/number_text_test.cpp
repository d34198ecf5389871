// The leading-number parse and whole-number rounding every stored entry goes through.
#include "core/number_text.h"

#include <gtest/gtest.h>

using namespace orv::core;

TEST(LeadingNumber, TakesTheLongestNumericPrefix) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"-39.524", -39.524},
        {"  176.869", 176.869},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"+5", 5},
        {".5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"1E", 1},
        {"2D2", 200},
        {"-", 0},
        {"&H3BC", 0x3BC},
        {"&hE8", 0xE8},
        {"&H", 0},
        {"&HZZ", 0},
        {"50 ms", 50},
        {"1,5", 1},
        {"\t7", 7},
        {"1e999", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << c.text;
}

TEST(WholeValue, RoundsHalvesToEvenWithinSixteenBits) {
    EXPECT_EQ(wholeValue(2.5), 2);
    EXPECT_EQ(wholeValue(3.5), 4);
    EXPECT_EQ(wholeValue(-2.5), -2);
    EXPECT_EQ(wholeValue(4.6), 5);
    EXPECT_EQ(wholeValue(99999), 32767);
    EXPECT_EQ(wholeValue(-99999), -32768);
}

TEST(Words, UpperCaseAndTrim) {
    EXPECT_EQ(upperCased("yes"), "YES");
    EXPECT_EQ(trimmed("  AO-7 \r\n"), "AO-7");
    EXPECT_EQ(numberText(-39.524), "-39.524");
    EXPECT_EQ(numberText(50), "50");
}
