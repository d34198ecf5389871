#include "test_station.h"

#include <QDir>
#include <QFile>
#include <fstream>

namespace orv::test {

const char* const kTestElementFile =
    "ISS (ZARYA)\r\n"
    "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992\r\n"
    "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614\r\n"
    "AO-7\r\n"
    "1 07530U 74089B   18020.92882759 -.00000031  00000-0  83259-4 0  9990\r\n"
    "2 07530 101.6660 350.5859 0011799 260.7489 115.8236 12.53630761975916\r\n";

TestStation::TestStation(int variant, std::string storePath, std::string commandLine)
    : store(std::make_unique<core::SettingsStore>(storePath)) {
    programDir = programRoot.path().toStdString() + "/ORV_KITE" + std::to_string(variant);
    QDir().mkpath(QString::fromStdString(programDir));
    std::ofstream(programDir + "/orv_kite.txt", std::ios::binary) << kTestElementFile;
    linkMapPictures(programDir);
    station::StationOptions options;
    options.programDir = programDir;
    options.commandLine = std::move(commandLine);
    station = std::make_unique<station::Station>(
        *store, station::StationPlatform{clock, waits, dialogs, launcher}, options);
    portIo.registers[0x379] = 0x80; // status bit 7 of the default printer port
    station->useBoxBackends(serialLine, portIo);
    hooks_.showConfigEditor = [this] { ++editorOpenings; };
    hooks_.programEnded = [this](int) { ++endings; };
    station->setViewHooks(hooks_);
}

void TestStation::watchMap() {
    hooks_.mapDrawn = [this] { ++mapViews; };
    station->setViewHooks(hooks_);
}

void linkMapPictures(const std::string& programDir) {
    for (const char* name : {"nasauz.jpg", "nasauk.jpg", "nasaus.jpg", "night.jpg"})
        QFile::link(QStringLiteral(ORV_SOURCE_DIR "/data/") + name,
                    QString::fromStdString(programDir) + "/" + name);
}

void TestStation::tick(int count) {
    for (int i = 0; i < count && !station->ended(); ++i)
        station->loop_timer_Timer();
}

} // namespace orv::test
