// The configuration editor window: shows the editor model's 35 boxes, each with its
// label, unit and the values it takes, and marks in red a text the station will not
// read as typed. Uninstalling sits apart from saving and is asked about first.
#pragma once

#include "core/config_editor.h"

#include <QDialog>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;

namespace orv::ui {

class ConfigDialog final : public QDialog {
public:
    ConfigDialog(core::ConfigEditor& editor, QWidget* parent);
    // Copies the model's boxes and open state into the window.
    void refresh();
    // Asks the operator before a destructive button acts; a message box unless replaced.
    std::function<bool(const QString& question)> confirm;
    // The mark beside box k: empty when the station reads the text as typed.
    QString markOf(int k) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showMark(int k);

    core::ConfigEditor& editor_;
    std::array<QLineEdit*, core::kConfigEntryCount> boxes_{};
    std::array<QLabel*, core::kConfigEntryCount> marks_{};
};

// A yes/no question with No as the default, in a message box over `parent`.
bool askBeforeDestroying(QWidget* parent, const QString& title, const QString& question);

} // namespace orv::ui
