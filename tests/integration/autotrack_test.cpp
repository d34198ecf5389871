// Auto-track and the mean-anomaly schedule over hours of station time on the simulated
// box, elements from the sample file, the default location: the station follows the
// most wanted satellite in view by itself, pass after pass, and the rotators and radios
// follow each switch. What is in view is worked out here, independently, from the same
// elements at the same instants.
#include "core/priority_editor.h"
#include "core/satellite_db.h"
#include "core/satellite_record.h"
#include "core/sky_store.h"
#include "orbit/day_instant.h"
#include "orbit/element_set.h"
#include "orbit/element_store.h"
#include "orbit/plan13.h"
#include "program_runner.h"
#include "rotator/azimuth_mapping.h"
#include "rotator/rotator_drive.h"
#include "sim/simulated_hardware.h"
#include "stepped_clock.h"
#include "test_station.h"

#include <QCoreApplication>
#include <QFile>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace orv::test {
namespace {

constexpr const char* kIss = "ISS (ZARYA)";
constexpr const char* kAo7 = "OSCAR 7 (AO-7)";
constexpr const char* kSo50 = "SAUDISAT 1C (SO-50)";
const QDate kDay(2018, 1, 21);
// Station time per tick; the main loop's interval is the same, so a map update comes
// every second tick (4 s).
constexpr int kTickSeconds = 2;

struct RadioPlan {
    const char* name;
    bool analog;
    const char* uplink;
    const char* uplinkMode;
    const char* transponderLo;
    const char* downlink;
    const char* downlinkMode;
};

// Each satellite on two Icom radios, uplink on port 1 and downlink on port 2.
constexpr RadioPlan kPlans[] = {
    {kIss, false, "145.990000", "FM", "0", "437.800000", "FM"},
    {kAo7, true, "432.150000", "LSB", "578.100", "145.950000", "USB"},
    {kSo50, false, "145.850000", "FM", "0", "436.795000", "FM"},
};

core::SatelliteRecord recordOf(const RadioPlan& plan, const std::string& name, const char* uplink,
                               const char* downlink) {
    auto record = core::satelliteTemplate(plan.analog, name);
    const std::pair<int, const char*> fields[] = {{3, uplink},    {4, plan.uplinkMode},
                                                  {7, "15"},      {8, "1"},
                                                  {9, "9600"},    {13, plan.transponderLo},
                                                  {14, downlink}, {15, plan.downlinkMode},
                                                  {17, "0"},      {18, "15"},
                                                  {19, "2"},      {20, "9600"},
                                                  {22, downlink}};
    for (const auto& [field, value] : fields)
        record[size_t(field - 1)] = value;
    return record;
}

const RadioPlan& planOf(const std::string& name) {
    for (const auto& plan : kPlans)
        if (name == plan.name) return plan;
    throw std::invalid_argument(name);
}

struct Look {
    double azimuth = 0, elevation = -90;
};

// A station on the simulated box whose clock the test steps a second per tick.
class SkyRun {
public:
    explicit SkyRun(const QDateTime& start) : doubles(4), clock(start, 30) {
        const QString sample = kBuild + "/ORV_KITE4/orv_kite.txt";
        const QString target = QString::fromStdString(doubles.programDir) + "/orv_kite.txt";
        QFile::remove(target);
        EXPECT_TRUE(QFile::copy(sample, target)) << sample.toStdString();
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
        configuration.makes_cfg(4);
        configuration.write(4, 28, std::to_string(kTickSeconds * 1000));
        configuration.write(4, 17, "YES"); // park after each pass
        configuration.write(4, 11, "180");
        for (const auto& plan : kPlans)
            station->satelliteDb().save(recordOf(plan, plan.name, plan.uplink, plan.downlink));
        station->Form_Load();
        station->loop_timer_Timer(); // the start-up deselection
        observer = orbit::StationModel::from(station->config().latitude,
                                             station->config().longitude, station->config().height);
    }

    // Priorities stored as the tool stores them, then auto-track started from the
    // priority window as the operator does.
    void startAutoTrack(const std::map<std::string, int>& priorities) {
        const auto names = station->satelliteDb().names();
        std::vector<std::string> texts;
        for (const auto& name : names) {
            const auto it = priorities.find(name);
            texts.push_back(it == priorities.end() ? "" : std::to_string(it->second));
        }
        core::writePriorityTexts(*doubles.store, texts);
        station->panel().gesture("lbl_sched", core::Gesture::DblClick);
        station->priorityEditor().Command1_Click();
        ASSERT_EQ(status("auto"), "on");
    }

    void tick() {
        clock.advanceMs(kTickSeconds * 1000);
        station->loop_timer_Timer();
    }

