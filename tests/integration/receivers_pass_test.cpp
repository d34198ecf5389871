// The last radios of the model list through a station on the simulated box of both
// variants: an FT-847 carrying both links, and a PCR-1000 receiving the downlink
// while an Icom transmits the uplink. The set-up leaves each radio working (the
// PCR-1000 behind its EEPROM warning and at 38400 baud), the dials follow the
// Doppler, the receiver controls reach the receiver, and exit closes each radio.
// The dry run prints the receivers' frames as the simulated radios take them.
#include "core/configuration.h"
#include "core/satellite_db.h"
#include "program_runner.h"
#include "radio/frequency_text.h"
#include "radio/radios.h"
#include "sim/aor_radio.h"
#include "sim/civ_radio.h"
#include "sim/pcr_radio.h"
#include "sim/simulated_hardware.h"
#include "sim/yaesu_radio.h"
#include "test_station.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orv::test {
namespace {

constexpr int kUplinkStepHz = 40;
constexpr int kDownlinkStepHz = 100;
constexpr uint8_t kIc275 = 0x10;
// The FT-847 tunes in steps of 10 Hz.
constexpr int kFt847ResolutionHz = 10;

// 145.990 up on `up` at port 1, 437.800 down on `down` at port 2 (port 1 when the
// same radio carries both).
core::SatelliteRecord passRecord(int up, int down, const char* upMode, const char* downMode) {
    auto record = core::satelliteTemplate(false, "ISS (ZARYA)");
    record[2] = "145.990";
    record[3] = upMode;
    record[4] = std::to_string(kUplinkStepHz);
    record[6] = std::to_string(up);
    record[7] = "1";
    record[8] = record[19] = "9600";
    record[13] = "437.800";
    record[14] = downMode;
    record[15] = std::to_string(kDownlinkStepHz);
    record[17] = std::to_string(down);
    record[18] = up == down ? "1" : "2";
    record[22] = "0";
    return record;
}

struct PassStation {
    PassStation(int variant, const core::SatelliteRecord& record,
                std::deque<platform::DialogAnswer> answers = {})
        : doubles(variant) {
        core::Configuration configuration(*doubles.store);
        configuration.makes_cfg(variant);
        configuration.write(variant, 24, "5");
        core::SatelliteDb(*doubles.store).save(record);
        doubles.waits.onWait = [](int) { QCoreApplication::processEvents(); };
        doubles.dialogs.answers = std::move(answers);
        station::StationOptions options;
        options.programDir = doubles.programDir;
        options.simulate = true;
        station = std::make_unique<station::Station>(
            *doubles.store,
            station::StationPlatform{doubles.clock, doubles.waits, doubles.dialogs,
                                     doubles.launcher},
            options);
        station::ViewHooks hooks;
        hooks.programEnded = [this](int) { ++endings; };
        station->setViewHooks(hooks);
        station->Form_Load();
        tick(1); // the deselection of the first tick unlocks the entry box
        station->panel().setCaption("txt_entre", "ISS (ZARYA)");
        station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
        tick(3);
    }
    void tick(int count) {
        for (int i = 0; i < count && !station->ended(); ++i) {
            doubles.clock.advanceMs(50);
            station->loop_timer_Timer();
        }
    }
    template <typename Family> Family& radio(int port, const char* name) {
        auto* family = station->simulatedHardware()->box().radioPort(port).family(name);
        return *dynamic_cast<Family*>(family);
    }
    const radio::DopplerState& doppler() { return station->radios().doppler(); }

    TestStation doubles;
    std::unique_ptr<station::Station> station;
    int endings = 0;
};

long long hz(const std::string& frequencyText) {
    return std::stoll(frequencyText);
}

// Half a minute of passing seconds: after each, both dials are within the record's
// steps of where the Doppler puts them, and both have moved by the end.
template <typename Dials>
void followTheDoppler(PassStation& s, const Dials& dials, int resolutionHz = 1) {
    const auto [upBefore, downBefore] = dials();
    for (int second = 0; second < 30; ++second) {
        s.doubles.clock.advanceMs(1000);
        s.tick(1);
        const auto [up, down] = dials();
        EXPECT_LE(std::llabs(static_cast<long long>(up) - hz(s.doppler().uplinkText)),
                  kUplinkStepHz + resolutionHz);
        EXPECT_LE(std::llabs(static_cast<long long>(down) - hz(s.doppler().downlinkText)),
                  kDownlinkStepHz + resolutionHz);
    }
    const auto [upAfter, downAfter] = dials();
    EXPECT_NE(upAfter, upBefore);
    EXPECT_NE(downAfter, downBefore);
}

TEST(Ft847Pass, BothLinksOnOneRadio) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        PassStation s(variant, passRecord(2, 2, "USB", "LSB"));
        ASSERT_EQ(s.station->loop().selectedSatellite, "ISS (ZARYA)");
        const sim::YaesuState& ft847 = s.radio<sim::YaesuRadioFamily>(1, "Yaesu").radio();
        EXPECT_TRUE(ft847.cat);
        EXPECT_TRUE(ft847.satellite);
        EXPECT_EQ(ft847.dials[1].mode, 0x00); // LSB received
        EXPECT_EQ(ft847.dials[2].mode, 0x01); // USB sent
        EXPECT_EQ(static_cast<long long>(ft847.linkDial(true).hz),
                  hz(s.doppler().uplinkText) / kFt847ResolutionHz * kFt847ResolutionHz);
        EXPECT_EQ(static_cast<long long>(ft847.linkDial(false).hz),
                  hz(s.doppler().downlinkText) / kFt847ResolutionHz * kFt847ResolutionHz);

