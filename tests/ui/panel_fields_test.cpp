// The panel's own fields on a station with the simulated box: the satellite-name
// suffix steps through a satellite's records (what reaches the radios says whether a
// refresh ran), the beacon retunes the downlink radio and back, and the elevation-sign
// test drives the elevation rotator to the elevation with its sign changed.
#include "core/configuration.h"
#include "core/satellite_db.h"
#include "radio/radios.h"
#include "rotator/rotator_drive.h"
#include "sim/civ_radio.h"
#include "sim/simulated_hardware.h"
#include "station/name_suffix.h"
#include "test_station.h"

#include <QCoreApplication>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>

using namespace orv;

namespace {

using core::Gesture;
constexpr uint8_t kIc471 = 0x22;
constexpr double kBaseDownlinkMHz = 437.800;
constexpr double kBeaconMHz = 437.950;

// The downlink of record NAME_k is k tenths of a MHz above the base name's.
double downlinkOfSuffix(int k) {
    return kBaseDownlinkMHz + 0.1 * k;
}

core::SatelliteRecord recordFor(const std::string& name, double downlinkMHz, double beaconMHz) {
    auto record = core::satelliteTemplate(false, name);
    record[2] = "145.990";
    record[3] = "FM";
    record[6] = "10"; // IC-271 uplink on port 1
    record[7] = "1";
    record[8] = "9600";
    record[13] = std::to_string(downlinkMHz);
    record[14] = "FM";
    record[15] = "100";
    record[17] = "11"; // IC-471 downlink on port 2
    record[18] = "2";
    record[19] = "19200";
    record[21] = std::to_string(beaconMHz);
    return record;
}

struct SimulatedStation {
    SimulatedStation() {
        // The AO-40 records track on a set of their own name.
        std::ofstream(doubles.programDir + "/orv_kite.txt", std::ios::app | std::ios::binary)
            << "AO-40\r\n"
               "1 07530U 74089B   18020.92882759 -.00000031  00000-0  83259-4 0  9990\r\n"
               "2 07530 101.6660 350.5859 0011799 260.7489 115.8236 12.53630761975916\r\n";
        core::Configuration(*doubles.store).makes_cfg(4);
        core::SatelliteDb db(*doubles.store);
        db.save(recordFor("AO-40", kBaseDownlinkMHz, kBeaconMHz));
        for (int k = 1; k <= 6; ++k)
            db.save(recordFor("AO-40_" + std::to_string(k), downlinkOfSuffix(k), 0));
        db.save(recordFor("AO-7", kBaseDownlinkMHz, 0));
        doubles.waits.onWait = [](int) { QCoreApplication::processEvents(); };
        station::StationOptions options;
        options.programDir = doubles.programDir;
        options.simulate = true;
        station = std::make_unique<station::Station>(
            *doubles.store,
            station::StationPlatform{doubles.clock, doubles.waits, doubles.dialogs,
                                     doubles.launcher},
            options);
        station->Form_Load();
        tick(1);
    }
    void select(const std::string& name) {
        panel().setCaption("txt_entre", name);
        panel().gesture("txt_entre", Gesture::KeyPress, 13);
        tick(4);
    }
    void tick(int count) {
        for (int i = 0; i < count; ++i) {
            doubles.clock.advanceMs(50);
            station->loop_timer_Timer();
        }
    }
    core::Panel& panel() { return station->panel(); }
    sim::SimulatedBox& box() { return station->simulatedHardware()->box(); }
    // The simulated downlink radio's dial, MHz.
    uint64_t& downlinkDialHz() {
        auto* family = static_cast<sim::CivRadioFamily*>(box().radioPort(2).family("CI-V"));
        sim::CivRadioState& radio = family->radio(kIc471);
        return radio.dials[static_cast<size_t>(radio.vfo)].hz;
    }
    double downlinkDial() { return static_cast<double>(downlinkDialHz()) / 1e6; }
    // Frames the box took while `gesture` ran.
    int framesDuring(const std::function<void()>& gesture) {
        const int before = box().framesReceived();
        gesture();
        return box().framesReceived() - before;
    }
    const std::string& selected() const { return station->loop().selectedSatellite; }

