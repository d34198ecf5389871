// One main-loop tick with a satellite selected on the simulated serial box (the
// waits return at once, so only CPU work is measured: propagation, the box frames
// and replies, the drive), one flip analysis: the pass look-ahead of up to 270
// propagations and the decision, and one tick that runs a map update with auto-track
// choosing among thirty listed satellites.
#include "core/satellite_db.h"
#include "core/satellite_record.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/waits.h"
#include "rotator/pass_analysis.h"
#include "rotator/rotator_drive.h"
#include "station/station.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

using namespace orv;

namespace {

const char* const kSatellite = "OSCAR 7 (AO-7)";

// A configured station on the simulated box, the satellite selected just before a pass.
struct TickStation {
    QTemporaryDir root;
    platform::FixedClock clock{QDateTime(QDate(2018, 1, 21), QTime(3, 31, 0))};
    platform::RecordingWaits waits;
    platform::ScriptedDialogs dialogs;
    platform::RecordingLauncher launcher;
    std::unique_ptr<core::SettingsStore> store;
    std::unique_ptr<station::Station> station;

    // `listed` satellites of the sample file in the list, the first of them selected.
    explicit TickStation(int listed = 1) {
        const QString programDir = root.path() + "/ORV_KITE4";
        QDir().mkpath(programDir);
        QFile::copy(QStringLiteral(ORV_SOURCE_DIR "/data/orv_kite.txt"),
                    programDir + "/orv_kite.txt");
        for (const char* map : {"nasauz.jpg", "nasauk.jpg", "nasaus.jpg", "night.jpg"})
            QFile::link(QStringLiteral(ORV_SOURCE_DIR "/data/") + map, programDir + "/" + map);
        store =
            std::make_unique<core::SettingsStore>((root.path() + "/settings.sqlite").toStdString());
        waits.onWait = [this](int) {
            if (waits.waits.size() > 1000) waits.waits.clear();
            QCoreApplication::processEvents();
        };
        station::StationOptions options;
        options.programDir = programDir.toStdString();
        options.simulate = true;
        station = std::make_unique<station::Station>(
            *store, station::StationPlatform{clock, waits, dialogs, launcher}, options);
        station->configuration().makes_cfg(4);
        station->satelliteDb().save(core::satelliteTemplate(true, kSatellite));
        QFile sample(programDir + "/orv_kite.txt");
        sample.open(QIODevice::ReadOnly);
        const auto lines = QString::fromLatin1(sample.readAll()).split('\n');
        for (qsizetype i = 3; i < lines.size() && station->satelliteDb().count() < listed; i += 3)
            station->satelliteDb().save(
                core::satelliteTemplate(false, lines[i].trimmed().toStdString()));
        station->Form_Load();
        station->loop_timer_Timer();
        station->panel().setCaption("txt_entre", kSatellite);
        station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
        tick(20);
    }
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            clock.advanceMs(50);
            station->loop_timer_Timer();
        }
    }
};

TickStation& tickStation() {
    static TickStation station;
    return station;
}

void BM_MainLoopTickTracking(benchmark::State& state) {
    auto& s = tickStation();
    for (auto _ : state)
        s.tick();
    state.counters["elevation"] = s.station->tracking().elevation;
    state.counters["moves"] = s.station->rotatorDrive().state().movesSent;
}
BENCHMARK(BM_MainLoopTickTracking)->Unit(benchmark::kMicrosecond);

void BM_FlipAnalysis(benchmark::State& state) {
    auto& s = tickStation();
    auto& tracking = s.station->tracking();
    s.station->time_routines();
    const double day = tracking.dayNumber, fraction = tracking.dayFraction;
    int predictions = 0;
    for (auto _ : state) {
        const auto pass = rotator::analysePass([&](double seconds) {
            tracking.predictMode = 1;
            tracking.dayNumber = day;
            tracking.dayFraction = fraction + seconds / 86400;
            s.station->keplers(kSatellite);
            return rotator::PredictedLook{tracking.predictAzimuth, tracking.predictElevation};
        });
        tracking.predictMode = 0;
        if (pass) benchmark::DoNotOptimize(rotator::decideFlip(2, *pass, 500));
        predictions = pass ? pass->predictions : 0;
    }
    state.counters["predictions"] = predictions;
}
BENCHMARK(BM_FlipAnalysis)->Unit(benchmark::kMillisecond);

// A tick whose map update works out where thirty satellites are and chooses among them.
void BM_TickWithMapUpdate(benchmark::State& state) {
    static TickStation s(30);
    auto& loop = s.station->loop();
    if (!s.station->autoTrack().on()) {
        s.station->autoTrack().start(std::vector<int>(30, 5));
        loop.autoTrack = 1;
    }
    for (auto _ : state) {
        loop.mapRefreshCounter = loop.mapIntervalTicks - 1;
        s.tick();
    }
    state.counters["listed"] = double(s.station->skyPositions().size());
    state.counters["in_view"] =
        double(std::count(s.station->autoTrack().lastSelection().visible.begin(),
                          s.station->autoTrack().lastSelection().visible.end(), true));
}
BENCHMARK(BM_TickWithMapUpdate)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
