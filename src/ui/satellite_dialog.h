// The satellite editor window and the radio notes window: views of the satellite
// editor model. The radios are chosen from the model list by name (the box keeps the
// number), ports and baud rates from the values the box takes, and the modes from the
// chosen radio's family; deleting and uninstalling sit apart and are asked about first.
#pragma once

#include "core/satellite_editor.h"

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orv::ui {

class SatelliteDialog final : public QDialog {
public:
    SatelliteDialog(core::SatelliteEditor& editor, QWidget* parent);
    // Copies the model's boxes and window state into the window.
    void refresh();
    // Asks the operator before a destructive button acts; a message box unless replaced.
    std::function<bool(const QString& question)> confirm;
    // The widget that shows box k (a line edit or a choice list).
    QWidget* box(int k) const { return boxes_[size_t(k - 1)]; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeBox(int k);
    void showBox(int k);
    void offerModes(int modeKey, int radioKey);

    core::SatelliteEditor& editor_;
    std::array<QWidget*, core::kSatelliteFieldCount> boxes_{};
    std::array<QLabel*, core::kSatelliteFieldCount> labels_{};
    QPushButton* save_ = nullptr;
    QLabel* help_ = nullptr;
    QDialog* notes_ = nullptr;
};

} // namespace orv::ui
