// The configuration editor window: shows the editor model's 35 boxes and buttons.
#pragma once

#include "core/config_editor.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace orv::ui {

class ConfigDialog final : public QDialog {
public:
    ConfigDialog(core::ConfigEditor& editor, QWidget* parent);
    // Copies the model's boxes and open state into the window.
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    core::ConfigEditor& editor_;
    std::array<QLineEdit*, core::kConfigEntryCount> boxes_{};
};

} // namespace orv::ui
