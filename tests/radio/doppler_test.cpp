// Doppler, converters, the frequency texts, the transponder rule and the plan.
#include "core/satellite_record.h"
#include "radio/doppler.h"
#include "radio/frequency_plan.h"
#include "radio/frequency_text.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::radio;

TEST(Doppler, RangeRateZeroLeavesThePlanAtTheRadio) {
    const double uplink = 435.0000001, downlink = 145.9000001;
    EXPECT_EQ(dopplerHz(uplink, 0), 0);
    EXPECT_EQ(uplinkDialHz(uplink, 0, 0), 435000000);
    EXPECT_EQ(downlinkDialHz(downlink, 0, 0), 145900000);
}

TEST(Doppler, RecedingAtFiveKilometresASecond) {
    const int up = dopplerHz(435.0000001, 5);
    const int down = dopplerHz(145.9000001, 5);
    EXPECT_EQ(up, -7256); // Int takes the next lower whole number
    EXPECT_EQ(down, -2434);
    EXPECT_EQ(uplinkDialHz(435.0000001, up, 0), 435007256);
    EXPECT_EQ(downlinkDialHz(145.9000001, down, 0), 145897566);
    EXPECT_EQ(dopplerHz(435.0000001, -5), 7255);
}

TEST(Doppler, ConvertersTakeTheLinkToTheRadio) {
    // 2401.4 MHz received through a 2256 MHz down-converter lands on 145.4 MHz.
    EXPECT_EQ(downlinkDialHz(2401.4000001, 0, 2256), 145400000);
    // An up-converter L.O. above the uplink: the radio sits on the difference.
    EXPECT_EQ(uplinkDialHz(1268.0000001, 0, 1414), 146000000);
    // Approaching at 5.782941 km/s, 1268 MHz goes out 24460 Hz low: through a
    // 1412 MHz L.O. the dial moves up by as much.
    EXPECT_EQ(uplinkDialHz(1268.0000001, dopplerHz(1268.0000001, -5.782941), 1412), 144024459);
    EXPECT_EQ(linkSign(1268, 1414), -1);
    EXPECT_EQ(linkSign(1268, 0), 1);
}

TEST(Doppler, NotANumberGivesNoDoppler) {
    EXPECT_EQ(dopplerHz(435, std::nan("")), 0);
    EXPECT_EQ(dopplerHz(435, 1e300), 0);
    EXPECT_FALSE(uplinkDialHz(std::nan(""), 0, 0));
    EXPECT_FALSE(downlinkDialHz(435, 0, 1e300));
}

