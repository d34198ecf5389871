#include "ui/main_window.h"

#include "ui/about_dialog.h"
#include "ui/config_dialog.h"
#include "ui/panel_layout.h"
#include "ui/satellite_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDial>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>

namespace orv::ui {

namespace {

using core::Gesture;

// A label that reports clicks and double-clicks.
class ActionLabel final : public QLabel {
public:
    ActionLabel(core::Panel& panel, std::string name) : panel_(panel), name_(std::move(name)) {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        panel_.gesture(name_, Gesture::MouseDown, event->button() == Qt::RightButton ? 2 : 1);
    }
    // A double-click reports Click (first release) then DblClick; the second release
    // must not undo it with another Click.
    void mouseReleaseEvent(QMouseEvent*) override {
        if (afterDoubleClick_) {
            afterDoubleClick_ = false;
            return;
        }
        panel_.gesture(name_, Gesture::Click);
    }
    void mouseDoubleClickEvent(QMouseEvent*) override {
        afterDoubleClick_ = true;
        panel_.gesture(name_, Gesture::DblClick);
    }

private:
    core::Panel& panel_;
    std::string name_;
    bool afterDoubleClick_ = false;
};

// Steps of a wrapping dial between two positions, the short way round.
int dialSteps(int from, int to, int positions) {
    int steps = (to - from) % positions;
    if (steps > positions / 2) steps -= positions;
    if (steps < -positions / 2) steps += positions;
    return steps;
}

constexpr int kDialPositions = 100;
constexpr int kSliderRange = 45; // degrees either way

QString colourStyle(const core::PanelField& field) {
    QString style;
    const auto rgb = [](int bgr) {
        return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF).name();
    };
    if (field.backColor >= 0) style += "background-color:" + rgb(field.backColor) + ";";
    if (field.foreColor >= 0) style += "color:" + rgb(field.foreColor) + ";";
    return style;
}

} // namespace

MainWindow::MainWindow(station::Station& station) : station_(station) {
    build();
    station::ViewHooks hooks;
    hooks.showConfigEditor = [this] {
        if (!configDialog_) configDialog_ = new ConfigDialog(station_.configEditor(), this);
        configDialog_->refresh();
        configDialog_->show();
        configDialog_->raise();
    };
    hooks.showAbout = [this] { showAboutWindow(this, station_); };
    hooks.showSatelliteEditor = [this] {
        if (!satelliteDialog_)
            satelliteDialog_ = new SatelliteDialog(station_.satelliteEditor(), this);
        satelliteDialog_->refresh();
        satelliteDialog_->show();
        satelliteDialog_->raise();
    };
    hooks.programEnded = [](int code) { QCoreApplication::exit(code); };
    station_.setViewHooks(hooks);
    station_.panel().subscribe(
        [this](const std::string& name, const core::PanelField& field) { mirror(name, field); });
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::widgetFor(const std::string& name) const {
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

void MainWindow::build() {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    std::map<PanelGroup, QGridLayout*> groups;
    const auto groupLayout = [&](PanelGroup group) {
        if (auto it = groups.find(group); it != groups.end()) return it->second;
        auto* box = new QGroupBox(QString::fromUtf8(groupTitle(group)), central);
        auto* layout = new QGridLayout(box);
        const int index = static_cast<int>(groups.size());
        grid->addWidget(box, index / 2, index % 2);
        groups[group] = layout;
        return layout;
    };

    core::Panel& panel = station_.panel();
    for (const auto& placement : panelLayout()) {
        QGridLayout* layout = groupLayout(placement.group);
        const std::string name = placement.name;
        QWidget* widget = nullptr;
        switch (placement.kind) {
        case FieldKind::Label: {
            auto* label = new QLabel;
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setMinimumWidth(120);
            widget = label;
            break;
        }
        case FieldKind::Action:
            widget = new ActionLabel(panel, name);
            break;
        case FieldKind::Check: {
            auto* check = new QCheckBox(QString::fromUtf8(placement.caption));
            connect(check, &QCheckBox::clicked, this, [&panel, name](bool on) {
                panel.setValue(name, on ? 1 : 0);
                panel.gesture(name, Gesture::Click);
            });
            widget = check;
            break;
        }
        case FieldKind::Entry: {
            auto* entry = new QLineEdit;
            connect(entry, &QLineEdit::textEdited, this, [&panel, name](const QString& text) {
                panel.setCaption(name, text.toStdString());
            });
            connect(entry, &QLineEdit::returnPressed, this,
                    [&panel, name] { panel.gesture(name, Gesture::KeyPress, 13); });
            widget = entry;
            break;
        }
        case FieldKind::Knob: {
            // A knob reports signed steps turned since its last report, not a position.
            auto* dial = new QDial;
            dial->setRange(0, kDialPositions - 1);
            dial->setWrapping(true);
            connect(dial, &QDial::valueChanged, this,
                    [&panel, name, last = 0](int position) mutable {
                        const int steps = dialSteps(last, position, kDialPositions);
                        last = position;
                        if (steps == 0) return;
                        panel.setValue(name, steps);
                        panel.gesture(name, Gesture::Change, steps);
                    });
            widget = dial;
            break;
        }
        case FieldKind::Slider: {
            auto* slider = new QSlider(Qt::Horizontal);
            slider->setRange(-kSliderRange, kSliderRange);
            connect(slider, &QAbstractSlider::valueChanged, this, [&panel, name](int value) {
                panel.setValue(name, value);
                panel.gesture(name, Gesture::Change, value);
            });
            widget = slider;
            break;
        }
        case FieldKind::Button: {
            auto* button = new QPushButton(QString::fromUtf8(placement.caption));
            connect(button, &QPushButton::clicked, this,
                    [&panel, name] { panel.gesture(name, Gesture::Click); });
            widget = button;
            break;
        }
        }
        widget->setObjectName(QString::fromStdString(name));
        if (*placement.hint) widget->setToolTip(QString::fromUtf8(placement.hint));
        const int count = layout->count();
        layout->addWidget(widget, count / 2, count % 2);
        widgets_[name] = widget;
        if (panel.caption(name).empty() && *placement.caption)
            panel.setCaption(name, placement.caption);
        if (placement.hidden) panel.setVisible(name, false);
        mirror(name, panel.field(name));
    }
    setCentralWidget(central);
    setMinimumSize(900, 640);
}

void MainWindow::mirror(const std::string& name, const core::PanelField& field) {
    if (name == "MainWindow") {
        setWindowTitle(QString::fromStdString(field.caption));
        return;
    }
    QWidget* widget = widgetFor(name);
    if (!widget) return;
    const QString caption = QString::fromStdString(field.caption);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text() != caption) label->setText(caption);
    } else if (auto* entry = qobject_cast<QLineEdit*>(widget)) {
        if (entry->text() != caption) entry->setText(caption);
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        check->setChecked(field.value != 0);
    } else if (auto* slider = qobject_cast<QSlider*>(widget)) {
        const QSignalBlocker block(slider);
        slider->setValue(static_cast<int>(field.value));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        if (!caption.isEmpty()) button->setText(caption);
    }
    widget->setStyleSheet(colourStyle(field));
    widget->setVisible(field.visible);
    widget->setEnabled(field.enabled);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    station_.Form_Unload();
    event->accept();
}

} // namespace orv::ui
