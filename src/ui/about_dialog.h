// The About window: variant, version and build.
#pragma once

#include "core/station.h"

class QWidget;

namespace orv::ui {

std::string aboutText(core::Station& station);
void showAboutWindow(QWidget* parent, core::Station& station);

} // namespace orv::ui
