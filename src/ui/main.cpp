// orv_kite: the station, in a window or headless.
#include "core/settings_store.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/runtime_dir.h"
#include "platform/waits.h"
#include "remote/remote_control.h"
#include "station/station.h"
#include "ui/command_line.h"
#include "ui/exit_signals.h"
#include "ui/headless_console.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace orv;

namespace {

bool displayAvailable() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

std::unique_ptr<platform::Clock> makeClock(const ui::CommandLine& options) {
    if (options.startTime.empty() && options.rate == 1.0)
        return std::make_unique<platform::SystemClock>();
    QDateTime start = QDateTime::currentDateTime();
    if (!options.startTime.empty())
        start = platform::parseLocalInstant(QString::fromStdString(options.startTime));
    return std::make_unique<platform::SimulatedClock>(start, options.rate);
}

static_assert(ui::kDefaultRotctldPort == remote::kRotatorPort &&
              ui::kDefaultRigctldPort == remote::kRadioPort);

remote::RemoteOptions remoteOptions(const ui::CommandLine& options) {
    remote::RemoteOptions remote;
    remote.rotatorPort = options.rotctldPort;
    remote.radioPort = options.rigctldPort;
    remote.address = options.listenAddress;
    remote.radioRecord = options.rigctldRecord;
    return remote;
}

// A command line we cannot take: the reason and the usage line, status 2.
int refuseCommandLine(const std::string& reason) {
    std::fprintf(stderr, "orv_kite: %s\n%s", reason.c_str(), ui::usageLine().c_str());
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    ui::CommandLine options = ui::parseCommandLine(arguments);
    if (options.help) {
        std::fputs(ui::usageText().c_str(), stdout);
        return 0;
    }
    if (!options.error.empty()) return refuseCommandLine(options.error);
    if (!options.startTime.empty() &&
        !platform::parseLocalInstant(QString::fromStdString(options.startTime)).isValid()) {
        return refuseCommandLine("--time wants \"YYYY-MM-DD hh:mm:ss\", not \"" +
                                 options.startTime + "\"");
    }
    if (!options.headless && !displayAvailable()) {
        std::fprintf(stderr, "orv_kite: no display found; running headless\n");
        options.headless = true;
    }
    if (options.headless) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        std::string error;
        const std::string runtime = platform::privateRuntimeDir("", error);
        if (!runtime.empty()) qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
    }

    // Qt takes its own options out of the arguments it is given.
    std::vector<char*> qtArguments{argv[0]};
    for (auto& word : options.rest)
        qtArguments.push_back(word.data());
    int qtArgc = static_cast<int>(qtArguments.size());
    QApplication app(qtArgc, qtArguments.data());
    QApplication::setApplicationName(QStringLiteral("Orv_Kite"));
    options.rest.assign(qtArguments.begin() + 1, qtArguments.begin() + qtArgc);
    if (const std::string error = ui::checkRemainder(options.rest); !error.empty())
        return refuseCommandLine(error);

    std::unique_ptr<core::SettingsStore> store;
    const std::string settingsPath = core::SettingsStore::resolvePath(options.settingsPath);
    try {
        store = std::make_unique<core::SettingsStore>(settingsPath);
    } catch (const core::SettingsError& error) {
        const bool locked = error.kind() == core::SettingsError::Kind::Locked;
        std::fprintf(stderr, "orv_kite: %s\n%s\n", error.what(),
                     locked ? "Another program holds the settings store locked; close it and "
                              "start again."
                            : "The file was left as it is. Move it aside to start with a fresh "
                              "store, or name another with --settings FILE.");
        return 1;
    }

    auto clock = makeClock(options);
    platform::EventLoopWaits waits;
    platform::HeadlessDialogs headlessDialogs;
    ui::QtDialogs windowDialogs;
    platform::ProcessLauncher launcher;
    platform::Dialogs& dialogs =
        options.headless ? static_cast<platform::Dialogs&>(headlessDialogs) : windowDialogs;

    station::StationOptions stationOptions;
    stationOptions.programDir = QCoreApplication::applicationDirPath().toStdString();
    stationOptions.commandLine = options.remainder();
    stationOptions.simulate = options.simulate;
    stationOptions.mapPng = options.mapPng;
    stationOptions.simulateFault = options.simulateFault;
    stationOptions.verbose = options.verbose;
    stationOptions.acceptEepromCaveat = options.acceptEepromCaveat;
    station::Station station(*store, {*clock, waits, dialogs, launcher}, stationOptions);

    // The network-control servers, when asked for, listen before the first tick; a port
    // that cannot be had ends the run before anything moves.
    std::unique_ptr<remote::RemoteControl> remoteControl;
    if (options.rotctldPort || options.rigctldPort) {
        remoteControl = std::make_unique<remote::RemoteControl>(station.remote());
        if (const std::string error = remoteControl->start(remoteOptions(options));
            !error.empty()) {
            std::fprintf(stderr, "orv_kite: %s\n", error.c_str());
            return 1;
        }
    }

    std::unique_ptr<ui::MainWindow> window;
    std::unique_ptr<ui::HeadlessConsole> console;
    if (options.headless) {
        console = std::make_unique<ui::HeadlessConsole>(station);
    } else {
        window = std::make_unique<ui::MainWindow>(station);
        window->show();
    }

    // A signal to end the run ends it as the Exit button does.
    ui::ExitSignals exitSignals([&station](int) { station.cmd_Bye_Click(); });

    station.Form_Load();
    if (station.ended()) return station.exitCode();
    if (options.runFor > 0)
        QTimer::singleShot(static_cast<int>(options.runFor * 1000),
                           [&station] { station.cmd_Bye_Click(); });
    const int code = QApplication::exec();
    return station.ended() ? station.exitCode() : code;
}
