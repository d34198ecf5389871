// orv_kite_screenshot: runs the station in its window on the simulated box, selects a
// satellite, lets the clock run, then writes PNG pictures of the main window and of
// every editor window the panel opens. scripts/screenshot drives it.
#include "core/settings_store.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/waits.h"
#include "station/station.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTabWidget>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace orv;

namespace {

struct Options {
    std::string outDir;
    std::string programDir;
    std::string settingsPath;
    std::string startTime;
    std::string satellite;
    double rate = 1;
    double afterSeconds = 20;
    int width = 0;
    int height = 0;
};

// The editors a picture is taken of: the gesture that opens each one.
struct EditorShot {
    const char* file;
    const char* field;
    core::Gesture gesture;
};
constexpr EditorShot kEditors[] = {
    {"config_editor", "lbl_help", core::Gesture::DblClick},
    {"satellite_editor", "lbl_Up_read", core::Gesture::DblClick},
    {"horizon_editor", "lbl_hoztable", core::Gesture::DblClick},
    {"schedule_editor", "lbl_satmode", core::Gesture::DblClick},
};

const char* const kUsage =
    "usage: orv_kite_screenshot --program-dir DIR [--settings FILE] [--time \"YYYY-MM-DD "
    "hh:mm:ss\"]\n"
    "                           [--rate N] [--select NAME] [--after SECONDS] [--size WxH] "
    "OUTDIR\n";

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool hasValue = i + 1 < argc;
        if (word.rfind("--", 0) != 0) {
            options.outDir = word;
            continue;
        }
        if (!hasValue) return false;
        const std::string value = argv[++i];
        if (word == "--program-dir")
            options.programDir = value;
        else if (word == "--settings")
            options.settingsPath = value;
        else if (word == "--time")
            options.startTime = value;
        else if (word == "--select")
            options.satellite = value;
        else if (word == "--rate")
            options.rate = std::atof(value.c_str());
        else if (word == "--after")
            options.afterSeconds = std::atof(value.c_str());
        else if (word == "--size") {
            if (std::sscanf(value.c_str(), "%dx%d", &options.width, &options.height) != 2)
                return false;
        } else
            return false;
    }
    return !options.outDir.empty() && !options.programDir.empty() && options.rate > 0;
}

void runEventsFor(double seconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < seconds * 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool save(QWidget* widget, const QString& path) {
    const bool ok = widget->grab().save(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write",
                 qPrintable(path));
    return ok;
}

std::vector<QDialog*> visibleDialogs() {
    std::vector<QDialog*> dialogs;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
            dialogs.push_back(dialog);
    return dialogs;
}

// Opens each editor by its gesture, pictures the window that appears, and closes it
// again without saving.
int shootEditors(core::Panel& panel, const QDir& out) {
    int failures = 0;
    for (const auto& editor : kEditors) {
        if (!panel.hasHandler(editor.field, editor.gesture)) continue;
        panel.gesture(editor.field, editor.gesture);
        runEventsFor(0.5);
        const auto dialogs = visibleDialogs();
        for (size_t k = 0; k < dialogs.size(); ++k) {
            const QString name =
                QString::fromUtf8(editor.file) + (k ? QStringLiteral("_%1").arg(k + 1) : QString());
            if (!save(dialogs[k], out.filePath(name + ".png"))) ++failures;
        }
        for (QDialog* dialog : dialogs)
            dialog->close();
        runEventsFor(0.2);
    }
    return failures;
}

// Every field of the panel model as the pictures show it: name, shown, caption.
void writeFields(const core::Panel& panel, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return;
    QTextStream stream(&file);
    stream << "field\tshown\tcaption\n";
    for (const auto& name : panel.fieldNames()) {
        const auto& field = panel.field(name);
        stream << QString::fromStdString(name) << '\t' << (field.visible ? "yes" : "no") << '\t'
               << QString::fromStdString(field.caption) << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orv_Kite"));
    const QDir out(QString::fromStdString(options.outDir));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "orv_kite_screenshot: cannot make %s\n", options.outDir.c_str());
        return 1;
    }

    core::SettingsStore store(core::SettingsStore::resolvePath(options.settingsPath));
    QDateTime start = QDateTime::currentDateTime();
    if (!options.startTime.empty())
        start = platform::parseLocalInstant(QString::fromStdString(options.startTime));
    platform::SimulatedClock clock(start, options.rate);
    platform::EventLoopWaits waits;
    platform::HeadlessDialogs dialogs;
    platform::ProcessLauncher launcher;
    station::StationOptions stationOptions;
    stationOptions.programDir = options.programDir;
    stationOptions.simulate = true;
    station::Station station(store, {clock, waits, dialogs, launcher}, stationOptions);

    ui::MainWindow window(station);
    if (options.width > 0) window.resize(options.width, options.height);
    window.show();
    station.Form_Load();
    if (station.ended()) return station.exitCode();
    runEventsFor(1);
    if (!options.satellite.empty()) {
        station.panel().setCaption("txt_entre", options.satellite);
        station.panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
    }
    runEventsFor(options.afterSeconds / options.rate);

    std::printf("window %dx%d, least %dx%d\n", window.width(), window.height(),
                window.minimumSizeHint().width(), window.minimumSizeHint().height());
    int failures = save(&window, out.filePath(QStringLiteral("main_window.png"))) ? 0 : 1;
    // The pass view shares the map's place, on the tab beside it.
    if (auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("mapTabs"))) {
        tabs->setCurrentIndex(1);
        runEventsFor(0.5);
        failures += save(&window, out.filePath(QStringLiteral("pass_view.png"))) ? 0 : 1;
        tabs->setCurrentIndex(2);
        runEventsFor(0.5);
        failures += save(&window, out.filePath(QStringLiteral("sky_plot.png"))) ? 0 : 1;
        tabs->setCurrentIndex(0);
    }
    writeFields(station.panel(), out.filePath(QStringLiteral("panel_fields.tsv")));
    failures += shootEditors(station.panel(), out);
    station.cmd_Bye_Click();
    return failures ? 1 : 0;
}