    test::TestStation doubles;
    std::unique_ptr<station::Station> station;
};

// The Doppler at 437 MHz stays within 12 kHz.
constexpr double kDopplerMarginMHz = 0.012;

} // namespace

TEST(NameSuffix, StepsThroughTheSixConfigurations) {
    struct Step {
        const char* name;
        const char* raised;
        bool refresh;
        const char* lowered; // "" when nothing is lowered
    };
    const Step steps[] = {
        {"AO-40", "AO-40_1", false, ""},         {"AO-40_1", "AO-40_2", true, "AO-40"},
        {"AO-40_5", "AO-40_6", true, "AO-40_4"}, {"AO-40_6", "AO-40_6", true, "AO-40_5"},
        {"AO-40_", "AO-40_1", true, ""},         {"AO-40_X", "AO-40_1", true, ""},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const auto raised = station::raisedSuffix(step.name);
        EXPECT_EQ(raised.name, step.raised);
        EXPECT_EQ(raised.refresh, step.refresh);
        EXPECT_EQ(station::loweredSuffix(step.name).value_or(""), step.lowered);
    }
}

TEST(PanelFields, RaisingTheSuffixLoadsTheNextRecordOnlyFromTheFirstOn) {
    SimulatedStation s;
    s.select("AO-40");
    ASSERT_EQ(s.selected(), "AO-40");
    s.tick(4);
    EXPECT_NEAR(s.downlinkDial(), kBaseDownlinkMHz, kDopplerMarginMHz);

    // AO-40 to AO-40_1: the name only; no frame goes out, the radios stay on AO-40.
    EXPECT_EQ(s.framesDuring([&] { s.panel().gesture("lbl_Uplinlkmain", Gesture::DblClick); }), 0);
    EXPECT_EQ(s.selected(), "AO-40_1");
    EXPECT_EQ(s.panel().caption("lbl_sat_name"), "AO-40_1");
    s.tick(4);
    EXPECT_EQ(s.selected(), "AO-40_1");
    EXPECT_NEAR(s.downlinkDial(), kBaseDownlinkMHz, kDopplerMarginMHz);

    // AO-40_1 to AO-40_2: the radios are set up again on AO-40_2's record.
    EXPECT_GT(s.framesDuring([&] { s.panel().gesture("lbl_Uplinlkmain", Gesture::DblClick); }), 0);
    s.tick(4);
    EXPECT_EQ(s.selected(), "AO-40_2");
    EXPECT_NEAR(s.downlinkDial(), downlinkOfSuffix(2), kDopplerMarginMHz);

    // Up to _6, where the name stays and the record is loaded again.
    for (int k = 3; k <= 6; ++k)
        s.panel().gesture("lbl_Uplinlkmain", Gesture::DblClick);
    s.tick(4);
    EXPECT_EQ(s.selected(), "AO-40_6");
    EXPECT_NEAR(s.downlinkDial(), downlinkOfSuffix(6), kDopplerMarginMHz);
    EXPECT_GT(s.framesDuring([&] { s.panel().gesture("lbl_Uplinlkmain", Gesture::DblClick); }), 0);
    EXPECT_EQ(s.selected(), "AO-40_6");
}

