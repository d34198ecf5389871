// Linked mode end to end: the station against stand-ins of the tracking programs on
// real local sockets, on the simulated box.
#include "dde/dde_link.h"
#include "dde/nova_reply.h"
#include "dde/nova_stand_in.h"
#include "linked_station.h"
#include "orbit/day_instant.h"
#include "orbit/element_file.h"
#include "raw_program.h"
#include "rotator/azimuth_mapping.h"
#include "rotator/rotator_drive.h"
#include "rotator/rotator_format.h"

#include <QElapsedTimer>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

namespace orv::test {
namespace {

constexpr const char* kLinkLost = "DDE LINK LOST. Enter Satellite name and Press Enter";
constexpr const char* kNovaAo7 = "AO-7*** catalog 07530 AZ:120.0 EL:35.0 RR:-2.500 MA:100 SC:0";

double azimuthMiss(double a, double b) {
    return std::abs(std::remainder(a - b, 360.0));
}

TEST(LinkedStation, StartUpLinksTheFirstProgramPresentInProbeOrder) {
    LinkedStation s;
    auto& winorbit = s.play("WinOrbit", "");
    auto& satpc32 = s.play("SatPC32", "AO-7");
    s.start();
    EXPECT_EQ(s.loop().trackingSource, 4);
    EXPECT_EQ(s.panel().caption("lbl_standalone"), "Interfaced with the WinOrbit program.");
    EXPECT_EQ(s.panel().caption("lbl_sat_name"), core::kNoSatellite);
    EXPECT_FALSE(s.panel().visible("txt_entre")); // WinOrbit chooses the satellite
    EXPECT_EQ(s.status("src"), "4");
    EXPECT_EQ(s.status("dde"), "WinOrbit");
    EXPECT_EQ(winorbit.conversations, 2); // the probe and the first tick's read
    EXPECT_EQ(satpc32.conversations, 0);
    EXPECT_TRUE(s.doubles.dialogs.shown.empty());
}

TEST(LinkedStation, WithNoProgramStartUpSaysSoAndRunsStandAlone) {
    LinkedStation s("AUTO");
    s.start();
    EXPECT_EQ(s.loop().trackingSource, 1);
    EXPECT_EQ(s.panel().caption("lbl_standalone"), "DDE link absent.");
    EXPECT_TRUE(s.doubles.dialogs.anyContains("cannot find a DDE link to an alternative"));
    EXPECT_GE(s.doubles.editorOpenings + int(s.station->configEditor().isOpen()), 1);
    EXPECT_EQ(s.status("dde"), "absent");
    s.type("AO-7");
    s.tick();
    EXPECT_EQ(s.loop().selectedSatellite, "AO-7");
}

TEST(LinkedStation, DdeServiceNoMakesNoProbeAndNoPoll) {
    LinkedStation s("NO");
    auto& satpc32 = s.play("SatPC32", "AO-7");
    s.start();
    s.poll();
    s.tick(3);
    EXPECT_EQ(satpc32.conversations, 0);
    EXPECT_EQ(s.loop().trackingSource, 1);
    EXPECT_EQ(s.status("dde"), "off");
    EXPECT_FALSE(s.station->ddeTimer().isActive());
}

TEST(LinkedStation, SatPc32NamesTheSatelliteAndTheOwnPropagatorTracksIt) {
    LinkedStation s;
    auto& satpc32 = s.play("SatPC32", "AO-7");
    s.start();
    EXPECT_EQ(s.loop().trackingSource, 6);
    s.tick();
    EXPECT_EQ(s.loop().selectedSatellite, "AO-7");
    EXPECT_EQ(s.loop().elementsValid, 1);
    EXPECT_EQ(s.status("src"), "6");
    EXPECT_NE(s.status("range"), "-"); // the station's own propagator
    const double azimuth = s.station->tracking().azimuth;
    s.tick(1, 120'000); // two minutes on, no poll in between
    EXPECT_GT(azimuthMiss(s.station->tracking().azimuth, azimuth), 0.5);
    EXPECT_NEAR(std::stod(s.status("drive_az")), s.station->tracking().azimuth, 0.2);

    satpc32.reply = "Standby";
    s.poll();
    s.tick();
    EXPECT_EQ(s.loop().selectedSatellite, core::kNoSatellite);
    EXPECT_EQ(s.panel().caption("lbl_status"),
              "Orv_Kite is DDE linked to the SatPC32 program and monitoring  activity");
    EXPECT_EQ(s.loop().trackingSource, 6); // still linked

    satpc32.reply = "ISS (ZARYA)";
    s.poll();
    s.tick();
    EXPECT_EQ(s.loop().selectedSatellite, "ISS (ZARYA)");
}

TEST(LinkedStation, TheMaskCoversTheTuningControlsWhileTheProgramTracksNothing) {
    const char* tuningControls[] = {"Knob1",       "Knob2",        "Knob3",       "Knob4",
                                    "ch_att",      "ch_agc",       "ch_nb",       "lbl_shift",
                                    "lbl_satfreq", "lbl_finediag", "lbl_knobmsg", "lbl_Base"};
    LinkedStation s;
    auto& satpc32 = s.play("SatPC32", "Standby");
    s.start();
    for (const char* name : tuningControls)
        EXPECT_FALSE(s.panel().visible(name)) << name;
    EXPECT_EQ(s.panel().caption("Mask1").rfind("Under DDE control.  Background Monitoring", 0), 0u);

    satpc32.reply = "AO-7";
    s.poll();
    s.tick();
    ASSERT_EQ(s.loop().setupDone, 1);
    for (const char* name : tuningControls)
        EXPECT_TRUE(s.panel().visible(name)) << name;
    EXPECT_EQ(s.panel().caption("Mask1"), "");
}

TEST(LinkedStation, NovaForWindowsPositionDrivesTheRotatorsAndTheDoppler) {
    LinkedStation s;
    s.play("NFW32", kNovaAo7);
    s.start();
    ASSERT_EQ(s.loop().trackingSource, 3);
    EXPECT_EQ(s.panel().caption("lbl_status"),
              "Satellite selected by the Nova for Windows program.");
    // From the south end stop the rotator turns the long way round, about 6 degrees a
    // second: the simulated rotators turn with the clock.
    s.tick(70, 1000);
    EXPECT_EQ(s.loop().selectedSatellite, "AO-7");
    EXPECT_EQ(s.panel().caption("lbl_ma256"), "100");
    EXPECT_EQ(s.panel().caption("lbl_compAz"), "Az: 120.0");
    EXPECT_EQ(s.panel().caption("lbl_CompEle"), "El: 35.0");
    EXPECT_EQ(s.status("az"), "120.0");
    EXPECT_EQ(s.status("el"), "35.0");
    EXPECT_EQ(s.status("range"), "-"); // Nova for Windows gives no range
    EXPECT_EQ(s.status("rr"), "-2.500");

    const auto& box = s.station->simulatedHardware()->box();
    const double rotatorAz =
        rotator::trueAzimuthAt(s.station->rotatorDrive().format(), box.azimuth().count());
    const double rotatorEl = box.elevation().count() * rotator::kElevationDegPerCount;
    EXPECT_LT(azimuthMiss(rotatorAz, 120.0), 4.0) << s.station->statusLine().render();
    EXPECT_NEAR(rotatorEl, 35.0, 4.0) << s.station->statusLine().render();
    // Closing at 2.5 km/s raises the downlink by f v / c (about 3.6 kHz at 435 MHz).
    EXPECT_NEAR(std::stod(s.status("dn_dop")), 3629, 5);
}

TEST(LinkedStation, ATypedNameMakesNovaForWindowsFollowItsCatalogueNumber) {
    LinkedStation s;
    const auto sets = orbit::parseElementFile(kTestElementFile).records;
    const auto observer = orbit::StationModel::from(-39.5, 176.9, 0);
    dde::NovaStandIn nova(sets, observer);
    auto& played = s.play("NFW32", "");
    // The stand-in answers for the satellite last poked, at the station's clock.
    played.peer = nullptr;
    dde::DdePeer::Hooks hooks;
    hooks.reply = [&] { return nova.replyAt(orbit::dayOfUtc(s.doubles.clock.now().toUTC())); };
    hooks.poked = [&](const std::string& text) {
        played.pokes.push_back(text);
        nova.poke(text);
    };
    dde::DdePeer peer(*dde::ddeSourceServedAs("NFW32"), std::move(hooks));
    std::string error;
    ASSERT_TRUE(peer.listen(s.directory(), error)) << error;

    s.start();
    ASSERT_EQ(s.loop().trackingSource, 3);
    EXPECT_EQ(s.loop().selectedSatellite, core::kNoSatellite); // Nova for Windows tracks nothing
    EXPECT_TRUE(s.panel().visible("txt_entre"));
    s.type("ao-7");
    s.tick();
    EXPECT_EQ(played.pokes, (std::vector<std::string>{"SAT=07530", "TRACK OFF"}));
    EXPECT_EQ(s.loop().selectedSatellite, "AO-7");
    EXPECT_TRUE(s.station->ddeTimer().isActive());

    s.poll();
    s.tick();
    EXPECT_EQ(s.loop().selectedSatellite, "AO-7");
    const auto reading = dde::readNovaReply(s.station->ddeLink().lastReply());
    ASSERT_EQ(reading.kind, dde::ReadingKind::Satellite) << s.station->ddeLink().lastReply();
    EXPECT_DOUBLE_EQ(s.station->tracking().azimuth, reading.position->azimuth);
    EXPECT_DOUBLE_EQ(s.station->tracking().elevation, reading.position->elevation);
}

TEST(LinkedStation, NovaForWindowsNamingAnUnlistedSatelliteSelectsNothing) {
    LinkedStation s;
    auto& nova = s.play("NFW32", kNovaAo7);
    s.start();
    s.tick();
    ASSERT_EQ(s.loop().selectedSatellite, "AO-7");
    nova.reply = "FO-29*** catalog 24278 AZ:10 EL:5 RR:1 MA:3 SC:0";
    s.poll();
    s.tick();
    s.poll(); // a second reading, once the loop has let AO-7 go
    EXPECT_EQ(s.loop().selectedSatellite, core::kNoSatellite);
    EXPECT_EQ(s.panel().caption("lbl_sat_name"), "FO-29 not in data base");
    EXPECT_EQ(s.panel().caption("lbl_status"), "Enter Satellite name to Edit.");
    EXPECT_FALSE(s.panel().visible("Knob1")); // the mask is set

    nova.reply = "AO-7*** catalog AZ:1 EL:2 MA:4 SC:5"; // RR: missing
    s.poll();
    EXPECT_EQ(s.panel().caption("lbl_status"),
              "Reply of the Nova for Windows program not understood.");
    EXPECT_EQ(s.loop().trackingSource, 3); // the link stands
    s.tick();
    EXPECT_EQ(s.loop().selectedSatellite, core::kNoSatellite);
}

TEST(LinkedStation, NovaForWindowsWithAnEmptyDatabaseGivesMessageElevenOnce) {
    LinkedStation s;
    s.station->satelliteDb().remove("AO-7");
    s.play("NFW32", kNovaAo7);
    s.start();
    s.poll();
    s.poll();
    int shown = 0;
    for (const auto& request : s.doubles.dialogs.shown)
        shown += request.text.find("DDE linked but there are no") != std::string::npos;
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(s.loop().selectedSatellite, core::kNoSatellite);
}

TEST(LinkedStation, AProgramStoppingMidPassLosesTheLinkAndReturnsToManualEntry) {
    LinkedStation s;
    auto& satpc32 = s.play("SatPC32", "AO-7");
    s.start();
    s.tick();
    ASSERT_EQ(s.loop().selectedSatellite, "AO-7");
    s.station->panel().setCaption("txt_entre", "ISS"); // typed, Enter not yet pressed
    satpc32.peer->close();
    s.poll();
    EXPECT_EQ(s.panel().caption("lbl_status"), kLinkLost);
    EXPECT_EQ(s.loop().trackingSource, 1);
    EXPECT_TRUE(s.panel().visible("txt_entre"));
    EXPECT_EQ(s.panel().caption("txt_entre"), "ISS");
    EXPECT_EQ(s.status("dde"), "lost");
    s.tick();
    EXPECT_EQ(s.loop().selectedSatellite, core::kNoSatellite);
    EXPECT_FALSE(s.station->ended());

    s.type("ISS (ZARYA)");
    s.tick();
    EXPECT_EQ(s.loop().selectedSatellite, "ISS (ZARYA)");
    EXPECT_EQ(s.loop().elementsValid, 1);
    s.poll(); // stand-alone now: nothing is asked of anyone
    EXPECT_EQ(s.loop().selectedSatellite, "ISS (ZARYA)");
}

TEST(LinkedStation, WithAutoCloseALostLinkEndsTheRunInAnOrderlyWay) {
    LinkedStation s;
    s.configure(26, "YES");
    auto& satpc32 = s.play("SatPC32", "AO-7");
    s.start();
    s.tick();
    satpc32.peer->close();
    s.poll();
    EXPECT_TRUE(s.station->ended());
    EXPECT_EQ(s.station->exitCode(), 0);
    EXPECT_EQ(s.doubles.store->get("ORVTUNE", "START", "1"), ""); // the running flag lowered
}

struct BadProgram {
    const char* what;
    const char* first;
    const char* later;
    bool closeAfter;
    bool hangs; // the station waits out the timeout
};

// A case is named by its words, in test names and failures.
void PrintTo(const BadProgram& c, std::ostream* out) {
    *out << c.what;
}

class LinkedStationWithABadProgram : public ::testing::TestWithParam<BadProgram> {};

TEST_P(LinkedStationWithABadProgram, CostsAtMostTheTimeoutAndTheStationTicksOn) {
    const auto& bad = GetParam();
    LinkedStation s;
    auto& satpc32 = s.play("SatPC32", "Standby");
    s.start();
    ASSERT_EQ(s.loop().trackingSource, 6);
    satpc32.peer->close();
    RawProgram program(s.directory(), "SatPC32", RawAnswer(bad.first, bad.later, bad.closeAfter));

    // The operator selects a satellite while the station waits for the program.
    if (bad.hangs) QTimer::singleShot(20, [&] { s.type("AO-7"); });
    QElapsedTimer elapsed;
    elapsed.start();
    s.poll();
    EXPECT_LT(elapsed.elapsed(), kLinkTimeoutMs + 1500) << bad.what;
    EXPECT_EQ(s.panel().caption("lbl_status"), kLinkLost) << bad.what;
    EXPECT_EQ(s.loop().trackingSource, 1) << bad.what;
    EXPECT_TRUE(s.station->loopTimer().isActive()) << bad.what;
    s.tick(2);
    if (bad.hangs) {
        EXPECT_EQ(s.loop().selectedSatellite, "AO-7") << bad.what; // what was typed stands
    }
    EXPECT_EQ(s.station->stepFailures[15], 0) << bad.what;
}

INSTANTIATE_TEST_SUITE_P(
    Programs, LinkedStationWithABadProgram,
    ::testing::Values(BadProgram{"hangs", "", "", false, true},
                      BadProgram{"half a reply, then hangs", "OK 10\nAO", "", false, true},
                      BadProgram{"half a reply, then gone", "OK 10\nAO", "", true, false},
                      BadProgram{"garbage", "\x7f\x45LF garbage\n", "", true, false},
                      BadProgram{"longer than announced", "OK 2\nAO-7\r\n", "", true, false},
                      BadProgram{"too long", "OK 99999\n", "", false, false}));

} // namespace
} // namespace orv::test
