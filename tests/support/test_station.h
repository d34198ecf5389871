// A station on test doubles: a fixed clock, recorded waits, scripted dialogs, a
// recording launcher, a settings store in memory (or in a given file) and a private
// program directory holding a small element file.
#pragma once

#include "platform/port_io.h"
#include "platform/serial_line.h"
#include "station/station.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <memory>
#include <string>

namespace orv::test {

struct TestStation {
    explicit TestStation(int variant = 4,
                         std::string storePath = ":memory:", std::string commandLine = {});

    // Runs Form_Load; the station has then run initialize.
    void start() { station->Form_Load(); }
    // Runs `count` ticks of the main loop directly.
    void tick(int count = 1);

    // ORV_KITE<variant> in a temporary directory, with kTestElementFile as orv_kite.txt.
    QTemporaryDir programRoot;
    std::string programDir;
    platform::FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(12, 0, 0))};
    platform::RecordingWaits waits;
    platform::ScriptedDialogs dialogs;
    platform::RecordingLauncher launcher;
    // The interface box's backends: a serial line that opens and a printer port whose
    // box reads as ready; neither answers with data.
    platform::FakeSerialLine serialLine;
    platform::FakePortIo portIo;
    std::unique_ptr<core::SettingsStore> store;
    std::unique_ptr<station::Station> station;
    int editorOpenings = 0;
    int endings = 0;
    int mapViews = 0;
    // A view that shows the map, as the window is: from now on every map update draws.
    void watchMap();

private:
    station::ViewHooks hooks_;
};

// Puts the world maps of the source tree into a program directory (as links).
void linkMapPictures(const std::string& programDir);

// The element file every test station starts with: two sets, "ISS (ZARYA)" and "AO-7".
extern const char* const kTestElementFile;

} // namespace orv::test
