// A whole pass on the simulated box, as an operator runs it: the station configured,
// the clock set before the satellite rises, the satellite selected by name. The
// rotators are pre-positioned, follow the pass within the steps and deadbands, and
// park after loss of signal, while the radios are retuned; a pass across the rotator's
// end stop is tracked flipped.
#include "core/satellite_db.h"
#include "core/satellite_record.h"
#include "rotator/azimuth_mapping.h"
#include "rotator/pass_analysis.h"
#include "rotator/rotator_drive.h"
#include "sim/simulated_hardware.h"
#include "test_station.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace orv::test {
namespace {

// A clock the test steps, which also runs `rate` times faster than real time so that
// the rotators turn while the station parks them (parking waits on a real timer).
class SteppedClock final : public platform::Clock {
public:
    SteppedClock(QDateTime start, double rate) : start_(std::move(start)), rate_(rate) {
        elapsed_.start();
    }
    QDateTime now() const override {
        return start_.addMSecs(static_cast<qint64>(stepMs_ + rate_ * double(elapsed_.elapsed())));
    }
    void set(QDateTime instant) {
        start_ = std::move(instant);
        stepMs_ = 0;
        elapsed_.restart();
    }
    void advanceMs(double ms) { stepMs_ += ms; }

private:
    QDateTime start_;
    double rate_;
    double stepMs_ = 0;
    QElapsedTimer elapsed_;
};

struct Look {
    double azimuth, elevation;
};

struct PassFound {
    QDateTime aos, los;
    double maxElevation = 0;
    rotator::PassAnalysis octants;
};

// AO-7 in mode B on two Icom radios, uplink on port 1 and downlink on port 2.
core::SatelliteRecord ao7Record() {
    auto record = core::satelliteTemplate(true, "AO-7");
    const std::pair<int, const char*> fields[] = {
        {3, "432.150000"}, {4, "LSB"},         {7, "15"},         {8, "1"},  {9, "9600"},
        {13, "578.100"},   {14, "145.950000"}, {15, "USB"},       {17, "0"}, {18, "15"},
        {19, "2"},         {20, "9600"},       {22, "145.950000"}};
    for (const auto& [field, value] : fields)
        record[size_t(field - 1)] = value;
    return record;
}

class PassStation {
public:
    PassStation(int variant, int format, const std::string& useFlipping)
        : doubles(variant), clock(QDateTime(QDate(2018, 1, 21), QTime(0, 0, 0)), 30) {
        doubles.waits.onWait = [this](int ms) {
            clock.advanceMs(ms);
            QCoreApplication::processEvents();
        };
        station::StationOptions options;
        options.programDir = doubles.programDir;
        options.simulate = true;
        station = std::make_unique<station::Station>(
            *doubles.store,
            station::StationPlatform{clock, doubles.waits, doubles.dialogs, doubles.launcher},
            options);
        auto& configuration = station->configuration();
        configuration.makes_cfg(variant);
        configuration.write(variant, 35, std::to_string(format));
        configuration.write(variant, 19, useFlipping);
        configuration.write(variant, 17, "YES"); // park after each pass
        configuration.write(variant, 11, "180");
        station->satelliteDb().save(ao7Record());
        station->Form_Load();
        station->loop_timer_Timer(); // the start-up deselection
    }

    Look lookAt(const QDateTime& instant) {
        clock.set(instant);
        station->time_routines();
        station->keplers("AO-7");
        return {station->tracking().azimuth, station->tracking().elevation};
    }

    // The first pass after the clock's start that `wanted` accepts.
    PassFound findPass(const std::function<bool(const PassFound&)>& wanted) {
        QDateTime t(QDate(2018, 1, 21), QTime(0, 0, 0));
        const QDateTime end = t.addDays(3);
        while (t < end) {
            if (lookAt(t).elevation <= 0) {
                t = t.addSecs(30);
                continue;
            }
            PassFound pass;
            pass.aos = t;
            for (; t < end; t = t.addSecs(10)) {
                const Look look = lookAt(t);
                if (look.elevation < 0) break;
                pass.maxElevation = std::max(pass.maxElevation, look.elevation);
                const int octant = rotator::octantOf(look.azimuth);
                if (octant) pass.octants.octants[size_t(octant)] = true;
            }
            pass.los = t;
            if (wanted(pass)) return pass;
        }
        ADD_FAILURE() << "no pass found";
        return {};
    }

    void select() {
        station->panel().setCaption("txt_entre", "AO-7");
        station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
    }
    void tick(int seconds = 1) {
        clock.advanceMs(seconds * 1000.0);
        station->loop_timer_Timer();
    }
    // Where the simulated rotators point now.
    Look rotatorLook() {
        const auto& box = station->simulatedHardware()->box();
        return {rotator::trueAzimuthAt(station->rotatorDrive().format(), box.azimuth().count()),
                box.elevation().count() * rotator::kElevationDegPerCount};
    }
    std::string status() const { return station->statusLine().render(); }
    std::string statusValue(const std::string& key) const {
        const std::string line = " " + status() + " ";
        const auto at = line.find(" " + key + "=");
        if (at == std::string::npos) return {};
        const auto start = at + key.size() + 2;
        return line.substr(start, line.find(' ', start) - start);
    }

