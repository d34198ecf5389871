// The element lines' columns, the epoch year and the catalogue number.
#include "core/number_text.h"
#include "orbit/element_set.h"
#include "orbit/plan13.h"
#include "orbit/plan13_constants.h"
#include "sample_sets.h"

#include <gtest/gtest.h>

using namespace orv::orbit;
using namespace orv::test;
using plan13::RAD;
using plan13::TWO_PI;

TEST(ElementSet, ColumnsInThePropagatorsUnits) {
    const ElementSet set = parseElementSet(kIss1, kIss2);
    EXPECT_EQ(set.YE, 2018);
    EXPECT_DOUBLE_EQ(set.TE, 20.89808844);
    EXPECT_DOUBLE_EQ(set.M2, TWO_PI * 0.00002078);
    EXPECT_DOUBLE_EQ(set.IN, RAD * 51.6424);
    EXPECT_DOUBLE_EQ(set.RA, RAD * 32.9776);
    EXPECT_DOUBLE_EQ(set.EC, 0.0003646);
    EXPECT_DOUBLE_EQ(set.WP, RAD * 28.7227);
    EXPECT_DOUBLE_EQ(set.MA, RAD * 39.5332);
    EXPECT_DOUBLE_EQ(set.MM, TWO_PI * 15.5419008);
    EXPECT_EQ(set.RV, 9561); // columns 64 to 68; column 69 is the checksum
}

TEST(ElementSet, NegativeDerivativeAndEccentricityDigits) {
    const ElementSet set =
        parseElementSet("1 07530U 74089B   18020.92882759 -.00000031  00000-0  83259-4 0  9990",
                        "2 07530 101.6660 350.5859 7199874 260.7489 115.8236 12.53630761975916");
    EXPECT_DOUBLE_EQ(set.M2, -TWO_PI * 0.00000031);
    EXPECT_DOUBLE_EQ(set.EC, 0.7199874);
    EXPECT_EQ(set.RV, 97591);
}

TEST(ElementSet, EpochYearsFollowTheElementSetConvention) {
    for (const auto& [digits, year] :
         {std::pair{57, 1957}, {99, 1999}, {0, 2000}, {18, 2018}, {56, 2056}})
        EXPECT_EQ(epochYear(digits), year) << digits;
    const ElementSet old = parseElementSet(
        "1 25544U 98067A   99005.51955591  .00019728  00000-0  19085-3 0  9701", kIss2);
    EXPECT_EQ(old.YE, 1999);
}

TEST(ElementSet, ColumnNumbersReadAsTheLeadingNumberParseReadsThem) {
    for (const char* text : {" 51.6424", "0.5", "-.00000031", " .00002078", "15.54190080", "   12",
                             "+3.25", "", "   ", "abc", "12abc", "1.2.3", "-", "."})
        EXPECT_DOUBLE_EQ(columnNumber(text), orv::core::leadingNumber(text)) << '"' << text << '"';
}

TEST(ElementSet, ShortOrGarbledLinesGiveNoUsableOrbit) {
    struct Case {
        const char* line1;
        const char* line2;
    };
    for (const Case& c :
         {Case{kIss1, ""}, Case{kIss1, "2 25544  51.6424"},
          Case{kIss1, "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 xx.54190080 95614"},
          Case{kIss1, "2 25544  51.6424  32.9776 9999999  28.7227  39.5332  0.00000000 95614"}}) {
        const Plan13 orbit(parseElementSet(c.line1, c.line2));
        SatelliteState state;
        EXPECT_FALSE(orbit.usable() && orbit.at(9500, {}, state)) << c.line1 << " / " << c.line2;
    }
}

TEST(ElementSet, CatalogueNumber) {
    EXPECT_EQ(catalogueNumber(kIss1), "25544");
    EXPECT_EQ(catalogueNumber("1 07530U 74089B   18020.92882759"), "07530");
    EXPECT_EQ(catalogueNumber("1 7530U 74089B"), "7530");             // not in its columns
    EXPECT_EQ(catalogueNumber("1 12345C 99001A   18020.9"), "12345"); // no "U"
    EXPECT_EQ(catalogueNumber(""), "");
}
