// The Doppler pass on the panel and at the radios, the retune steps, the lamps,
// freeze, the knob and adjust_read.
#include "radio_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {
// A fixture with IC-271 uplink and IC-471 downlink, one pass already run.
struct PassFixture : RadioFixture {
    explicit PassFixture(double uplinkStep = 50, int downlinkStep = 100) : RadioFixture(4) {
        record[2] = "435.0";
        record[13] = "145.9";
        record[4] = std::to_string(uplinkStep);
        record[15] = std::to_string(downlinkStep);
        useRadios(10, 11);
        radios->frequency();
    }
    size_t framesSinceClear() {
        const size_t n = sent.size();
        sent.clear();
        return n;
    }
};
} // namespace

TEST(DopplerPass, FirstPassTunesBothAndShowsThePlan) {
    PassFixture f;
    EXPECT_EQ(f.framesSinceClear(), 4u); // VFO select and frequency for each radio
    EXPECT_EQ(f.panel.caption("lbl_UpFreq"), "435.000000");
    EXPECT_EQ(f.panel.caption("lbl_DnFreq"), "145.900000");
    EXPECT_EQ(f.panel.caption("lbl_UpDop"), "435.000000");
    EXPECT_EQ(f.panel.caption("lbl_UpVal"), "0");
    EXPECT_FALSE(f.panel.visible("lbl_convdn"));
    EXPECT_EQ(f.radios->uplinkStatus(), "435.000000");
    EXPECT_EQ(f.radios->downlinkDopplerStatus(), "0");
    // Nothing moved: no retune.
    f.radios->frequency();
    EXPECT_EQ(f.framesSinceClear(), 0u);
}

TEST(DopplerPass, FiveKilometresASecond) {
    PassFixture f;
    f.tracking.rangeRate = 5;
    f.radios->frequency();
    EXPECT_EQ(f.panel.caption("lbl_UpVal"), "-7256");
    EXPECT_EQ(f.panel.caption("lbl_DnVal"), "-2434");
    EXPECT_EQ(f.panel.caption("lbl_UpDop"), "435.007256");
    EXPECT_EQ(f.panel.caption("lbl_DnDop"), "145.897566");
    EXPECT_EQ(f.payloads().back(), civ(0x20, 0x05, {0x56, 0x72, 0x00, 0x35, 0x04}));
}

TEST(DopplerPass, RetunesOnlyPastTheStep) {
    PassFixture f(50, 100);
    f.framesSinceClear();
    auto& tuning = f.radios->tuning();
    tuning.selectKnobTarget(radio::kKnobUplink);
    tuning.lbl_fine_div_Click(); // 10 Hz to 1 Hz a knob step
    f.panel.setValue("Knob1", 50);
    tuning.Knob1_Change();
    EXPECT_EQ(f.panel.value("Knob1"), 0);
    EXPECT_EQ(f.panel.caption("lbl_UpFreq"), "435.000050");
    f.radios->frequency();
    EXPECT_EQ(f.framesSinceClear(), 0u); // exactly 50: not yet
    f.panel.setValue("Knob1", 1);
    tuning.Knob1_Change();
    f.radios->frequency();
    EXPECT_EQ(f.payloads().size(), 2u);
    EXPECT_EQ(f.payloads().back(), civ(0x20, 0x05, {0x51, 0x00, 0x00, 0x35, 0x04}));
    // The reference moved with the retune.
    f.framesSinceClear();
    f.radios->frequency();
    EXPECT_EQ(f.framesSinceClear(), 0u);
}

TEST(DopplerPass, AWholeMegahertzStepRetunes) {
    // The Hz part of 436.000000 equals that of 435.000000: only the whole frequency
    // tells the radio must move.
    PassFixture f;
    f.framesSinceClear();
    auto& tuning = f.radios->tuning();
    tuning.selectKnobTarget(radio::kKnobUplink);
    while (tuning.knobRate() < radio::kMaxKnobRate)
        tuning.lbl_fine_mult_Click();
    f.panel.setValue("Knob1", 1);
    tuning.Knob1_Change();
    f.radios->frequency();
    ASSERT_FALSE(f.payloads().empty());
    EXPECT_EQ(f.payloads().back(), civ(0x20, 0x05, {0x00, 0x00, 0x00, 0x36, 0x04}));
}

TEST(DopplerPass, LampsShowARetuneForFivePasses) {
    PassFixture f;
    EXPECT_TRUE(f.panel.visible("upgrn"));
    EXPECT_FALSE(f.panel.visible("upblu"));
    for (int pass = 0; pass < 3; ++pass)
        f.radios->frequency();
    EXPECT_TRUE(f.panel.visible("upgrn"));
    f.radios->frequency();
    EXPECT_FALSE(f.panel.visible("upgrn"));
    EXPECT_TRUE(f.panel.visible("upblu"));
    EXPECT_TRUE(f.panel.visible("dnred"));
}

