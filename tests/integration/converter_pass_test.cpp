// A whole pass worked through converters whose L.O.s lie above the signals (a
// 1268 MHz uplink from a 144 MHz radio through a 1412 MHz L.O., a 2401 MHz downlink
// to a 144 MHz radio through a 2545 MHz L.O.) on the simulated box: all through the
// pass the satellite hears our uplink where the plan puts it and the downlink radio's
// dial sits where the satellite's signal comes out of the converter, each within the
// record's retune step, with the sidebands exchanged at the radios.
#include "core/configuration.h"
#include "core/satellite_db.h"
#include "radio/radios.h"
#include "sim/civ_radio.h"
#include "sim/simulated_hardware.h"
#include "test_station.h"

#include <QCoreApplication>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace orv::test {
namespace {

constexpr double kSpeedOfLightKmS = 299792.458;
constexpr uint8_t kIc271 = 0x20, kIc471 = 0x22;
constexpr double kUplinkMHz = 1268.150, kUpConverterMHz = 1412.0;
constexpr double kDownlinkMHz = 2401.200, kDownConverterMHz = 2545.0;
constexpr double kUplinkStepHz = 20, kDownlinkStepHz = 50;
constexpr uint8_t kCivLsb = 0, kCivUsb = 1;

core::SatelliteRecord highSideRecord() {
    auto record = core::satelliteTemplate(false, "AO-7");
    record[2] = "1268.150"; // uplink
    record[3] = "LSB";
    record[4] = "20";       // uplink step, Hz
    record[5] = "1412.000"; // up-converter L.O.
    record[6] = "10";       // IC-271 on the uplink, port 1
    record[7] = "1";
    record[8] = "9600";
    record[13] = "2401.200"; // downlink
    record[14] = "USB";
    record[15] = "50";       // downlink step, Hz
    record[16] = "2545.000"; // down-converter L.O.
    record[17] = "11";       // IC-471 on the downlink, port 2
    record[18] = "2";
    record[19] = "9600";
    return record;
}

struct ConverterStation {
    ConverterStation() : doubles(4) {
        core::Configuration(*doubles.store).makes_cfg(4);
        core::SatelliteDb(*doubles.store).save(highSideRecord());
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
        tick(); // the deselection of the first tick unlocks the entry box
    }
    double elevationAt(const QDateTime& instant) {
        doubles.clock.set(instant);
        station->time_routines();
        station->keplers("AO-7");
        return station->tracking().elevation;
    }
    // The rise and set of the first pass after `from` that climbs above 10 degrees.
    std::pair<QDateTime, QDateTime> findPass(QDateTime from) {
        const QDateTime end = from.addDays(2);
        for (QDateTime t = from; t < end; t = t.addSecs(30)) {
            if (elevationAt(t) <= 0) continue;
            const QDateTime rise = t;
            double highest = 0;
            for (; elevationAt(t) > 0; t = t.addSecs(30))
                highest = std::max(highest, station->tracking().elevation);
            if (highest > 10) return {rise, t};
        }
        ADD_FAILURE() << "no pass found";
        return {end, end};
    }
    void select() {
        station->panel().setCaption("txt_entre", "AO-7");
        station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
    }
    void tick(int seconds = 1) {
        doubles.clock.advanceMs(seconds * 1000);
        station->loop_timer_Timer();
    }
    sim::CivRadioState& radio(int port, uint8_t address) {
        auto* family = station->simulatedHardware()->box().radioPort(port).family("CI-V");
        return static_cast<sim::CivRadioFamily*>(family)->radio(address);
    }

    TestStation doubles;
    std::unique_ptr<station::Station> station;
};

TEST(ConverterPass, HighSideConvertersOnBothLinksKeepThePlanOnTheAir) {
    ConverterStation s;
    const auto [rise, set] = s.findPass(QDateTime(QDate(2018, 1, 21), QTime(0, 0, 0)));
    // Selected a minute after the rise, so the antennas go straight to the satellite
    // (a pre-position waits on the rotators in real time).
    s.doubles.clock.set(rise.addSecs(60));
    s.select();
    // The selection's tick sets up the radios and analyses the pass, which leaves the
    // predicted end of the pass in the tracking fields until the next tick.
    s.tick(5);
    const auto& tracking = s.station->tracking();
    auto& up = s.radio(1, kIc271);
    auto& down = s.radio(2, kIc471);
    std::set<uint64_t> uplinkDials, downlinkDials;
    double lowestRangeRate = 0, highestRangeRate = 0;
    int ticksChecked = 0;
    while (s.doubles.clock.now() < set) {
        s.tick(5);
        if (tracking.elevation <= 0) continue;
        const double beta = tracking.rangeRate / kSpeedOfLightKmS;
        lowestRangeRate = std::min(lowestRangeRate, tracking.rangeRate);
        highestRangeRate = std::max(highestRangeRate, tracking.rangeRate);

        // Our transmitter is on the L.O. less the dial; the satellite hears it shifted.
        const double transmittedHz = kUpConverterMHz * 1e6 - static_cast<double>(up.dial().hz);
        const double heardHz = transmittedHz * (1 - beta);
        EXPECT_NEAR(heardHz, kUplinkMHz * 1e6, kUplinkStepHz + 2) << tracking.rangeRate << " km/s";
        // The satellite's downlink arrives shifted and leaves the converter below its L.O.
        const double receivedHz = kDownlinkMHz * 1e6 * (1 - beta);
        const double wantedDialHz = kDownConverterMHz * 1e6 - receivedHz;
        EXPECT_NEAR(static_cast<double>(down.dial().hz), wantedDialHz, kDownlinkStepHz + 2)
            << tracking.rangeRate << " km/s";

        // The converters invert the sidebands: LSB on the air is USB at the radio.
        EXPECT_EQ(up.dial().mode, kCivUsb);
        EXPECT_EQ(down.dial().mode, kCivLsb);
        uplinkDials.insert(up.dial().hz);
        downlinkDials.insert(down.dial().hz);
        ++ticksChecked;
    }
    EXPECT_GT(ticksChecked, 50);
    // The pass came and went, and the radios followed it.
    EXPECT_LT(lowestRangeRate, -3);
    EXPECT_GT(highestRangeRate, 3);
    EXPECT_GT(uplinkDials.size(), 20u);
    EXPECT_GT(downlinkDials.size(), 20u);
}

} // namespace
} // namespace orv::test
