#include "ui/about_dialog.h"

#include <QMessageBox>

#ifndef ORV_BUILD_ID
#define ORV_BUILD_ID "development"
#endif

namespace orv::ui {

std::string aboutText(station::Station& station) {
    const auto& startup = station.startup();
    const std::string box = startup.variant == 3 ? "parallel-port interface box (variant 3)"
                                                 : "USB/serial interface box (variant 4)";
    return "Orv_Kite satellite station controller\n" + startup.versionText + "  " +
           startup.versionDate + "\nFor the " + box + "\nBuild " ORV_BUILD_ID ", " __DATE__;
}

void showAboutWindow(QWidget* parent, station::Station& station) {
    QMessageBox::about(parent, QStringLiteral("About Orv_Kite"),
                       QString::fromStdString(aboutText(station)));
}

} // namespace orv::ui