TEST(PanelFields, LoweringTheSuffixRenamesWithoutARefresh) {
    SimulatedStation s;
    s.select("AO-40_2");
    s.tick(4);
    ASSERT_NEAR(s.downlinkDial(), downlinkOfSuffix(2), kDopplerMarginMHz);
    EXPECT_EQ(s.framesDuring([&] { s.panel().gesture("lbl_Downlinkmain", Gesture::Click); }), 0);
    EXPECT_EQ(s.selected(), "AO-40_1");
    s.panel().gesture("lbl_Downlinkmain", Gesture::Click);
    EXPECT_EQ(s.selected(), "AO-40");
    s.panel().gesture("lbl_Downlinkmain", Gesture::Click); // no suffix: nothing
    EXPECT_EQ(s.selected(), "AO-40");
    s.tick(4);
    EXPECT_EQ(s.panel().caption("lbl_sat_name"), "AO-40");
    EXPECT_NEAR(s.downlinkDial(), downlinkOfSuffix(2), kDopplerMarginMHz);

    // The renamed selection is the one taken: typing the earlier name selects it again.
    s.select("AO-40_2");
    EXPECT_EQ(s.selected(), "AO-40_2");
}

TEST(PanelFields, WithoutASatelliteTheSuffixGesturesDoNothing) {
    SimulatedStation s;
    s.panel().gesture("lbl_Uplinlkmain", Gesture::DblClick);
    s.panel().gesture("lbl_Downlinkmain", Gesture::Click);
    EXPECT_EQ(s.selected(), core::kNoSatellite);
    s.tick(2);
    EXPECT_EQ(s.panel().caption("lbl_sat_name"), core::kNoSatellite);
}

TEST(PanelFields, TheBeaconRetunesTheDownlinkRadioAndTheClickReturnsIt) {
    SimulatedStation s;
    s.select("AO-40");
    s.tick(4);
    ASSERT_NEAR(s.downlinkDial(), kBaseDownlinkMHz, kDopplerMarginMHz);

    s.panel().gesture("lbl_beacon", Gesture::DblClick);
    EXPECT_EQ(s.panel().field("lbl_beacon").foreColor, core::colour::kRed);
    s.tick(4);
    EXPECT_NEAR(s.downlinkDial(), kBeaconMHz, kDopplerMarginMHz);

    // A second double-click on the beacon keeps the downlink to go back to.
    s.panel().gesture("lbl_beacon", Gesture::DblClick);
    s.panel().gesture("lbl_beacon", Gesture::Click);
    EXPECT_EQ(s.panel().field("lbl_beacon").foreColor, core::colour::kNavy);
    s.tick(4);
    EXPECT_NEAR(s.downlinkDial(), kBaseDownlinkMHz, kDopplerMarginMHz);
}

TEST(PanelFields, ASatelliteWithoutABeaconKeepsItsDownlink) {
    SimulatedStation s;
    s.select("AO-7");
    s.tick(4);
    const double before = s.downlinkDial();
    ASSERT_NEAR(before, kBaseDownlinkMHz, kDopplerMarginMHz);
    s.panel().gesture("lbl_beacon", Gesture::DblClick);
    EXPECT_EQ(s.panel().field("lbl_beacon").foreColor, core::colour::kNavy);
    s.tick(4);
    EXPECT_NEAR(s.downlinkDial(), before, kDopplerMarginMHz);
    EXPECT_NEAR(s.station->radios().plan().downlink, kBaseDownlinkMHz, 1e-6);
}

TEST(PanelFields, TheFrequencyResetUndoesTheKnobAndTheBeacon) {
    SimulatedStation s;
    s.select("AO-40");
    s.panel().gesture("lbl_linkdn", Gesture::DblClick);
    s.panel().gesture("lbl_fine_mult", Gesture::Click);
    s.panel().setValue("Knob1", 50); // 50 steps of 100 Hz
    s.panel().gesture("Knob1", Gesture::Change, 50);
    s.tick(4);
    ASSERT_NEAR(s.downlinkDial(), kBaseDownlinkMHz + 0.005, kDopplerMarginMHz);
    s.panel().gesture("lbl_beacon", Gesture::DblClick);

    s.panel().gesture("lbl_freq_reset", Gesture::Click);
    EXPECT_EQ(s.station->radios().tuning().knobRate(), 10);
    EXPECT_EQ(s.panel().field("lbl_linkdn").backColor, core::colour::kDefault);
    EXPECT_EQ(s.panel().field("lbl_beacon").foreColor, core::colour::kNavy);
    s.tick(4);
    EXPECT_NEAR(s.station->radios().plan().downlink, kBaseDownlinkMHz, 1e-6);
    EXPECT_NEAR(s.downlinkDial(), kBaseDownlinkMHz, kDopplerMarginMHz);
}

