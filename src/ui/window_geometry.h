// Where the main window was and how large: kept in the settings store so the next
// run opens it there, and brought back onto the screen if that has shrunk since.
#pragma once

#include "core/settings_store.h"

#include <QSize>

class QWidget;

namespace orv::ui {

// Opens `window` where it was last closed, else at `defaultSize`.
void restoreWindowGeometry(QWidget& window, core::SettingsStore& store, QSize defaultSize);
void saveWindowGeometry(const QWidget& window, core::SettingsStore& store);

} // namespace orv::ui