TEST(FrequencyText, WholeMegahertzThenSixDigitsOfHz) {
    const struct {
        double mhz;
        const char* text;
    } cases[] = {
        {145.9000001, "145900000"},
        {2401.0001001, "2401000100"},
        {10.0000001, "10000000"},
        {0.5000001, "0500000"},
        {435.123456, "435123455"}, // cut, not rounded
        {-1, ""},
        {std::nan(""), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frequencyText(c.mhz), c.text) << c.mhz;
    EXPECT_EQ(hzPart(145.8975661), 897566);
    EXPECT_EQ(dialText(145900000), "145900000");
    EXPECT_EQ(dialText(2401000100), "2401000100");
    EXPECT_EQ(dialText(10000000), "10000000");
    EXPECT_EQ(dialText(500000), "0500000");
    EXPECT_EQ(dialText(-1), "");
    EXPECT_EQ(megahertzText(145.9), "145.900000");
}

TEST(FrequencyText, KnobRateCaption) {
    EXPECT_EQ(knobRateText(1), "001 Hz. Rate");
    EXPECT_EQ(knobRateText(10), "010 Hz. Rate");
    EXPECT_EQ(knobRateText(1000), "1,000 Hz. Rate");
    EXPECT_EQ(knobRateText(1000000), "1,000,000 Hz. Rate");
}

TEST(Retune, OnlyPastTheStep) {
    EXPECT_FALSE(movedPastStep(100050, 100000, 50));
    EXPECT_TRUE(movedPastStep(100051, 100000, 50));
    EXPECT_TRUE(movedPastStep(99949, 100000, 50));
    // Whole frequencies are compared: a move of exactly 1 MHz is a move.
    EXPECT_TRUE(movedPastStep(436000000, 435000000, 50));
    EXPECT_FALSE(movedPastStep(1268000050, 1268000000, 50));
}

TEST(Transponder, KeepsSumOrDifference) {
    // The analog template: downlink 2401.4, L.O. 2836.989, uplink below the downlink.
    EXPECT_NEAR(transponderUplink(2401.4, 435.0, 2836.989), 435.589, 1e-9);
    // Uplink above the downlink.
    EXPECT_NEAR(transponderUplink(145.9, 435.0, 290.0), 435.9, 1e-9); // L.O. below
    EXPECT_NEAR(transponderUplink(145.9, 435.0, 581.0), 435.1, 1e-9); // L.O. above
    EXPECT_NEAR(transponderUplink(435.9, 145.0, 290.0), 145.9, 1e-9); // L.O. below
    EXPECT_DOUBLE_EQ(transponderUplink(145.9, 145.9, 290.0), 145.9);  // equal links
    EXPECT_DOUBLE_EQ(transponderUplink(145.9, 435.0, 435.0), 435.0);  // L.O. on the uplink
}

TEST(Transponder, AnalogUplinkFromTheRecord) {
    EXPECT_NEAR(analogUplink(2401.4000001, 2836.9890001), 435.5890001, 1e-9);
    // A difference at or below 144 MHz takes the sum instead.
    EXPECT_NEAR(analogUplink(145.9, 10.0), 155.9000001, 1e-9);
}

TEST(Readback, TakesTheDialBackToTheSatellite) {
    // No converter: the reading without the Doppler.
    EXPECT_NEAR(*downlinkFromReading(145.897566, 145.9, 0, 1, -2434), 145.9, 1e-9);
    // Converter below the downlink: add the L.O.
    EXPECT_NEAR(*downlinkFromReading(145.4, 2401.4, 2256, 1, 0), 2401.4, 1e-9);
    // Converter above the downlink: L.O. minus the reading.
    EXPECT_NEAR(*downlinkFromReading(146.0, 1268.0, 1414, -1, 0), 1268.0, 1e-9);
    EXPECT_FALSE(downlinkFromReading(145.0, 2256, 2256, 1, 0));
}

TEST(Plan, DigitalTemplateWithTinyOffsets) {
    const auto plan =
        planFromSatellite(core::typedSatellite(core::satelliteTemplate(false, "DIGI"), 4));
    EXPECT_EQ(frequencyText(plan.uplink), "145900000");
    EXPECT_EQ(frequencyText(plan.downlink), "435123456");
    EXPECT_DOUBLE_EQ(plan.uplinkStepHz, 27);
    EXPECT_EQ(plan.downlinkStepHz, 100);
    EXPECT_EQ(plan.uplinkSign, 1);
    EXPECT_EQ(plan.uplinkMode, "FM");
}

TEST(Plan, AnalogTemplateDerivesTheUplink) {
    const auto plan =
        planFromSatellite(core::typedSatellite(core::satelliteTemplate(true, "AO"), 4));
    EXPECT_EQ(frequencyText(plan.uplink), "435589000");
    EXPECT_EQ(plan.downlinkSign, 1); // 2401.4 above the 2256 converter
    EXPECT_EQ(plan.downlinkMode, "USB");
    EXPECT_EQ(plan.uplinkMode, "LSB");
}

TEST(Plan, AConverterAboveTheLinkSwapsTheSideband) {
    auto record = core::satelliteTemplate(false, "CONV");
    record[2] = "1268.0";
    record[3] = "usb";
    record[5] = "1414";
    record[13] = "10368.1";
    record[14] = "LSB";
    record[16] = "10224";
    auto plan = planFromSatellite(core::typedSatellite(record, 4));
    EXPECT_EQ(plan.uplinkSign, -1);
    EXPECT_EQ(plan.uplinkMode, "LSB");
    EXPECT_EQ(plan.downlinkSign, 1);
    EXPECT_EQ(plan.downlinkMode, "LSB");
    record[3] = "FM";
    plan = planFromSatellite(core::typedSatellite(record, 4));
    EXPECT_EQ(plan.uplinkMode, "FM");
}

TEST(Plan, KnobTargetsMoveTheirValue) {
    auto plan = planFromSatellite(core::typedSatellite(core::satelliteTemplate(true, "AO"), 4));
    EXPECT_TRUE(movePlanValue(plan, kKnobTransponder, 0.001));
    EXPECT_EQ(frequencyText(plan.uplink), "435590000"); // the uplink follows the L.O.
    EXPECT_TRUE(movePlanValue(plan, kKnobDownlink, -0.0005));
    EXPECT_EQ(frequencyText(plan.downlink), "2401399500");
    EXPECT_FALSE(movePlanValue(plan, 2, 1));
    EXPECT_FALSE(movePlanValue(plan, kKnobNone, 1));
}
