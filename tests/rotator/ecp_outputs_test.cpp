#include "box_fixture.h"
#include "rotator/ecp_outputs.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

TEST(EcpOutputs, MinusSenseInvertsBothBits) {
    const struct {
        int code, sense, value;
    } cases[] = {{0, 0, 0}, {1, 0, 1}, {3, 0, 3}, {1, 3, 2}, {0, 3, 3}, {3, 3, 0}, {2, 3, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(rotator::ecpValueFor(c.code, c.sense), c.value) << c.code << " " << c.sense;
}

TEST(EcpOutputs, SenseComesFromTheConfiguration) {
    BoxFixture fixture(4);
    fixture.config = defaultConfig(4, 23, "-");
    fixture.box->setEcpCode(1);
    EXPECT_EQ(fixture.box->state().ecpValue, 2);
    fixture.box->setEcpCode(0);
    EXPECT_EQ(fixture.box->state().ecpValue, 3);
}

TEST(EcpOutputs, FourClicksStepThroughTheCombinations) {
    BoxFixture fixture(4);
    fixture.box->openSerialPort();
    auto& panel = fixture.panel;
    const struct {
        const char* image;
        int value;
        bool red0, red1;
    } clicks[] = {{"img_Ecp0Black", 1, true, false},
                  {"img_Ecp0Red", 2, false, true},
                  {"img_Ecp1Black", 3, true, true},
                  {"img_Ecp1Red", 0, false, false}};
    for (const auto& click : clicks) {
        fixture.serial.written.clear();
        ASSERT_TRUE(panel.gesture(click.image, core::Gesture::Click));
        EXPECT_EQ(fixture.box->state().ecpValue, click.value);
        EXPECT_EQ(fixture.box->state().ecpClickPending, 1);
        fixture.box->serviceEcpOutputs(); // the next tick
        EXPECT_EQ(fixture.box->state().ecpClickPending, 0);
        EXPECT_EQ(panel.visible("img_Ecp0Red"), click.red0) << click.image;
        EXPECT_EQ(panel.visible("img_Ecp0Black"), !click.red0) << click.image;
        EXPECT_EQ(panel.visible("img_Ecp1Red"), click.red1) << click.image;
        ASSERT_EQ(fixture.serial.written.size(), 38u) << click.image;
        EXPECT_EQ(fixture.serial.written[37], click.value) << click.image;
    }
    fixture.serial.written.clear();
    fixture.box->serviceEcpOutputs(); // without a click nothing is sent
    EXPECT_TRUE(fixture.serial.written.empty());
}

TEST(EcpOutputs, AClickSwapsTheClickedPairAtOnce) {
    BoxFixture fixture(3);
    EXPECT_TRUE(fixture.panel.visible("img_Ecp1Black"));
    fixture.panel.gesture("img_Ecp1Black", core::Gesture::Click);
    EXPECT_TRUE(fixture.panel.visible("img_Ecp1Red"));
    EXPECT_FALSE(fixture.panel.visible("img_Ecp1Black"));
}

TEST(PanelGestures, LedDoubleClicksRaiseTheIndicatorFlags) {
    BoxFixture fixture(4);
    fixture.panel.gesture("redled", core::Gesture::DblClick);
    EXPECT_EQ(fixture.box->state().azLedFlag, 1);
    EXPECT_EQ(fixture.box->state().elLedFlag, 0);
    fixture.panel.gesture("grnled1", core::Gesture::DblClick);
    EXPECT_EQ(fixture.box->state().elLedFlag, 1);
    fixture.panel.gesture("Label4", core::Gesture::Click);
    EXPECT_FALSE(fixture.panel.visible("Label4"));
}

} // namespace
} // namespace orv::test
