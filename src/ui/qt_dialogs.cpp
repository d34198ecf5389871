#include "ui/qt_dialogs.h"

#include <QMessageBox>

namespace orv::ui {

platform::DialogAnswer QtDialogs::show(const platform::DialogRequest& request) {
    using platform::DialogAnswer;
    using platform::DialogIcon;
    QMessageBox box;
    box.setWindowTitle(request.title.empty() ? QStringLiteral("Orv_Kite")
                                             : QString::fromStdString(request.title));
    box.setText(QString::fromStdString(request.text));
    switch (request.icon) {
    case DialogIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case DialogIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case DialogIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case DialogIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case DialogIcon::None:
        break;
    }
    if (request.buttons == platform::DialogButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(request.defaultAnswer == DialogAnswer::Yes ? QMessageBox::Yes
                                                                        : QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? DialogAnswer::Yes : DialogAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return DialogAnswer::Ok;
}

} // namespace orv::ui