TEST(DopplerPass, LampGesturesForceARetune) {
    PassFixture f;
    f.framesSinceClear();
    f.panel.gesture("dnred", core::Gesture::DblClick);
    f.radios->frequency();
    EXPECT_EQ(f.payloads().back()[2], 0x22);
    f.framesSinceClear();
    f.panel.gesture("upblu", core::Gesture::DblClick);
    f.radios->frequency();
    EXPECT_EQ(f.payloads().size(), 2u);
    EXPECT_EQ(f.payloads().back()[2], 0x20);
}

TEST(DopplerPass, InhibitedLinksAreNotRetuned) {
    PassFixture f;
    f.framesSinceClear();
    f.panel.gesture("lbl_inhibit_tx", core::Gesture::DblClick);
    f.panel.gesture("Lbl_inhibit_rx", core::Gesture::DblClick);
    EXPECT_EQ(f.panel.field("lbl_inhibit_tx").backColor, core::colour::kRed);
    f.tracking.rangeRate = 3;
    f.radios->frequency();
    EXPECT_EQ(f.framesSinceClear(), 0u);
    f.panel.gesture("lbl_inhibit_tx", core::Gesture::Click);
    f.tracking.rangeRate = 4;
    f.radios->frequency();
    EXPECT_EQ(f.payloads().back()[2], 0x20);
}

TEST(DopplerPass, NothingWithoutASatellite) {
    PassFixture f;
    f.framesSinceClear();
    f.selected = false; // the pass waits, then stops
    const size_t waitsBefore = f.waits.waits.size();
    f.radios->frequency();
    EXPECT_EQ(f.waits.waits.size(), waitsBefore + 1);
    EXPECT_EQ(f.radios->uplinkStatus(), "");
}

TEST(DopplerPass, FreezeHoldsThePassUntilRestored) {
    PassFixture f;
    f.panel.gesture("lbl_UpText", core::Gesture::DblClick);
    EXPECT_EQ(f.panel.caption("lbl_UpText"), "Transactions frozen. Click to RESTORE");
    int yields = 0;
    f.waits.onWait = [&](int ms) {
        if (ms == 50 && ++yields == 3) f.panel.gesture("lbl_UpText", core::Gesture::Click);
    };
    f.radios->frequency();
    EXPECT_EQ(yields, 3);
    EXPECT_EQ(f.panel.caption("lbl_UpText"), "Doppler (Hz.)");
}

TEST(DopplerPass, KnobRateLimitsAndCaption) {
    PassFixture f;
    auto& tuning = f.radios->tuning();
    for (int i = 0; i < 3; ++i)
        f.panel.gesture("lbl_fine_div", core::Gesture::Click);
    EXPECT_EQ(tuning.knobRate(), 1);
    EXPECT_EQ(f.panel.caption("lbl_FreqFine"), "001 Hz. Rate");
    for (int i = 0; i < 8; ++i)
        f.panel.gesture("lbl_fine_mult", core::Gesture::Click);
    EXPECT_EQ(tuning.knobRate(), 1000000);
    EXPECT_EQ(f.panel.caption("lbl_FreqFine"), "1,000,000 Hz. Rate");
}

TEST(DopplerPass, StepButtonsNeedATarget) {
    PassFixture f;
    f.panel.gesture("lbl_fraq", core::Gesture::MouseDown);
    EXPECT_EQ(f.panel.caption("lbl_DnFreq"), "145.900000");
    f.panel.gesture("lbl_linkdn", core::Gesture::DblClick);
    f.panel.gesture("lbl_fraq", core::Gesture::MouseDown);
    EXPECT_EQ(f.panel.caption("lbl_DnFreq"), "145.900010");
    f.panel.gesture("lbl_fraq1", core::Gesture::Click);
    f.panel.gesture("lbl_fraq1", core::Gesture::Click);
    EXPECT_EQ(f.panel.caption("lbl_DnFreq"), "145.899990");
    f.radios->clear_knobs();
    f.panel.gesture("lbl_fraq", core::Gesture::MouseDown);
    EXPECT_EQ(f.panel.caption("lbl_DnFreq"), "145.899990");
}

TEST(DopplerPass, AdjustReadInAndOutOfTheWindow) {
    PassFixture f;
    auto& tuning = f.radios->tuning();
    f.panel.gesture("Lbl_inhibit_rx", core::Gesture::DblClick);
    tuning.adjust_read(147.4);
    EXPECT_NEAR(f.radios->plan().downlink, 145.9, 1e-6); // 1.5 MHz away: not the downlink
    EXPECT_EQ(f.radios->state().downlinkInhibit, 0);
    tuning.adjust_read(145.0);
    EXPECT_NEAR(f.radios->plan().downlink, 145.0, 1e-6);
    EXPECT_EQ(f.panel.field("lbl_down_read").backColor, 0xC0C0C0);
    tuning.adjust_read(0);
    EXPECT_EQ(f.panel.caption("lbl_down_read"), "ERROR");
    EXPECT_EQ(f.panel.field("lbl_down_read").foreColor, core::colour::kWhite);
    EXPECT_NEAR(f.radios->plan().downlink, 145.0, 1e-6);
}

