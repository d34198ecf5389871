// The settings store on the tick's path: one point read (the running flag).
#include "core/settings_store.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

static void runningFlagRead(benchmark::State& state) {
    QTemporaryDir dir;
    orv::core::SettingsStore store((dir.path() + "/bench.sqlite").toStdString());
    store.save("ORVTUNE", "START", "1", "1");
    for (auto _ : state)
        benchmark::DoNotOptimize(store.get("ORVTUNE", "START", "1"));
}
BENCHMARK(runningFlagRead);

BENCHMARK_MAIN();
