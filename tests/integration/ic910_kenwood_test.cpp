// An IC-910 and a TS-2000, each carrying both links, tuned through half a pass on
// the simulated box of both variants: the set-up leaves each radio as a satellite
// operator would (satellite mode, the bands where they belong, modes and tone), the
// dials follow the Doppler within the record's steps, a dial turned by hand and read
// back moves the plan, and exit closes the radios. A switched-off IC-910 is reported
// and silences the box.
#include "core/configuration.h"
#include "core/satellite_db.h"
#include "program_runner.h"
#include "radio/frequency_text.h"
#include "radio/radios.h"
#include "sim/ic910_radio.h"
#include "sim/kenwood_radio.h"
#include "sim/simulated_hardware.h"
#include "test_station.h"

#include <QCoreApplication>
#include <cmath>
#include <gtest/gtest.h>

namespace orv::test {
namespace {

constexpr int kUplinkStepHz = 40;
constexpr int kDownlinkStepHz = 100;

// One radio on both links: 145.990 up, 437.800 down, on port `port`.
core::SatelliteRecord oneRadioRecord(int radio, int port, const char* upMode, const char* downMode,
                                     const char* ctcss) {
    auto record = core::satelliteTemplate(false, "ISS (ZARYA)");
    record[2] = "145.990";
    record[3] = upMode;
    record[4] = std::to_string(kUplinkStepHz);
    record[6] = record[17] = std::to_string(radio);
    record[7] = record[18] = std::to_string(port);
    record[8] = record[19] = "9600";
    record[13] = "437.800";
    record[14] = downMode;
    record[15] = std::to_string(kDownlinkStepHz);
    record[22] = ctcss;
    return record;
}

struct OneRadioStation {
    OneRadioStation(int variant, const core::SatelliteRecord& record, std::string fault = {},
                    std::string memoryChannel = "5")
        : doubles(variant) {
        core::Configuration configuration(*doubles.store);
        configuration.makes_cfg(variant);
        configuration.write(variant, 24, memoryChannel);
        core::SatelliteDb(*doubles.store).save(record);
        doubles.waits.onWait = [](int) { QCoreApplication::processEvents(); };
        station::StationOptions options;
        options.programDir = doubles.programDir;
        options.simulate = true;
        options.simulateFault = std::move(fault);
        station = std::make_unique<station::Station>(
            *doubles.store,
            station::StationPlatform{doubles.clock, doubles.waits, doubles.dialogs,
                                     doubles.launcher},
            options);
        station->Form_Load();
        tick(1); // the deselection of the first tick unlocks the entry box
        station->panel().setCaption("txt_entre", "ISS (ZARYA)");
        station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
        tick(3);
    }
    void tick(int count) {
        for (int i = 0; i < count; ++i) {
            doubles.clock.advanceMs(50);
            station->loop_timer_Timer();
        }
    }
    template <typename Family> Family& radio(int port, const char* name) {
        auto* family = station->simulatedHardware()->box().radioPort(port).family(name);
        return *dynamic_cast<Family*>(family);
    }
    const radio::DopplerState& doppler() { return station->radios().doppler(); }
    std::string status() const { return station->statusLine().render(); }

    TestStation doubles;
    std::unique_ptr<station::Station> station;
};

long long hz(const std::string& frequencyText) {
    return std::stoll(frequencyText);
}

// Half a minute of passing seconds: after each, both dials are within the record's
// steps of where the Doppler puts them, and both have moved by the end.
template <typename Dials> void followTheDoppler(OneRadioStation& s, const Dials& dials) {
    const auto [upBefore, downBefore] = dials();
    for (int second = 0; second < 30; ++second) {
        s.doubles.clock.advanceMs(1000);
        s.tick(1);
        const auto [up, down] = dials();
        EXPECT_LE(std::llabs(static_cast<long long>(up) - hz(s.doppler().uplinkText)),
                  kUplinkStepHz);
        EXPECT_LE(std::llabs(static_cast<long long>(down) - hz(s.doppler().downlinkText)),
                  kDownlinkStepHz);
    }
    const auto [upAfter, downAfter] = dials();
    EXPECT_NE(upAfter, upBefore);
    EXPECT_NE(downAfter, downBefore);
    // The status line shows the dials as they stand.
    const std::string status = s.status();
    EXPECT_NE(status.find("sim_up=" + radio::megahertzText(double(upAfter) / 1e6)),
              std::string::npos)
        << status;
    EXPECT_NE(status.find("sim_dn=" + radio::megahertzText(double(downAfter) / 1e6)),
              std::string::npos)
        << status;
}

// The operator turns the downlink dial 500 Hz up and reads it back: the downlink at
// the satellite moves by the dial's distance from where the Doppler had put it.
void readBack(OneRadioStation& s, uint64_t& downlinkDial) {
    const double before = s.station->radios().plan().downlink;
    downlinkDial += 500;
    s.station->panel().gesture("lbl_down_read", core::Gesture::DblClick);
    EXPECT_EQ(s.station->panel().caption("lbl_down_read"), "Read in DnLink");
    const double moved = static_cast<double>(downlinkDial) - hz(s.doppler().downlinkText);
    EXPECT_NEAR((s.station->radios().plan().downlink - before) * 1e6, moved + 1, 1.1);
}

TEST(Ic910Pass, BothLinksOnOneRadio) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        OneRadioStation s(variant, oneRadioRecord(27, 1, "FM", "FM", "67.0"));
        ASSERT_EQ(s.station->loop().selectedSatellite, "ISS (ZARYA)");
        auto& ic910 = s.radio<sim::Ic910RadioFamily>(1, "IC-910");
        const sim::Ic910State& radio = ic910.radio();
        // A fresh radio has 2 m on main: the set-up exchanged the bands.
        EXPECT_EQ(radio.main().unit, sim::Ic910Unit::SeventyCentimetres);
        EXPECT_TRUE(radio.satelliteMode);
        EXPECT_EQ(radio.main().mode, 5);
        EXPECT_EQ(radio.sub().mode, 5);
        EXPECT_TRUE(radio.sub().toneOn);
        EXPECT_DOUBLE_EQ(radio.sub().toneHz, 67.0);
        EXPECT_FALSE(radio.main().toneOn);
        EXPECT_FALSE(radio.transmitting);
        EXPECT_EQ(static_cast<long long>(radio.sub().hz), hz(s.doppler().uplinkText));
        EXPECT_EQ(static_cast<long long>(radio.main().hz), hz(s.doppler().downlinkText));
        EXPECT_TRUE(s.doubles.dialogs.shown.empty());

