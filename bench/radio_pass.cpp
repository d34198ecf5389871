// The Doppler pass runs on every tick (20 a second): one pass that retunes nothing,
// one that retunes both radios (CI-V frames built and handed to a box that takes
// them at once), and the arithmetic alone.
#include "core/configuration.h"
#include "radio/doppler.h"
#include "radio/frequency_text.h"
#include "radio/radios.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace orv;

// Waits that return at once and keep nothing.
class NoWaits final : public platform::Waits {
protected:
    void waitFor(int) override {}
};

struct PassBench {
    PassBench() : reply(core::ReplyForm::Number) {
        std::array<std::string, core::kConfigEntryCount> texts;
        for (const auto& entry : core::kConfigEntries)
            texts[static_cast<size_t>(entry.key - 1)] = entry.defaultValue;
        config = core::convertConfiguration(texts, 4);
        record = core::satelliteTemplate(false, "BENCH");
        record[6] = record[17] = "14"; // one IC-820 on both links
        record[8] = record[19] = "9600";
        satellite = core::typedSatellite(record, 4);
        const auto hooks = radio::stationlessHooks([this] { ++frames; });
        radios = std::make_unique<radio::Radios>(radio::RadiosWiring{panel, waits, config, startup,
                                                                     satellite, record, tracking,
                                                                     frame, reply, timing},
                                                 hooks);
        radios->applySatellite();
        radios->frequency();
    }
    core::Panel panel;
    NoWaits waits;
    core::ConfigValues config;
    core::StartupState startup;
    core::SatelliteRecord record;
    core::SatelliteConfig satellite;
    core::TrackingState tracking;
    core::BoxFrame frame;
    core::BoxReply reply;
    core::RadioLinkTiming timing;
    long frames = 0;
    std::unique_ptr<radio::Radios> radios;
};

void BM_DopplerPassWithoutRetune(benchmark::State& state) {
    PassBench bench;
    bench.tracking.rangeRate = -3.2;
    bench.radios->frequency();
    for (auto _ : state)
        bench.radios->frequency();
    state.counters["frames"] = static_cast<double>(bench.frames);
}
BENCHMARK(BM_DopplerPassWithoutRetune);

void BM_DopplerPassRetuningBothRadios(benchmark::State& state) {
    PassBench bench;
    bool fast = false;
    for (auto _ : state) {
        bench.tracking.rangeRate = (fast = !fast) ? -3.2 : -3.0; // a few hundred Hz each time
        bench.radios->frequency();
    }
    state.counters["frames/pass"] =
        benchmark::Counter(static_cast<double>(bench.frames), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DopplerPassRetuningBothRadios);

void BM_DopplerArithmetic(benchmark::State& state) {
    double rangeRate = -7.0;
    for (auto _ : state) {
        rangeRate += 1e-6;
        const int up = radio::dopplerHz(145.9000001, rangeRate);
        const int down = radio::dopplerHz(435.8000001, rangeRate);
        const auto upText = radio::dialText(radio::uplinkDialHz(145.9000001, up, 0).value_or(0));
        const auto downText =
            radio::dialText(radio::downlinkDialHz(435.8000001, down, 0).value_or(0));
        benchmark::DoNotOptimize(upText);
        benchmark::DoNotOptimize(downText);
    }
}
BENCHMARK(BM_DopplerArithmetic);

} // namespace

BENCHMARK_MAIN();