        followTheDoppler(
            s,
            [&] {
                return std::pair{ft847.linkDial(true).hz, ft847.linkDial(false).hz};
            },
            kFt847ResolutionHz);

        s.station->cmd_Bye_Click();
        EXPECT_FALSE(ft847.satellite);
        EXPECT_FALSE(ft847.cat);
    }
}

TEST(Pcr1000Pass, ReceiverOnTheDownlinkWithAnIcomUplink) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        PassStation s(variant, passRecord(12, 34, "FM", "FM,15KHZ"), {platform::DialogAnswer::Yes});
        ASSERT_EQ(s.station->loop().selectedSatellite, "ISS (ZARYA)");
        // Asked once, accepted and kept: later set-ups (the refresh) do not ask again.
        ASSERT_EQ(s.doubles.dialogs.shown.size(), 1u);
        EXPECT_EQ(s.doubles.dialogs.shown[0].title, "EEPROM CAVEAT");
        EXPECT_EQ(core::Configuration(*s.doubles.store).read(variant, 36), "1");

        const sim::PcrState& pcr = s.radio<sim::PcrRadioFamily>(2, "PCR-1000").radio();
        const auto& ic275 = s.radio<sim::CivRadioFamily>(1, "CI-V").radio(kIc275);
        EXPECT_TRUE(pcr.powered);
        EXPECT_EQ(pcr.baud, 38400);
        EXPECT_EQ(pcr.commandsUnheard, 0);
        EXPECT_EQ(pcr.modeCode, 5);
        EXPECT_EQ(pcr.filterCode, 2);
        EXPECT_EQ(static_cast<long long>(pcr.hz), hz(s.doppler().downlinkText));
        EXPECT_EQ(static_cast<long long>(ic275.dial().hz), hz(s.doppler().uplinkText));

        followTheDoppler(s, [&] { return std::pair{ic275.dial().hz, pcr.hz}; });
        EXPECT_EQ(pcr.commandsUnheard, 0);

        // The receiver controls, headless as in the window, reach it at the next tick.
        auto& gestures = s.station->gestures();
        EXPECT_EQ(gestures.performLine("!ch_agc check 0"), "ok ch_agc check");
        EXPECT_EQ(gestures.performLine("!ch_att check 1"), "ok ch_att check");
        EXPECT_EQ(gestures.performLine("!Knob2 change 10"), "ok Knob2 change");
        EXPECT_EQ(gestures.performLine("!Knob4 change 5"), "ok Knob4 change");
        EXPECT_EQ(s.station->panel().caption("lbl_shift"), "RESET");
        EXPECT_TRUE(pcr.agc);
        s.tick(1);
        EXPECT_FALSE(pcr.agc);
        EXPECT_TRUE(pcr.attenuator);
        EXPECT_EQ(pcr.volume, 2 + 20);
        EXPECT_EQ(pcr.ifShift, 0x80 + 10);
        EXPECT_EQ(gestures.performLine("!lbl_shift click"), "ok lbl_shift click");
        s.tick(1);
        EXPECT_EQ(pcr.ifShift, 0x80);

        s.station->cmd_Bye_Click();
        EXPECT_EQ(pcr.baud, 9600); // where it listens after power-up
        EXPECT_EQ(ic275.memoryChannel, 5);
        EXPECT_FALSE(s.station->panel().field("ch_agc").enabled);
    }
}

TEST(Pcr1000Pass, DecliningTheEepromCaveatEndsTheRunUntouched) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        PassStation s(variant, passRecord(12, 34, "FM", "FM,15KHZ"));
        EXPECT_TRUE(s.station->ended());
        EXPECT_EQ(s.endings, 1);
        EXPECT_TRUE(core::Configuration(*s.doubles.store).read(variant, 36).empty());
        EXPECT_FALSE(s.radio<sim::PcrRadioFamily>(2, "PCR-1000").radio().powered);
    }
}

