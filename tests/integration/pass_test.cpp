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
#include "stepped_clock.h"
#include "test_station.h"

#include <QCoreApplication>
#include <cmath>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace orv::test {
namespace {

struct Look {
    double azimuth, elevation;
};

struct PassFound {
    QDateTime aos, los;
    double maxElevation = 0;
    rotator::PassAnalysis octants;
};

// The element sets of the passes below, epochs 2018-01-20/21.
const char* const kPassElements =
    "ISS\r\n"
    "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992\r\n"
    "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614\r\n"
    "SO-50\r\n"
    "1 27607U 02058C   18020.85805703 -.00000024  00000-0  17191-4 0  9994\r\n"
    "2 27607  64.5541 180.3486 0047321   5.0119 355.1447 14.75413283811223\r\n"
    "AO-7\r\n"
    "1 07530U 74089B   18020.92882759 -.00000031  00000-0  83259-4 0  9990\r\n"
    "2 07530 101.6660 350.5859 0011799 260.7489 115.8236 12.53630761975916\r\n";

// AO-7's mode B on two Icom radios, uplink on port 1 and downlink on port 2 (the same
// radios for the other satellites).
core::SatelliteRecord ao7Record(const std::string& name = "AO-7") {
    auto record = core::satelliteTemplate(true, name);
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
    PassStation(int variant, int format, const std::string& useFlipping,
                std::string simulateFault = {}, std::string name = "AO-7")
        : satellite(std::move(name)), doubles(variant),
          clock(QDateTime(QDate(2018, 1, 21), QTime(0, 0, 0)), 30) {
        std::ofstream(doubles.programDir + "/orv_kite.txt", std::ios::binary) << kPassElements;
        doubles.waits.onWait = [this](int ms) {
            clock.advanceMs(ms);
            QCoreApplication::processEvents();
        };
        station::StationOptions options;
        options.programDir = doubles.programDir;
        options.simulate = true;
        options.simulateFault = std::move(simulateFault);
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
        for (const char* record : {"AO-7", "ISS", "SO-50"})
            station->satelliteDb().save(ao7Record(record));
        station->simulatedHardware()->box().onFrame([this](const sim::BoxCommand& command) {
            frames.push_back({clock.now(), station->tracking().azimuth,
                              station->tracking().elevation, command.rotators});
        });
        station->Form_Load();
        station->loop_timer_Timer(); // the start-up deselection
    }

    Look lookAt(const QDateTime& instant) {
        clock.set(instant);
        station->time_routines();
        station->keplers(satellite);
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

    // The pass rising nearest `near` (within a quarter of an hour).
    PassFound passNear(const QDateTime& near) {
        QDateTime t = near.addSecs(-900);
        while (lookAt(t).elevation >= 0)
            t = t.addSecs(-10);
        while (lookAt(t).elevation < 0 && t < near.addSecs(900))
            t = t.addSecs(1);
        PassFound pass;
        pass.aos = t;
        for (; lookAt(t).elevation >= 0; t = t.addSecs(10))
            pass.maxElevation = std::max(pass.maxElevation, lookAt(t).elevation);
        pass.los = t;
        return pass;
    }

    void select() {
        station->panel().setCaption("txt_entre", satellite);
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

    struct SeenFrame {
        QDateTime at;
        double satelliteAzimuth, satelliteElevation; // where the satellite was then
        sim::RotatorCommand rotators;
    };
    std::string satellite;
    TestStation doubles;
    SteppedClock clock;
    std::unique_ptr<station::Station> station;
    std::vector<SeenFrame> frames; // every frame the simulated box took
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

struct Acquisition {
    QDateTime risesAt;    // the first tick with the satellite 1 degree up
    double seconds = -1;  // from then until the antennas point at it for good; -1: never
    bool flipped = false; // the pass was tracked flipped
};

// Runs the station from three minutes before `pass` rises to `secondsAfter` seconds after
// the satellite is 1 degree up, one tick a second, and times how long the antennas take
// to point at it (over the top when flipped) within a step and a deadband and stay there.
Acquisition acquire(PassStation& s, const PassFound& pass, int secondsAfter = 60) {
    Acquisition result;
    s.clock.set(pass.aos.addSecs(-180));
    s.select();
    const auto& drive = s.station->rotatorDrive();
    const auto& tracking = s.station->tracking();
    const auto& config = s.station->config();
    QDateTime pointingSince;
    while (s.clock.now() < pass.aos.addSecs(600)) {
        s.tick();
        if (!result.risesAt.isValid()) {
            if (tracking.elevation >= 1) result.risesAt = s.clock.now();
            continue;
        }
        result.flipped = result.flipped || drive.state().flipActive;
        Look expected{tracking.azimuth, tracking.elevation};
        if (drive.state().flipActive)
            expected = {rotator::wrap360(expected.azimuth + 180), 180 - expected.elevation};
        const Look at = s.rotatorLook();
        const double azAllowed =
            config.azStep + config.azDeadband * drive.format().degPerCount() + 1;
        const double elAllowed =
            config.elStep + config.elDeadband * rotator::kElevationDegPerCount + 1;
        const bool pointing = azimuthMiss(at.azimuth, expected.azimuth) <= azAllowed &&
                              std::abs(at.elevation - expected.elevation) <= elAllowed;
        if (!pointing) pointingSince = QDateTime();
        if (pointing && !pointingSince.isValid()) pointingSince = s.clock.now();
        if (s.clock.now() > result.risesAt.addSecs(secondsAfter)) break;
    }
    if (pointingSince.isValid())
        result.seconds = double(result.risesAt.msecsTo(pointingSince)) / 1000;
    return result;
}

QDateTime utc(const char* text) {
    return QDateTime::fromString(text, "yyyy-MM-dd hh:mm:ss");
}

// Every format meets a pass that it flips and one that it does not within ten seconds
// of the satellite rising through 1 degree: both are pre-positioned.
TEST(PassOnSimulatedBox, EveryFormatMeetsFlippedAndUnflippedPassesAsTheyRise) {
    struct Case {
        int format;
        const char* satellite;
        const char* rises;
        bool flipped;
    };
    const Case cases[] = {
        // The ISS through the south, rising at 229: south-start rotators flip it.
        {0, "ISS", "2018-01-21 03:05:48", true},
        {3, "ISS", "2018-01-21 03:05:48", true},
        {4, "ISS", "2018-01-21 03:05:48", true},
        // The ISS through the north, 336 to 117: north-start rotators flip it.
        {1, "ISS", "2018-01-21 19:45:10", true},
        {5, "ISS", "2018-01-21 19:45:10", true},
        {6, "ISS", "2018-01-21 19:45:10", true},
        // ... which from 336 round to 117 is also too long for the 450-degree travel.
        {2, "ISS", "2018-01-21 19:45:10", true},
    };
    for (const auto& c : cases)
        for (const bool flippedPass : {true, false}) {
            // SO-50 rising at 22 and turning east to 124 needs no flip on any format.
            const std::string satellite = flippedPass ? c.satellite : "SO-50";
            PassStation s(4, c.format, "YES", {}, satellite);
            const PassFound pass =
                s.passNear(flippedPass ? utc(c.rises) : utc("2018-01-21 03:59:30"));
            const Acquisition got = acquire(s, pass);
            EXPECT_EQ(got.flipped, flippedPass) << "format " << c.format << " " << satellite;
            EXPECT_GE(got.seconds, 0) << "format " << c.format << " " << satellite;
            EXPECT_LE(got.seconds, 10)
                << "format " << c.format << " " << satellite << " " << s.status();
        }
}

// The flipped ISS pass on both boxes: parked over the top before it rises, the elevation
// is never sent below that park before the satellite is up.
TEST(PassOnSimulatedBox, TheFlippedIssPassOnBothBoxes) {
    for (const int variant : {3, 4}) {
        PassStation s(variant, 0, "YES", {}, "ISS");
        const PassFound pass = s.passNear(utc("2018-01-21 03:05:48"));
        const Acquisition got = acquire(s, pass, 30);
        EXPECT_TRUE(got.flipped) << variant;
        EXPECT_GE(got.seconds, 0) << variant;
        EXPECT_LE(got.seconds, 10) << variant;
        const int overTheTop = int(175 / rotator::kElevationDegPerCount);
        bool parked = false;
        for (const auto& frame : s.frames) {
            if (frame.at >= got.risesAt) break;
            const auto& r = frame.rotators;
            if (r.elDrive && r.elTarget == overTheTop) parked = true;
            if (parked) {
                EXPECT_FALSE(r.elDrive && r.elTarget < overTheTop)
                    << variant << ": elevation " << r.elTarget << " driven at "
                    << frame.at.toString("hh:mm:ss").toStdString();
            }
        }
        EXPECT_TRUE(parked) << variant;
    }
}

// On the north-start 450-degree rotator the ISS pass through the south and the SO-50
// pass rising in the north-east are met where they rise and followed without a swing
// round the travel.
TEST(PassOnSimulatedBox, Format2FollowsTheIssAndSo50PassesWithoutSwingingRound) {
    const std::pair<const char*, const char*> passes[] = {{"ISS", "2018-01-21 03:05:48"},
                                                          {"SO-50", "2018-01-21 03:59:30"}};
    for (const auto& [satellite, rises] : passes) {
        PassStation s(4, 2, "YES", {}, satellite);
        const PassFound pass = s.passNear(utc(rises));
        const Acquisition got = acquire(s, pass, int(pass.aos.secsTo(pass.los)));
        EXPECT_FALSE(got.flipped) << satellite;
        EXPECT_GE(got.seconds, 0) << satellite;
        EXPECT_LE(got.seconds, 10) << satellite;
        const PassStation::SeenFrame* last = nullptr;
        for (const auto& frame : s.frames) {
            if (frame.at < pass.aos || !frame.rotators.azDrive) continue;
            if (last) {
                const int jump = std::abs(frame.rotators.azTarget - last->rotators.azTarget);
                const double moved = azimuthMiss(frame.satelliteAzimuth, last->satelliteAzimuth);
                EXPECT_FALSE(jump > 300 && moved < 10)
                    << satellite << ": azimuth target " << last->rotators.azTarget << " to "
                    << frame.rotators.azTarget << " at "
                    << frame.at.toString("hh:mm:ss").toStdString();
            }
            last = &frame;
        }
    }
}

// Garbled replies of the box, from a pass's start: no frame carries a count past the
// travel, whatever the replies said.
TEST(PassOnSimulatedBox, GarbledRepliesNeverPutACountPastTheTravelInAFrame) {
    for (const int variant : {3, 4}) {
        QElapsedTimer running;
        running.start();
        PassStation s(variant, 1, "YES", "garbled@6", "ISS");
        const PassFound pass = s.passNear(utc("2018-01-21 03:05:48"));
        s.clock.set(pass.aos.addSecs(-120));
        s.select();
        // Pre-positioned on good replies (a park on garbled ones runs into its time limit).
        while (s.station->tracking().elevation < 0)
            s.tick();
        ASSERT_LT(running.elapsed(), 6000) << "the fault must start after the pre-position";
        while (running.elapsed() < 6300)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const size_t before = s.frames.size();
        bool shownBad = false;
        while (s.clock.now() < pass.aos.addSecs(180)) {
            s.tick();
            shownBad = shownBad || s.statusValue("rot_az_count") == "-";
        }
        EXPECT_GT(s.frames.size(), before) << variant;
        for (const auto& frame : s.frames) {
            EXPECT_LE(frame.rotators.azTarget, 1023) << variant;
            EXPECT_LE(frame.rotators.elTarget, 1023) << variant;
        }
        if (variant == 3) {
            EXPECT_TRUE(shownBad) << "the parallel box's garbled counts show as bad";
        }
    }
}

} // namespace
} // namespace orv::test
