// A selected satellite with Icom radios on the simulated box, both variants: the
// simulated radios end on the Doppler-corrected frequencies, follow them only past
// the record's steps, and are closed at exit.
#include "core/configuration.h"
#include "core/satellite_db.h"
#include "radio/radios.h"
#include "sim/civ_radio.h"
#include "sim/simulated_hardware.h"
#include "test_station.h"

#include <QCoreApplication>
#include <cmath>
#include <gtest/gtest.h>

namespace orv::test {
namespace {

constexpr uint8_t kIc271 = 0x20, kIc471 = 0x22;

struct SimulatedRadios {
    explicit SimulatedRadios(int variant) : doubles(variant) {
        core::Configuration configuration(*doubles.store);
        configuration.makes_cfg(variant);
        configuration.write(variant, 24, "5"); // the memory channel the close selects
        auto record = core::satelliteTemplate(false, "ISS (ZARYA)");
        record[2] = "145.990"; // uplink
        record[3] = "USB";
        record[4] = "40"; // uplink step, Hz
        record[6] = "10"; // IC-271 on the uplink
        record[7] = "1";
        record[8] = "9600";
        record[13] = "437.800"; // downlink
        record[14] = "LSB";
        record[15] = "100";                    // downlink step, Hz
        record[17] = "11";                     // IC-471 on the downlink
        record[18] = variant == 3 ? "4" : "2"; // port 4 is the parallel box's port 2
        record[19] = "19200";
        core::SatelliteDb(*doubles.store).save(record);

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
    sim::CivRadioState& radio(int port, uint8_t address) {
        auto* family = station->simulatedHardware()->box().radioPort(port).family("CI-V");
        return static_cast<sim::CivRadioFamily*>(family)->radio(address);
    }
    // The dial of a simulated radio and the frequency the station wants there, in Hz.
    static long long hz(const std::string& frequencyText) { return std::stoll(frequencyText); }
    std::string status() const { return station->statusLine().render(); }

    TestStation doubles;
    std::unique_ptr<station::Station> station;
};

TEST(StationRadios, SimulatedIcomsFollowTheDopplerPastTheirSteps) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        SimulatedRadios s(variant);
        ASSERT_EQ(s.station->loop().selectedSatellite, "ISS (ZARYA)");
        const auto& doppler = s.station->radios().doppler();
        auto& up = s.radio(1, kIc271);
        auto& down = s.radio(2, kIc471);
        EXPECT_EQ(up.dial().mode, 1);   // USB
        EXPECT_EQ(down.dial().mode, 0); // LSB
        EXPECT_EQ(static_cast<long long>(up.dial().hz), SimulatedRadios::hz(doppler.uplinkText));
        EXPECT_EQ(static_cast<long long>(down.dial().hz),
                  SimulatedRadios::hz(doppler.downlinkText));
        EXPECT_NE(doppler.uplinkDopplerHz, 0);
        const std::string status = s.status();
        EXPECT_NE(status.find("up=" + s.station->radios().uplinkStatus()), std::string::npos)
            << status;
        EXPECT_NE(status.find("sim_dn=" + s.station->radios().downlinkStatus()), std::string::npos)
            << status;

        // Half a minute later the range rate has moved: both radios followed, each
        // within its step of where the Doppler puts it.
        const auto upBefore = up.dial().hz, downBefore = down.dial().hz;
        for (int second = 0; second < 30; ++second) {
            s.doubles.clock.advanceMs(1000);
            s.tick(1);
            EXPECT_LE(std::llabs(static_cast<long long>(up.dial().hz) -
                                 SimulatedRadios::hz(doppler.uplinkText)),
                      40);
            EXPECT_LE(std::llabs(static_cast<long long>(down.dial().hz) -
                                 SimulatedRadios::hz(doppler.downlinkText)),
                      100);
        }
        EXPECT_NE(up.dial().hz, upBefore);
        EXPECT_NE(down.dial().hz, downBefore);

        // The operator turns the downlink dial 500 Hz up and reads it back: the
        // downlink at the satellite moves with it.
        const double downlinkBefore = s.station->radios().plan().downlink;
        down.dial().hz += 500;
        s.station->panel().gesture("lbl_down_read", core::Gesture::DblClick);
        EXPECT_EQ(s.station->panel().caption("lbl_down_read"), "Read in DnLink");
        // The plan moves by the dial's distance from where the Doppler put the radio
        // (within the Hz the frequency texts cut off, and the read-back's 1 Hz offset).
        const double movedHz =
            static_cast<double>(down.dial().hz) - SimulatedRadios::hz(doppler.downlinkText);
        EXPECT_NEAR((s.station->radios().plan().downlink - downlinkBefore) * 1e6, movedHz + 1, 1.1);

        s.station->cmd_Bye_Click();
        EXPECT_EQ(up.memoryChannel, 5);
        EXPECT_EQ(down.memoryChannel, 5);
    }
}

} // namespace
} // namespace orv::test
