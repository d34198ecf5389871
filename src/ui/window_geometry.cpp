#include "ui/window_geometry.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <cstdlib>
#include <string>

namespace orv::ui {

namespace {
constexpr const char* kApplication = "ORV_VIEW";
constexpr const char* kSection = "MainWindow";
constexpr const char* kKeys[] = {"x", "y", "width", "height"};

int storedNumber(core::SettingsStore& store, const char* key) {
    return std::atoi(store.get(kApplication, kSection, key, "0").c_str());
}

QRect availableArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
} // namespace

void restoreWindowGeometry(QWidget& window, core::SettingsStore& store, QSize defaultSize) {
    QRect stored(storedNumber(store, "x"), storedNumber(store, "y"), storedNumber(store, "width"),
                 storedNumber(store, "height"));
    const QRect area = availableArea();
    if (stored.width() <= 0 || stored.height() <= 0) {
        QSize size = defaultSize;
        if (area.isValid()) size = size.boundedTo(area.size());
        window.resize(size.expandedTo(window.minimumSize()));
        return;
    }
    if (area.isValid()) {
        // A window saved on a larger screen still opens whole on this one.
        stored.setSize(stored.size().boundedTo(area.size()));
        if (!area.contains(stored)) stored.moveTopLeft(area.topLeft());
    }
    window.resize(stored.size().expandedTo(window.minimumSize()));
    window.move(stored.topLeft());
}

void saveWindowGeometry(const QWidget& window, core::SettingsStore& store) {
    const QRect frame(window.pos(), window.size());
    const int values[] = {frame.x(), frame.y(), frame.width(), frame.height()};
    store.inTransaction([&] {
        for (size_t k = 0; k < std::size(kKeys); ++k)
            store.save(kApplication, kSection, kKeys[k], std::to_string(values[k]));
    });
}

} // namespace orv::ui