        followTheDoppler(s, [&] { return std::pair{radio.sub().hz, radio.main().hz}; });
        readBack(s, ic910.radio().main().hz);

        s.station->cmd_Bye_Click();
        EXPECT_FALSE(radio.satelliteMode);
        EXPECT_FALSE(radio.sub().toneOn);
        EXPECT_EQ(radio.memoryChannel, 5);
    }
}

TEST(Ts2000Pass, BothLinksOnOneRadio) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        OneRadioStation s(variant, oneRadioRecord(26, 2, "USB", "LSB", "0"), {}, "NO");
        ASSERT_EQ(s.station->loop().selectedSatellite, "ISS (ZARYA)");
        auto& kenwood = s.radio<sim::KenwoodRadioFamily>(2, "Kenwood");
        const sim::KenwoodState& radio = kenwood.radio();
        // Satellite mode: VFO A receives on main, VFO B sends on sub.
        EXPECT_TRUE(radio.satellite);
        const auto& downlink = radio.dials[0][0];
        const auto& uplink = radio.dials[1][1];
        EXPECT_EQ(downlink.mode, 1); // LSB
        EXPECT_EQ(uplink.mode, 2);   // USB
        EXPECT_FALSE(radio.toneOn);
        EXPECT_EQ(static_cast<long long>(uplink.hz), hz(s.doppler().uplinkText));
        EXPECT_EQ(static_cast<long long>(downlink.hz), hz(s.doppler().downlinkText));

        followTheDoppler(s, [&] { return std::pair{uplink.hz, downlink.hz}; });
        readBack(s, kenwood.radio().dials[0][0].hz);

        // Closed without a memory channel: out of satellite mode, CTCSS off, and VFO A
        // left on 16 MHz AM.
        s.station->cmd_Bye_Click();
        EXPECT_FALSE(radio.satellite);
        EXPECT_FALSE(radio.ctcssOn);
        EXPECT_EQ(radio.vfoDial(0).hz, 16000000u);
        EXPECT_EQ(radio.vfoDial(0).mode, 5);
    }
}

TEST(Ic910Pass, ASwitchedOffRadioIsReportedAndTheBoxFallsSilent) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        OneRadioStation s(variant, oneRadioRecord(27, 1, "FM", "FM", "0"), "radio-off");
        EXPECT_TRUE(s.doubles.dialogs.anyContains("IC-910 is not powered ON or is disconnected."));
        EXPECT_EQ(s.station->panel().caption("lbl_extcontrolport"), "DEMO MODE");
        const int frames = s.station->simulatedHardware()->box().framesReceived();
        s.doubles.clock.advanceMs(5000);
        s.tick(20);
        EXPECT_EQ(s.station->simulatedHardware()->box().framesReceived(), frames);
    }
}

// The dry run shows the whole set-up: the simulated radio answers the main-band read.
TEST(FramesTool, ShowsTheIc910AndTs2000SetUpsTuningAndClose) {
    const QStringList ic910{"frames",  "--field", "7=27", "--field", "18=27", "--field",
                            "23=88.5", "--field", "8=1",  "--field", "19=1",  "--shutdown"};
    const QStringList ts2000{"frames",  "--field", "7=26",    "--field", "18=26",
                             "--field", "4=USB",   "--field", "15=LSB",  "--shutdown"};
    const struct {
        QStringList arguments;
        std::vector<const char*> lines;
    } runs[] = {
        {ic910,
         {"IC-910 read main band frequency: 145.000000 MHz",
          "IC-910 exchange main and sub bands (main now 70 cm)",
          "FE FE 60 E0 1B 00 08 85 FD F0\tIC-910 tone 88.5 Hz on the sub band",
          "IC-910 set frequency 435.123456 MHz on the main band",
          "IC-910 set frequency 145.900000 MHz on the sub band", "IC-910 satellite mode off"}},
        {ts2000,
         {"Kenwood transmit on VFO A, satellite mode on (SA1011000)",
          "Kenwood set VFO B 145.900000 MHz", "Kenwood set VFO A 435.123456 MHz",
          "Kenwood set VFO A 16.000000 MHz, mode AM"}},
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
        }
    }
}

} // namespace
} // namespace orv::test