TEST(PanelFields, TheSignTestDrivesTheElevationRotatorToTheMirroredElevation) {
    SimulatedStation s;
    s.panel().gesture("lbl_track", Gesture::Click); // no satellite: nothing
    EXPECT_TRUE(s.panel().visible("lbl_track"));
    EXPECT_FALSE(s.panel().visible("lbl_Testtrak"));

    s.doubles.clock.advanceMs(40 * 60 * 1000); // the pass of 12:00 is over
    s.select("AO-40");
    s.tick(20);
    const double elevation = s.station->tracking().elevation;
    ASSERT_LT(elevation, -5) << "the test wants the satellite well below the horizon";
    const int targetBefore = s.box().elevation().target();

    s.panel().gesture("lbl_track", Gesture::Click);
    EXPECT_FALSE(s.panel().visible("lbl_track"));
    EXPECT_TRUE(s.panel().visible("lbl_Testtrak"));
    s.tick(2);
    const double degreesPerCount = s.station->rotatorDrive().state().elDegPerCount;
    const double mirrored = -s.station->tracking().elevation;
    EXPECT_NE(s.box().elevation().target(), targetBefore);
    EXPECT_NEAR(s.box().elevation().target() * degreesPerCount, mirrored, 1.0);

    s.panel().gesture("lbl_Testtrak", Gesture::Click);
    EXPECT_TRUE(s.panel().visible("lbl_track"));
    EXPECT_FALSE(s.panel().visible("lbl_Testtrak"));
    s.tick(1);
    EXPECT_NEAR(s.station->rotatorDrive().state().driveElevation, s.station->tracking().elevation,
                1.0);
}

TEST(PanelFields, HintsHideWhenClickedAndText2CancelsThePendingRequests) {
    SimulatedStation s;
    for (const char* hint : {"Label1", "Text1", "lbl_finediag", "Label4"}) {
        s.panel().setVisible(hint, true);
        s.panel().gesture(hint, Gesture::Click);
        EXPECT_FALSE(s.panel().visible(hint)) << hint;
    }
    s.station->mask_reset(); // the tuning controls come back; a hint clicked away does not
    EXPECT_TRUE(s.panel().visible("Knob1"));
    EXPECT_FALSE(s.panel().visible("lbl_finediag"));
    s.station->loop().refreshRequest = 1;
    s.station->loop().meanAnomalyRequest = 1;
    s.panel().setVisible("Text2", true);
    s.panel().gesture("Text2", Gesture::Click);
    EXPECT_FALSE(s.panel().visible("Text2"));
    EXPECT_EQ(s.station->loop().refreshRequest, 0);
    EXPECT_EQ(s.station->loop().meanAnomalyRequest, 0);
}

TEST(PanelFields, StandAloneTheMaskSaysNothingOfATrackingProgram) {
    SimulatedStation s;
    s.tick(2);
    EXPECT_EQ(s.station->loop().trackingSource, 1);
    EXPECT_EQ(s.station->loop().maskSet, 1); // no satellite: the tuning controls are covered
    EXPECT_FALSE(s.panel().visible("Knob1"));
    EXPECT_EQ(s.panel().caption("Mask1"), "");
}

