// The satellite editor window and the radio notes window: views of the
// satellite editor model.
#pragma once

#include "core/satellite_editor.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orv::ui {

class SatelliteDialog final : public QDialog {
public:
    SatelliteDialog(core::SatelliteEditor& editor, QWidget* parent);
    // Copies the model's boxes and window state into the window.
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    core::SatelliteEditor& editor_;
    std::array<QLineEdit*, core::kSatelliteFieldCount> boxes_{};
    std::array<QLabel*, core::kSatelliteFieldCount> labels_{};
    QPushButton* save_ = nullptr;
    QLabel* help_ = nullptr;
    QDialog* notes_ = nullptr;
};

} // namespace orv::ui
