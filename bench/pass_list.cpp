// The pass view's work for thirty listed satellites of the sample element file: the
// 24-hour list in full (element lines read in one transaction, then every satellite's
// passes), one satellite of it (what one turn of the planner's timer does between
// ticks), and the selected satellite's current or next pass with its path.
#include "core/satellite_db.h"
#include "core/satellite_record.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/waits.h"
#include "station/pass_planner.h"
#include "station/station.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

using namespace orv;

namespace {

constexpr int kListed = 30;

struct ListStation {
    QTemporaryDir root;
    platform::FixedClock clock{QDateTime(QDate(2018, 1, 21), QTime(3, 31, 0))};
    platform::RecordingWaits waits;
    platform::ScriptedDialogs dialogs;
    platform::RecordingLauncher launcher;
    std::unique_ptr<core::SettingsStore> store;
    std::unique_ptr<station::Station> station;
    std::unique_ptr<station::PassPlanner> planner;

    ListStation() {
        const QString programDir = root.path() + "/ORV_KITE4";
        QDir().mkpath(programDir);
        for (const char* file : {"orv_kite.txt", "nasauz.jpg", "nasauk.jpg", "nasaus.jpg"})
            QFile::copy(QStringLiteral(ORV_SOURCE_DIR "/data/") + file, programDir + "/" + file);
        store =
            std::make_unique<core::SettingsStore>((root.path() + "/settings.sqlite").toStdString());
        station::StationOptions options;
        options.programDir = programDir.toStdString();
        options.simulate = true;
        station = std::make_unique<station::Station>(
            *store, station::StationPlatform{clock, waits, dialogs, launcher}, options);
        station->configuration().makes_cfg(4);
        QFile sample(programDir + "/orv_kite.txt");
        sample.open(QIODevice::ReadOnly);
        const auto lines = QString::fromLatin1(sample.readAll()).split('\n');
        for (qsizetype i = 0; i < lines.size() && station->satelliteDb().count() < kListed; i += 3)
            station->satelliteDb().save(
                core::satelliteTemplate(false, lines[i].trimmed().toStdString()));
        station->Form_Load();
        station->loop_timer_Timer();
        station->selectByName("OSCAR 7 (AO-7)");
        station->loop_timer_Timer();
        planner = std::make_unique<station::PassPlanner>(*station);
    }
};

ListStation& listStation() {
    static ListStation station;
    return station;
}

void BM_PassListWhole(benchmark::State& state) {
    auto& s = listStation();
    for (auto _ : state) {
        s.planner->startList(s.planner->now());
        while (s.planner->listStep()) {
        }
    }
    state.counters["passes"] = double(s.planner->upcoming().size());
    state.counters["satellites"] = double(s.station->satelliteDb().count());
    state.counters["without"] = double(s.planner->withoutElements().size());
}
BENCHMARK(BM_PassListWhole)->Unit(benchmark::kMillisecond);

// The longest single step: the largest share of the list done between two ticks.
void BM_PassListOneSatellite(benchmark::State& state) {
    auto& s = listStation();
    for (auto _ : state) {
        state.PauseTiming();
        s.planner->startList(s.planner->now());
        state.ResumeTiming();
        s.planner->listStep();
    }
}
BENCHMARK(BM_PassListOneSatellite)->Unit(benchmark::kMillisecond);

void BM_SelectedPass(benchmark::State& state) {
    auto& s = listStation();
    const auto names = s.station->satelliteDb().names();
    const double day = s.planner->now();
    size_t turn = 0;
    for (auto _ : state) {
        // Another satellite each time, so the pass is worked out afresh.
        s.station->loop().selectedSatellite = names[turn++ % 2];
        s.planner->updateSelected(day);
    }
    state.counters["track_points"] = double(s.planner->selectedTrack().size());
}
BENCHMARK(BM_SelectedPass)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
