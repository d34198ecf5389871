#include "test_station.h"

namespace orv::test {

std::string programDirFor(int variant) {
    return "/opt/stations/ORV_KITE" + std::to_string(variant);
}

TestStation::TestStation(int variant, std::string storePath, std::string commandLine)
    : store(std::make_unique<core::SettingsStore>(storePath)) {
    core::StationOptions options;
    options.programDir = programDirFor(variant);
    options.commandLine = std::move(commandLine);
    station = std::make_unique<core::Station>(
        *store, core::StationPlatform{clock, waits, dialogs, launcher}, options);
    core::ViewHooks hooks;
    hooks.showConfigEditor = [this] { ++editorOpenings; };
    hooks.programEnded = [this](int) { ++endings; };
    station->setViewHooks(hooks);
}

void TestStation::tick(int count) {
    for (int i = 0; i < count && !station->ended(); ++i)
        station->loop_timer_Timer();
}

} // namespace orv::test