TEST(DopplerPass, AnAnalogReadingTakesTheUplinkAlong) {
    RadioFixture f(4);
    f.record = core::satelliteTemplate(true, "AO");
    f.useRadios(10, 11);
    f.radios->frequency(); // downlink 2401.4 at the satellite, 145.4 at the radio
    f.radios->tuning().adjust_read(145.401);
    EXPECT_NEAR(f.radios->plan().downlink, 2401.401, 1e-6);
    EXPECT_NEAR(f.radios->plan().uplink, 435.588, 1e-6);
}

TEST(DopplerPass, BaseLabelShowsTheTransponder) {
    RadioFixture f(4);
    f.load();
    f.panel.gesture("lbl_Base", core::Gesture::DblClick);
    EXPECT_EQ(f.panel.caption("lbl_Base"), "Frequency at Satellite");
    f.record = core::satelliteTemplate(true, "AO");
    f.load();
    f.panel.gesture("lbl_Base", core::Gesture::DblClick);
    EXPECT_EQ(f.panel.caption("lbl_Base"), "Satellite's Transponder Local Oscillator frequency");
    EXPECT_EQ(f.panel.caption("lbl_transp"), "2836.989000");
}

TEST(DopplerPass, ModeLabelsOfAnInvertingConverter) {
    RadioFixture f(4);
    f.record[2] = "1268.0";
    f.record[3] = "USB";
    f.record[5] = "1414";
    f.load();
    EXPECT_EQ(f.panel.caption("lbl_UpMode"), "LSB");
    EXPECT_EQ(f.panel.field("lbl_UpMode").backColor, 0xC0C0FF);
}

TEST(DopplerPass, RefreshClosesReloadsAndReinitialises) {
    PassFixture f;
    f.framesSinceClear();
    f.timerActive = true;
    f.panel.gesture("lbl_refresh", core::Gesture::DblClick);
    EXPECT_TRUE(f.timerActive);
    EXPECT_NE(std::find(f.waits.waits.begin(), f.waits.waits.end(), 200), f.waits.waits.end());
    // close (three frames each) and set-up (split, VFO, mode; VFO, mode)
    EXPECT_EQ(f.framesSinceClear(), 3u + 3u + 3u + 2u);
    EXPECT_TRUE(f.radios->doppler().uplinkPending);
}

namespace {
bool sentTo(const RadioFixture& f, uint8_t address) {
    for (const auto& p : f.payloads())
        if (p.size() > 2 && p[2] == address) return true;
    return false;
}
} // namespace

TEST(DopplerPass, NoFrameForAFrequencyThatIsNotAFrequency) {
    const struct {
        const char* uplink;
        const char* upConverter;
        const char* planCaption;
        const char* radioCaption;
    } cases[] = {
        {"", "0", "No frequency", "0 Hz: not sent"},
        {"abc", "0", "No frequency", "0 Hz: not sent"},
        {"0", "0", "No frequency", "0 Hz: not sent"},
        {"-435", "0", "No frequency", "0 Hz: not sent"},
        {"1268.0", "1268.0", "1268.000000", "0 Hz: not sent"}, // the L.O. on the signal
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.uplink);
        RadioFixture f(4);
        f.record[2] = c.uplink;
        f.record[5] = c.upConverter;
        f.record[13] = "145.9";
        f.useRadios(10, 11);
        f.radios->frequency();
        EXPECT_FALSE(sentTo(f, 0x20));
        EXPECT_TRUE(sentTo(f, 0x22)); // the downlink is tuned all the same
        EXPECT_EQ(f.panel.caption("lbl_UpFreq"), c.planCaption);
        EXPECT_EQ(f.panel.caption("lbl_UpDop"), c.radioCaption);
        EXPECT_FALSE(f.panel.visible("upgrn"));
        EXPECT_TRUE(f.panel.visible("upblu"));
        EXPECT_TRUE(f.panel.visible("dngrn"));
    }
}

TEST(DopplerPass, ARefusedFrameShowsOnThePanelAndLightsNoLamp) {
    RadioFixture f(4);
    f.record[2] = "10368.1"; // eleven digits: more than a CI-V frequency carries
    f.record[13] = "145.9";
    f.useRadios(10, 11);
    f.radios->frequency();
    EXPECT_FALSE(sentTo(f, 0x20));
    const std::string refusal = "Not sent: frequency text \"10368100000\" is not a radio frequency";
    EXPECT_EQ(f.panel.caption("lbl_UpDop"), refusal);
    EXPECT_FALSE(f.panel.visible("upgrn"));
    EXPECT_TRUE(f.panel.visible("upblu"));
    EXPECT_TRUE(f.panel.visible("dngrn"));
    // The next pass still says why the radio stands where it stands.
    f.radios->frequency();
    EXPECT_EQ(f.panel.caption("lbl_UpDop"), refusal);
    // A frequency the radio takes clears it.
    f.record[2] = "1268.1";
    f.load();
    f.radios->frequency();
    EXPECT_TRUE(sentTo(f, 0x20));
    EXPECT_EQ(f.panel.caption("lbl_UpDop"), "1268.100000");
}
