// One world-map update for thirty listed satellites at 2048 pixels wide: the whole update
// as the main loop runs it (map-mode positions in one read of the store, the horizon
// marks, the scene, footprints and drawing over the cached day-and-night picture), and
// its parts: the positions, the drawing, and the day-and-night picture made afresh.
#include "core/satellite_db.h"
#include "core/satellite_record.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/waits.h"
#include "sky/day_night.h"
#include "sky/map_mode_pass.h"
#include "sky/map_renderer.h"
#include "station/map_display.h"
#include "station/station.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

using namespace orv;

namespace {

constexpr int kListed = 30;

struct MapStation {
    QTemporaryDir root;
    platform::FixedClock clock{QDateTime(QDate(2018, 1, 21), QTime(3, 31, 0))};
    platform::RecordingWaits waits;
    platform::ScriptedDialogs dialogs;
    platform::RecordingLauncher launcher;
    std::unique_ptr<core::SettingsStore> store;
    std::unique_ptr<station::Station> station;

    MapStation() {
        const QString programDir = root.path() + "/ORV_KITE4";
        QDir().mkpath(programDir);
        for (const char* file :
             {"orv_kite.txt", "nasauz.jpg", "nasauk.jpg", "nasaus.jpg", "night.jpg"})
            QFile::copy(QStringLiteral(ORV_SOURCE_DIR "/data/") + file, programDir + "/" + file);
        store =
            std::make_unique<core::SettingsStore>((root.path() + "/settings.sqlite").toStdString());
        station::StationOptions options;
        options.programDir = programDir.toStdString();
        options.simulate = true;
        station = std::make_unique<station::Station>(
            *store, station::StationPlatform{clock, waits, dialogs, launcher}, options);
        station::ViewHooks hooks;
        hooks.mapDrawn = [] {}; // as the window does: every update draws
        station->setViewHooks(hooks);
        station->configuration().makes_cfg(4);
        QFile sample(programDir + "/orv_kite.txt");
        sample.open(QIODevice::ReadOnly);
        const auto lines = QString::fromLatin1(sample.readAll()).split('\n');
        for (qsizetype i = 0; i < lines.size() && station->satelliteDb().count() < kListed; i += 3)
            station->satelliteDb().save(
                core::satelliteTemplate(false, lines[i].trimmed().toStdString()));
        station->Form_Load();
        station->loop_timer_Timer();
        station->panel().gesture("lbl_mapoff", core::Gesture::Click); // all thirty drawn
        station->panel().setCaption("txt_entre", "OSCAR 7 (AO-7)");
        station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
        update();
    }
    void update() {
        station->panel().gesture("lbl_sun_on", core::Gesture::Click); // the next pass draws
        clock.advanceMs(50);
        station->loop_timer_Timer();
    }
    const station::MapDisplay& map() const { return station->mapDisplay(); }
};

MapStation& mapStation() {
    static MapStation station;
    return station;
}

void BM_MapUpdate(benchmark::State& state) {
    auto& s = mapStation();
    const int before = s.map().drawings;
    for (auto _ : state)
        s.update();
    state.counters["drawn"] = double(s.map().scene.satellites.size());
    state.counters["updates"] = double(s.map().drawings - before);
    state.counters["width"] = s.map().image.width();
}
BENCHMARK(BM_MapUpdate)->Unit(benchmark::kMillisecond);

void BM_MapPositions(benchmark::State& state) {
    auto& s = mapStation();
    const auto names = s.station->satelliteDb().names();
    for (auto _ : state)
        benchmark::DoNotOptimize(sky::mapModePositions(
            names, s.station->elementStore(), s.station->propagator(), s.station->tracking()));
}
BENCHMARK(BM_MapPositions)->Unit(benchmark::kMicrosecond);

void BM_MapDrawing(benchmark::State& state) {
    auto& s = mapStation();
    sky::DayNightBackground background;
    const auto& scene = s.map().scene;
    const QImage& picture =
        background.at(s.map().pictures.day(), s.map().pictures.night(), scene.type, *scene.sun);
    QImage image;
    sky::DrawnTiles drawn;
    for (auto _ : state) {
        sky::renderMap(scene, picture, image, drawn);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["drawn"] = double(scene.satellites.size());
    state.counters["tiles"] = double(drawn.tiles.markedTiles());
}
BENCHMARK(BM_MapDrawing)->Unit(benchmark::kMillisecond);

// Made again only when the sun has moved about a pixel (some 40 s at 2048 pixels).
void BM_DayNightPicture(benchmark::State& state) {
    auto& s = mapStation();
    const auto& scene = s.map().scene;
    for (auto _ : state)
        benchmark::DoNotOptimize(sky::dayNightPicture(
            s.map().pictures.day(), s.map().pictures.night(), scene.type, *scene.sun));
}
BENCHMARK(BM_DayNightPicture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