TEST(PanelFields, TheRotatorStateWordFollowsTheMovesOfTheDrive) {
    SimulatedStation s;
    s.doubles.clock.advanceMs(-10 * 60 * 1000); // AO-40 is up: the rotators are sent there
    s.select("AO-40");
    s.tick(4);
    ASSERT_GT(s.station->rotatorDrive().state().movesSent, 0);
    EXPECT_EQ(s.panel().caption("lbl_rot"), "Rotators Active");
    EXPECT_EQ(s.panel().field("lbl_rot").foreColor, core::colour::kRed);
    s.station->rotatorDrive().rot_timer_Timer(); // the stop frame after the last move
    EXPECT_EQ(s.panel().caption("lbl_rot"), "Rotators Free");
    EXPECT_EQ(s.panel().field("lbl_rot").foreColor, core::colour::kDefault);
}

TEST(PanelFields, RemoteTuningTakesTheDownlinkFromTheRadiosDial) {
    SimulatedStation s;
    s.select("AO-40");
    s.panel().gesture("lbl_linkdn", Gesture::DblClick); // the knob had the downlink
    s.tick(4);
    ASSERT_NEAR(s.downlinkDial(), kBaseDownlinkMHz, kDopplerMarginMHz);

    // The operator turns the radio's dial up 20 kHz, then double-clicks.
    s.downlinkDialHz() += 20000;
    const double turnedTo = s.downlinkDial();
    s.panel().gesture("lbl_fdt", Gesture::DblClick);
    EXPECT_NEAR(s.station->radios().plan().downlink, kBaseDownlinkMHz + 0.020, 0.0002);
    EXPECT_EQ(s.station->radios().tuning().knobTarget(), 0);
    s.tick(10);
    EXPECT_NEAR(s.downlinkDial(), turnedTo, 0.0002); // the dial stays where it was turned
}

// The simulated azimuth rotator takes a minute over a long turn: its lamp stays green
// after the lamp's time is up, as long as the readings show it turning, and goes red
// once it stands.
TEST(PanelFields, TheAzimuthLampIsGreenWhileTheRotatorTurns) {
    SimulatedStation s;
    s.doubles.clock.advanceMs(-10 * 60 * 1000); // AO-40 is up: the rotators are sent there
    s.select("AO-40");
    const auto& rotator = s.box().azimuth();
    bool sawTurning = false;
    for (int tick = 0; tick < 40 && !sawTurning; ++tick) {
        s.tick(1);
        s.station->rotatorDrive().az_timer_Timer(); // the lamp's time after a move is up
        s.tick(4);
        if (rotator.driven() && std::abs(rotator.count() - rotator.target()) > 20) {
            sawTurning = true;
            EXPECT_TRUE(s.panel().visible("grnled"));
            EXPECT_FALSE(s.panel().visible("redled"));
        }
    }
    ASSERT_TRUE(sawTurning) << "the azimuth rotator never had far to go";

    // Once it has arrived and stood for eight readings, the lamp is red.
    int standing = 0, last = -1, moves = -1;
    for (int tick = 0; tick < 3000 && standing < 8; ++tick) {
        s.tick(1);
        s.station->rotatorDrive().az_timer_Timer();
        const int sent = s.station->rotatorDrive().state().movesSent;
        standing = rotator.count() == last && sent == moves ? standing + 1 : 0;
        last = rotator.count();
        moves = sent;
    }
    ASSERT_EQ(standing, 8) << "the azimuth rotator never stood";
    EXPECT_TRUE(s.panel().visible("redled"));
    EXPECT_FALSE(s.panel().visible("grnled"));
}

TEST(PanelFields, TheSlewReadoutsShowTheConfiguredSlewingFromTheStart) {
    test::TestStation t;
    core::Configuration configuration(*t.store);
    configuration.makes_cfg(4);
    configuration.write(4, 9, "2.5");
    configuration.write(4, 15, "-1");
    t.start();
    EXPECT_EQ(t.station->panel().caption("lbl_Valaz"), "2.5");
    EXPECT_EQ(t.station->panel().caption("lbl_Valel"), "-1.0");
    EXPECT_FALSE(t.station->panel().visible("ResetAz"));
}
