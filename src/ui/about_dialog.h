// The About window: variant, version and build.
#pragma once

#include "station/station.h"

class QWidget;

namespace orv::ui {

std::string aboutText(station::Station& station);
void showAboutWindow(QWidget* parent, station::Station& station);

} // namespace orv::ui
