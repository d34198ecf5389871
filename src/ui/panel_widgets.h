// The widgets that show panel fields: one per field kind, each reporting the
// operator's gestures to the panel model under the field's name.
#pragma once

#include "core/panel.h"
#include "ui/panel_layout.h"

#include <QLabel>
#include <QString>
#include <string>

class QWidget;

namespace orv::ui {

// A label that reports clicks, double-clicks and mouse-downs.
class ActionLabel final : public QLabel {
public:
    ActionLabel(core::Panel& panel, std::string name);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    core::Panel& panel_;
    std::string name_;
    bool afterDoubleClick_ = false;
};

// A compass scale under a position bar: its words spread evenly from end to end,
// so each sits over the count it names.
class ScaleLabel final : public QLabel {
public:
    ScaleLabel();
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Ranges of the sliders and bars, by field.
struct SliderRange {
    int minimum;
    int maximum;
};
SliderRange sliderRange(const std::string& name);

// Makes the widget of one placement, wired to the panel.
QWidget* makeFieldWidget(const FieldPlacement& placement, core::Panel& panel);
// Gives a widget the look of its placement (fonts, frames, alignment, least width).
void applyLook(QWidget* widget, const FieldPlacement& placement);
// The style sheet for a field's colours (stored as 0x00BBGGRR), empty for the defaults.
QString colourStyle(const core::PanelField& field);

// Steps of a wrapping dial between two positions, the short way round.
int dialSteps(int from, int to, int positions);

} // namespace orv::ui