    // Where `name` is now, worked out here from its elements (no tracking bias).
    Look look(const std::string& name) {
        std::string line1, line2;
        if (!station->elementStore().lines(orbit::elementNameOf(name), line1, line2)) return {};
        const orbit::Plan13 orbit(orbit::parseElementSet(line1, line2));
        const QDateTime now = clock.now();
        const double day = orbit::dayOfUtc(QDateTime(now.date(), now.time(), Qt::UTC));
        orbit::SatelliteState state;
        orbit::Observation seen;
        if (!orbit.at(day, {}, state) || !orbit::observe(observer, state, seen)) return {};
        return {seen.azimuth, seen.elevation};
    }

    // The prioritised satellite that is the best in view now ("" for none).
    std::string bestInView(const std::map<std::string, int>& priorities) {
        std::string best;
        int bestPriority = 0;
        for (const auto& name : station->satelliteDb().names()) {
            const auto it = priorities.find(name);
            if (it == priorities.end() || look(name).elevation < 0) continue;
            if (it->second > bestPriority) best = name, bestPriority = it->second;
        }
        return best;
    }

    Look rotators() {
        const auto& box = station->simulatedHardware()->box();
        return {rotator::trueAzimuthAt(station->rotatorDrive().format(), box.azimuth().count()),
                box.elevation().count() * rotator::kElevationDegPerCount};
    }
    std::string selected() const { return station->loop().selectedSatellite; }
    std::string status(const std::string& key) const {
        const std::string line = " " + station->statusLine().render() + " ";
        const auto at = line.find(" " + key + "=");
        if (at == std::string::npos) return {};
        const auto start = at + key.size() + 2;
        return line.substr(start, line.find(' ', start) - start);
    }
    std::string hhmm() const { return clock.now().toString("hh:mm:ss").toStdString(); }

