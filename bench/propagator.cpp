// keplers as the station runs it: store lookup, column parse, propagation, look angles
// and the fields and labels it writes; a map update of thirty satellites; and the
// 270-step prediction run of a flip decision. For comparison, the pieces alone.
#include "station/station.h"
#include "orbit/element_set.h"
#include "orbit/element_store.h"
#include "orbit/keplers.h"
#include "orbit/plan13.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/waits.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace orv;

namespace {

// A started station on test doubles, with a settings file on disk (as the operator's)
// and the sample element file in its program directory.
struct BenchStation {
    QTemporaryDir root;
    platform::FixedClock clock{QDateTime(QDate(2018, 1, 20), QTime(22, 20, 0))};
    platform::RecordingWaits waits;
    platform::ScriptedDialogs dialogs;
    platform::RecordingLauncher launcher;
    std::unique_ptr<core::SettingsStore> store;
    std::unique_ptr<station::Station> station;
    std::vector<std::string> names;

    BenchStation() {
        const QString programDir = root.path() + "/ORV_KITE4";
        QDir().mkpath(programDir);
        QFile::copy(QStringLiteral(ORV_SOURCE_DIR "/data/orv_kite.txt"),
                    programDir + "/orv_kite.txt");
        for (const char* map : {"nasauz.jpg", "nasauk.jpg", "nasaus.jpg", "night.jpg"})
            QFile::link(QStringLiteral(ORV_SOURCE_DIR "/data/") + map, programDir + "/" + map);
        store =
            std::make_unique<core::SettingsStore>((root.path() + "/settings.sqlite").toStdString());
        station::StationOptions options;
        options.programDir = programDir.toStdString();
        station = std::make_unique<station::Station>(
            *store, station::StationPlatform{clock, waits, dialogs, launcher}, options);
        station->Form_Load();
        station->loopTimer().stop();
        for (const auto& name : store->sections(orbit::kElementApplication))
            if (name != "AGE" && names.size() < 30) names.push_back(name);
    }
};

BenchStation& bench() {
    static BenchStation instance;
    return instance;
}

void keplersNormal(benchmark::State& state) {
    station::Station& station = *bench().station;
    for (auto _ : state)
        station.keplers("ISS (ZARYA)");
    if (station.loop().elementsValid != 1) state.SkipWithError("no elements");
}
BENCHMARK(keplersNormal);

void keplersMapMode(benchmark::State& state) {
    station::Station& station = *bench().station;
    station.tracking().mapMode = 1;
    for (auto _ : state)
        station.keplers("ISS (ZARYA)");
    station.tracking().mapMode = 0;
}
BENCHMARK(keplersMapMode);

// Argument 1: the whole run inside one read transaction (the store's file locked once).
void mapUpdateOfThirty(benchmark::State& state) {
    BenchStation& b = bench();
    b.station->tracking().mapMode = 1;
    for (auto _ : state) {
        std::optional<core::SettingsStore::ReadTransaction> batch;
        if (state.range(0)) batch.emplace(*b.store);
        for (const auto& name : b.names)
            b.station->keplers(name);
    }
    b.station->tracking().mapMode = 0;
    state.counters["satellites"] = static_cast<double>(b.names.size());
}
BENCHMARK(mapUpdateOfThirty)->ArgName("oneRead")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The flip decision looks ahead over a pass in 270 steps, presetting the instant.
void predictionRun270(benchmark::State& state) {
    BenchStation& b = bench();
    core::TrackingState& tracking = b.station->tracking();
    for (auto _ : state) {
        std::optional<core::SettingsStore::ReadTransaction> batch;
        if (state.range(0)) batch.emplace(*b.store);
        tracking.predictMode = 1;
        for (int step = 0; step < 270; ++step) {
            tracking.dayNumber = 6595;
            tracking.dayFraction = (22 + 20 / 60.0) / 24 + step * 5 / 86400.0;
            b.station->keplers("ISS (ZARYA)");
        }
        tracking.predictMode = 0;
    }
}
BENCHMARK(predictionRun270)->ArgName("oneRead")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The pieces: the store read of both lines, the parse, and the propagation alone.
// Argument 1: inside a read transaction, so without the file lock and unlock (two
// system calls) that every statement otherwise takes.
void storeLookup(benchmark::State& state) {
    orbit::ElementStore& store = bench().station->elementStore();
    std::optional<core::SettingsStore::ReadTransaction> batch;
    if (state.range(0)) batch.emplace(*bench().store);
    std::string line1, line2;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.lines("ISS (ZARYA)", line1, line2));
}
BENCHMARK(storeLookup)->ArgName("oneRead")->Arg(0)->Arg(1);

void parseAndPropagate(benchmark::State& state) {
    std::string line1, line2;
    bench().station->elementStore().lines("ISS (ZARYA)", line1, line2);
    const orbit::StationModel observer = orbit::StationModel::from(-39.524, 176.869, 50);
    for (auto _ : state) {
        const orbit::Plan13 orbit(orbit::parseElementSet(line1, line2));
        orbit::SatelliteState satellite;
        orbit::Observation seen;
        benchmark::DoNotOptimize(orbit.at(6595.93, {}, satellite) &&
                                 orbit::observe(observer, satellite, seen));
        benchmark::DoNotOptimize(seen);
    }
}
BENCHMARK(parseAndPropagate);

void timeRoutines(benchmark::State& state) {
    station::Station& station = *bench().station;
    for (auto _ : state)
        station.time_routines();
}
BENCHMARK(timeRoutines);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv); // the station's timers need one
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
