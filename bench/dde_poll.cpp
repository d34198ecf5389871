// One read of a linked tracking program, as a poll makes it: a local-socket
// conversation with a stand-in served in the same event loop, and the reply read.
#include "dde/dde_peer.h"
#include "dde/dde_sources.h"
#include "platform/dde_client.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

static void pollOneProgram(benchmark::State& state, const char* application, const char* reply) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    QTemporaryDir dir;
    const auto& source = *orv::dde::ddeSourceServedAs(application);
    orv::dde::DdePeer peer(source, {[reply] { return std::string(reply); }, nullptr, nullptr});
    std::string error;
    if (!peer.listen(dir.path().toStdString(), error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    orv::platform::LocalSocketDdeClient client(dir.path().toStdString());
    for (auto _ : state) {
        const auto result = client.request(source.linkTopic, source.item);
        if (!result.answered()) state.SkipWithError(result.detail.c_str());
        benchmark::DoNotOptimize(source.read(result.text));
    }
}
BENCHMARK_CAPTURE(pollOneProgram, satpc32, "SatPC32", "OSCAR 7 (AO-7)");
BENCHMARK_CAPTURE(pollOneProgram, nova, "NFW32",
                  "OSCAR 7 (AO-7)*** catalog 07530 AZ:120.0 EL:35.0 RR:-2.500 MA:100 SC:0");

BENCHMARK_MAIN();