    TestStation doubles;
    SteppedClock clock;
    std::unique_ptr<station::Station> station;
    orbit::StationModel observer;
};

double azimuthMiss(double a, double b) {
    return std::abs(std::remainder(a - b, 360.0));
}

// One stretch of station time with the same satellite selected.
struct Stretch {
    std::string name;
    QTime from, to;
};

// Runs to `until`, checking every tick that the best prioritised satellite in view is
// the one tracked (a satellite just risen or just set is given some grace), and that a
// minute into each stretch the rotators and the downlink radio follow it.
void follow(SkyRun& run, const std::map<std::string, int>& priorities, const QDateTime& until,
            std::vector<Stretch>& stretches) {
    constexpr int kGraceSeconds = 20;
    std::string best;
    int bestFor = 0, misses = 0;
    while (run.clock.now() < until) {
        run.tick();
        const std::string wanted = run.bestInView(priorities);
        bestFor = wanted == best ? bestFor + kTickSeconds : 0;
        best = wanted;
        const std::string tracked =
            run.selected() == core::kNoSatellite ? std::string() : run.selected();
        if (bestFor > kGraceSeconds && tracked != wanted && misses++ < 5)
            ADD_FAILURE() << run.hhmm() << ": tracking \"" << tracked << "\" while \"" << wanted
                          << "\" is the best in view; ring " << run.status("ring");
        const QTime now = run.clock.now().time();
        if (stretches.empty() || stretches.back().name != tracked)
            stretches.push_back({tracked, now, now});
        Stretch& stretch = stretches.back();
        const bool aMinuteIn =
            stretch.from.secsTo(now) >= 60 && stretch.from.secsTo(stretch.to) < 60;
        stretch.to = now;
        if (tracked.empty() || !aMinuteIn || run.look(tracked).elevation < 3) continue;
        // A minute in: the antennas on the satellite, the downlink radio on its frequency.
        const Look sat = run.look(tracked), at = run.rotators();
        if (!run.station->rotatorDrive().state().flipActive) {
            EXPECT_LT(azimuthMiss(sat.azimuth, at.azimuth), 8) << tracked << " " << run.hhmm();
            EXPECT_LT(std::abs(sat.elevation - at.elevation), 8) << tracked << " " << run.hhmm();
        }
        const double dial = std::atof(run.status("sim_dn").c_str());
        EXPECT_NEAR(dial, std::atof(planOf(tracked).downlink), 0.02)
            << tracked << " " << run.hhmm() << " sim_dn=" << run.status("sim_dn");
    }
}

// Follows the satellites through each window of the day in turn; between windows, while
// nothing is up, the clock jumps ahead.
std::vector<Stretch> followWindows(SkyRun& run, const std::map<std::string, int>& priorities,
                                   std::initializer_list<std::pair<QTime, QTime>> windows) {
    std::vector<Stretch> stretches;
    for (const auto& [from, to] : windows) {
        if (run.clock.now().time() < from) {
            EXPECT_EQ(run.bestInView(priorities), "") << "jumping over a pass";
            run.clock.set(QDateTime(kDay, from));
            EXPECT_EQ(run.bestInView(priorities), "") << "landing in a pass";
            stretches.push_back({"(jump)", from, from});
        }
        follow(run, priorities, QDateTime(kDay, to), stretches);
    }
    return stretches;
}

// The satellites tracked in turn, "" where nothing was, from the first to the last.
std::vector<std::string> sequenceOf(const std::vector<Stretch>& stretches) {
    std::vector<std::string> names;
    for (const auto& s : stretches)
        if (s.name != "(jump)" && (names.empty() || names.back() != s.name))
            names.push_back(s.name);
    if (!names.empty() && names.front().empty()) names.erase(names.begin());
    if (!names.empty() && names.back().empty()) names.pop_back();
    return names;
}

std::string describe(const std::vector<Stretch>& stretches) {
    std::string text;
    for (const auto& s : stretches)
        text += s.from.toString("hh:mm:ss").toStdString() + "-" +
                s.to.toString("hh:mm:ss").toStdString() + " " +
                (s.name.empty() ? "(none)" : s.name) + "\n";
    return text;
}

TEST(AutoTrackOnSimulatedBox, OneSatelliteAloneIsTrackedOnEveryPass) {
    SkyRun run(QDateTime(kDay, QTime(5, 20)));
    const std::map<std::string, int> priorities{{kAo7, 3}};
    run.startAutoTrack(priorities);
    // Its passes of about 05:27 to 05:47 and 07:21 to 07:32.
    const auto stretches = followWindows(
        run, priorities, {{QTime(5, 20), QTime(5, 52)}, {QTime(7, 15), QTime(7, 36)}});
    SCOPED_TRACE(describe(stretches));
    EXPECT_EQ(sequenceOf(stretches), (std::vector<std::string>{kAo7, "", kAo7}));
    EXPECT_EQ(run.status("ring"), "-");
    EXPECT_EQ(run.station->stepFailures, (std::array<int, 23>{}));
}

TEST(AutoTrackOnSimulatedBox, ThreePrioritisedSatellitesAcrossAMorning) {
    SkyRun run(QDateTime(kDay, QTime(4, 36)));
    const std::map<std::string, int> priorities{{kIss, 9}, {kSo50, 6}, {kAo7, 3}};
    run.startAutoTrack(priorities);
    const auto stretches = followWindows(
        run, priorities, {{QTime(4, 36), QTime(5, 56)}, {QTime(7, 12), QTime(7, 36)}});
    SCOPED_TRACE(describe(stretches));
    // The ISS; AO-7 until SO-50 rises and takes over; nothing once SO-50 has set; SO-50's
    // next pass ahead of AO-7, up at the same time, and AO-7 once SO-50 has set.
    EXPECT_EQ(sequenceOf(stretches),
              (std::vector<std::string>{kIss, "", kAo7, kSo50, "", kSo50, kAo7}));
    EXPECT_EQ(run.status("ring"), "-");
    EXPECT_EQ(run.station->stepFailures, (std::array<int, 23>{}));
}

TEST(MaScheduleOnSimulatedBox, TheRecordSwitchesAsTheMeanAnomalyCrossesABoundary) {
    SkyRun run(QDateTime(kDay, QTime(5, 30)));
    const RadioPlan& ao7 = planOf(kAo7);
    // Two configurations a transponder passband apart (the downlink follows the uplink).
    run.station->satelliteDb().save(
        recordOf(ao7, std::string(kAo7) + "_1", "432.150000", "145.950000"));
    run.station->satelliteDb().save(
        recordOf(ao7, std::string(kAo7) + "_2", "432.180000", "145.920000"));
    run.station->panel().setCaption("txt_entre", kAo7);
    run.station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
    run.tick();
    ASSERT_EQ(run.selected(), kAo7);
    const int ma = run.station->tracking().ma256;
    ASSERT_LT(ma, 240);
    // Row 1 up to a few MA ahead, row 2 from there to the end of the orbit.
    core::ScheduleTexts keys = core::defaultSchedule();
    keys[0] = kAo7;
    keys[1] = "1";
    keys[6] = std::to_string(ma + 3);
    keys[7] = "255";
    core::writeSchedule(*run.doubles.store, keys);
    run.station->panel().gesture("lbl_phase", core::Gesture::DblClick);
    ASSERT_EQ(run.status("ma_mode"), "on");

    const auto dial = [&] { return std::atof(run.status("sim_dn").c_str()); };
    std::map<std::string, double> lastDial;
    for (int second = 0; second < 6 * 60; second += kTickSeconds) {
        run.tick();
        if (run.look(kAo7).elevation > 0) lastDial[run.selected()] = dial();
    }
    EXPECT_EQ(run.selected(), std::string(kAo7) + "_2");
    ASSERT_TRUE(lastDial.count(std::string(kAo7) + "_1")) << "row 1 was never tracked";
    EXPECT_NEAR(lastDial[std::string(kAo7) + "_1"], 145.950, 0.01);
    EXPECT_NEAR(lastDial[std::string(kAo7) + "_2"], 145.920, 0.01);
    // Leaving MA mode goes back to the standard satellite.
    run.station->panel().gesture("lbl_phase", core::Gesture::Click);
    run.tick();
    EXPECT_EQ(run.selected(), kAo7);
}

} // namespace
} // namespace orv::test
