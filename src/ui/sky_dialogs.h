// The sky's editor windows: the horizon table, the auto-track priorities (Form3) and the
// mean-anomaly schedule (Form4). Each only shows its editor model and reports edits and
// button clicks to it.
#pragma once

#include "core/horizon_editor.h"
#include "core/priority_editor.h"
#include "core/schedule_editor.h"

#include <QDialog>
#include <array>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace orv::ui {

class HorizonDialog final : public QDialog {
public:
    HorizonDialog(core::HorizonEditor& editor, QWidget* parent);
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    core::HorizonEditor& editor_;
    std::array<QLineEdit*, core::kHorizonSegments> boxes_{};
};

class PriorityDialog final : public QDialog {
public:
    PriorityDialog(core::PriorityEditor& editor, QWidget* parent);
    // Rebuilds the rows when the list changed, then copies the boxes.
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    core::PriorityEditor& editor_;
    QGridLayout* rows_ = nullptr;
    std::vector<QLabel*> names_;
    std::vector<QLineEdit*> boxes_;
};

class ScheduleDialog final : public QDialog {
public:
    ScheduleDialog(core::ScheduleEditor& editor, QWidget* parent);
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    core::ScheduleEditor& editor_;
    std::array<QLineEdit*, core::kScheduleKeys> boxes_{};
};

} // namespace orv::ui