TEST(Ar5000Pass, ReadBackThroughTheBox) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        PassStation s(variant, passRecord(12, 35, "FM", "VE,MD0,BW2"));
        auto& ar5000 = s.radio<sim::AorRadioFamily>(2, "AOR");
        EXPECT_EQ(ar5000.radio().vfo, 'E');
        EXPECT_EQ(s.station->panel().caption("lbl_DnMode"), "FM");
        EXPECT_EQ(static_cast<long long>(ar5000.radio().hz), hz(s.doppler().downlinkText));
        // The operator turns the dial 500 Hz up and reads it back.
        const double before = s.station->radios().plan().downlink;
        ar5000.radio().hz += 500;
        s.station->panel().gesture("lbl_down_read", core::Gesture::DblClick);
        EXPECT_EQ(s.station->panel().caption("lbl_down_read"), "Read in DnLink");
        const double moved = static_cast<double>(ar5000.radio().hz) - hz(s.doppler().downlinkText);
        EXPECT_NEAR((s.station->radios().plan().downlink - before) * 1e6, moved + 1, 1.1);
        s.station->cmd_Bye_Click();
        EXPECT_FALSE(ar5000.radio().remote);
    }
}

// Headless, the warning takes its default answer, No, unless the operator accepted it
// on the command line.
TEST(Pcr1000Program, HeadlessTheCaveatIsDeclinedUnlessAccepted) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    ASSERT_EQ(runProgram(tool(), {"config", "defaults"}, settings).code, 0);
    ASSERT_EQ(runProgram(tool(), {"sat", "new", "iss (zarya)", "--digital"}, settings).code, 0);
    for (const char* field : {"15=FM,15KHZ", "18=34", "19=2"}) {
        const QStringList assignment = QString(field).split('=');
        ASSERT_EQ(runProgram(tool(), {"sat", "set", "ISS (ZARYA)", assignment[0], assignment[1]},
                             settings)
                      .code,
                  0);
    }
    const auto run = [&](QStringList extra) {
        QProcess process;
        process.setProcessEnvironment(cleanEnvironment(settings));
        process.start(station(4),
                      QStringList{"--headless", "--simulate", "--verbose", "--for", "4"} + extra);
        process.write("iss (zarya)\n");
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardError());
    };
    const QString declined = run({});
    EXPECT_TRUE(declined.contains("EEPROM CAVEAT")) << declined.toStdString();
    EXPECT_TRUE(declined.contains("answered No")) << declined.toStdString();
    EXPECT_FALSE(declined.contains("PCR-1000 power on")) << declined.toStdString();

    const QString accepted = run({"--accept-eeprom-caveat"});
    EXPECT_FALSE(accepted.contains("answered No")) << accepted.toStdString();
    EXPECT_TRUE(accepted.contains("9600 Bd: PCR-1000 power on")) << accepted.toStdString();
    EXPECT_TRUE(accepted.contains("38400 Bd: PCR-1000 set frequency")) << accepted.toStdString();
    // Accepted once is accepted for good.
    const QString later = run({});
    EXPECT_FALSE(later.contains("EEPROM CAVEAT")) << later.toStdString();
    EXPECT_TRUE(later.contains("PCR-1000 power on")) << later.toStdString();
}

// The dry run takes the EEPROM warning as accepted and shows the receivers' frames.
TEST(FramesTool, ShowsThePcr1000AndAorSetUpsTuningAndClose) {
    const QStringList pcr{"frames", "--field", "18=34", "--field", "15=FM,15KHZ", "--shutdown"};
    const QStringList aor{"frames", "--field", "18=36", "--field", "15=VE,MD3,BW1", "--shutdown"};
    const struct {
        QStringList arguments;
        std::vector<const char*> lines;
    } runs[] = {
        {pcr,
         {"48 31 30 31 0D 0A F0\tPCR-1000 power on", "PCR-1000 baud rate 38400",
          "PCR-1000 set frequency 435.123456 MHz, FM, filter 15 kHz", "PCR-1000 AGC on",
          "PCR-1000 baud rate 9600"}},
        {aor,
         {"56 45 0D F0\tAOR VFO E", "AOR mode USB", "AOR set frequency 435.123456 MHz",
          "AOR remote control ended"}},
    };
    for (const auto& run : runs) {
        for (const char* variant : {"3", "4"}) {
            const ProgramRun result =
                runProgram(tool(), run.arguments + QStringList{"--variant", variant}, "");
            ASSERT_EQ(result.code, 0) << result.err.toStdString();
            const std::string out = result.out.toStdString();
            for (const char* line : run.lines)
                EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;
            EXPECT_EQ(out.find("refused"), std::string::npos) << out;
            EXPECT_EQ(out.find("did not hear"), std::string::npos) << out;
        }
    }
}

} // namespace
} // namespace orv::test