    TestStation doubles;
    SteppedClock clock;
    std::unique_ptr<station::Station> station;
};

double azimuthMiss(double a, double b) {
    return std::abs(std::remainder(a - b, 360.0));
}

struct PassRecord {
    int ticksChecked = 0;
    double worstAzimuth = 0, worstElevation = 0;
    bool sawFlip = false;
    std::set<std::string> downlinkDials; // the simulated downlink radio's dial during the pass
    int parksBeforeAos = 0;
    Look atAos{};
};

// Runs the pass from ten minutes before its rise to five minutes after its set,
// comparing the rotators with where the satellite is (turned over the top when flipped)
// from `catchUpSeconds` after it is 3 degrees up.
PassRecord trackPass(PassStation& s, const PassFound& pass, int catchUpSeconds = 0) {
    PassRecord record;
    s.clock.set(pass.aos.addSecs(-600));
    s.select();
    const auto& drive = s.station->rotatorDrive();
    const auto& tracking = s.station->tracking();
    const auto& config = s.station->config();
    bool aosSeen = false;
    int secondsUp = 0;
    while (s.clock.now() < pass.los.addSecs(300)) {
        s.tick();
        if (!aosSeen && tracking.elevation > 0) {
            aosSeen = true;
            record.parksBeforeAos = drive.state().parksDone;
            record.atAos = s.rotatorLook();
        }
        if (drive.state().flipActive) record.sawFlip = true;
        if (tracking.elevation > 0) record.downlinkDials.insert(s.statusValue("sim_dn"));
        if (tracking.elevation < 3 || secondsUp++ < catchUpSeconds) continue;
        Look expected{tracking.azimuth, tracking.elevation};
        if (drive.state().flipActive)
            expected = {rotator::wrap360(expected.azimuth + 180), 180 - expected.elevation};
        const Look at = s.rotatorLook();
        const double azk = drive.format().degPerCount();
        // A step and a deadband, plus what the satellite moves in the second between ticks.
        const double azAllowed = config.azStep + config.azDeadband * azk + 1;
        const double elAllowed =
            config.elStep + config.elDeadband * rotator::kElevationDegPerCount + 1;
        const double azMiss = azimuthMiss(at.azimuth, expected.azimuth);
        const double elMiss = std::abs(at.elevation - expected.elevation);
        record.worstAzimuth = std::max(record.worstAzimuth, azMiss);
        record.worstElevation = std::max(record.worstElevation, elMiss);
        EXPECT_LE(azMiss, azAllowed) << s.status();
        EXPECT_LE(elMiss, elAllowed) << s.status();
        ++record.ticksChecked;
        if (azMiss > azAllowed || elMiss > elAllowed) break;
    }
    return record;
}

bool crossesNorth(const PassFound& pass) {
    return pass.octants.visits(1, 8);
}
bool crossesSouth(const PassFound& pass) {
    return pass.octants.visits(4, 5);
}
bool trackable(const PassFound& pass) {
    return pass.maxElevation > 15 && pass.maxElevation < 60;
}

TEST(PassOnSimulatedBox, BothVariantsPrePositionTrackAndPark) {
    for (const int variant : {3, 4}) {
        PassStation s(variant, 1, "NO");
        const PassFound pass =
            s.findPass([](const PassFound& p) { return trackable(p) && !crossesNorth(p); });
        const Look rise = s.lookAt(pass.aos);
        const PassRecord record = trackPass(s, pass);
        EXPECT_GT(record.ticksChecked, 300) << variant;
        EXPECT_FALSE(record.sawFlip);
        // The radios were retuned as the Doppler moved, the park before the pass
        // notwithstanding.
        EXPECT_GT(record.downlinkDials.size(), 3u) << variant << " " << s.status();
        // Pre-positioned at the rising point before the satellite came up.
        EXPECT_GE(record.parksBeforeAos, 1) << variant;
        EXPECT_LT(azimuthMiss(record.atAos.azimuth, rise.azimuth), 5) << variant;
        // Parked after loss of signal: azimuth 180, elevation 0.
        const Look parked = s.rotatorLook();
        EXPECT_LT(azimuthMiss(parked.azimuth, 180), 3) << variant << " " << s.status();
        EXPECT_LT(parked.elevation, 2) << variant;
        EXPECT_NE(s.status().find("flip=off"), std::string::npos) << s.status();
        EXPECT_EQ(s.station->stepFailures, (std::array<int, 23>{})) << variant;
    }
}

TEST(PassOnSimulatedBox, APassAcrossTheEndStopIsTrackedFlipped) {
    PassStation s(4, 0, "YES");
    const PassFound pass =
        s.findPass([](const PassFound& p) { return trackable(p) && crossesSouth(p); });
    // Not pre-positioned: the elevation rotator swings over the top as the pass begins.
    const PassRecord record = trackPass(s, pass, 90);
    EXPECT_TRUE(record.sawFlip);
    EXPECT_GT(record.ticksChecked, 300);
    EXPECT_EQ(s.station->panel().caption("lbl_flip_mode"), "Auto Flip ON")
        << "back to the idle caption once the pass is over";
    EXPECT_NE(s.status().find("flip=off"), std::string::npos) << s.status();
}

} // namespace
} // namespace orv::test
