#include "ui/main_window.h"

#include "sky/map_hit_test.h"
#include "ui/about_dialog.h"
#include "ui/config_dialog.h"
#include "ui/map_widget.h"
#include "ui/name_completer.h"
#include "ui/panel_widgets.h"
#include "ui/pass_view.h"
#include "ui/satellite_dialog.h"
#include "ui/sky_dialogs.h"
#include "ui/window_geometry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>

namespace orv::ui {

namespace {

using core::Gesture;

// The labels whose yellow marks what the large knob tunes, and what each one is.
struct KnobTarget {
    const char* field;
    const char* words;
};
constexpr KnobTarget kKnobTargets[] = {
    {"lbl_linkup", "the uplink"},
    {"lbl_transp", "the transponder L.O."},
    {"lbl_linkdn", "the downlink"},
    {"lbl_convdn", "the down converter L.O."},
    {"lb_upcnvtr", "the up converter L.O."},
};

const char* styleForRole(TextRole role) {
    switch (role) {
    case TextRole::Legend:
        return "QLabel{color:#303030;}";
    case TextRole::Head:
        return "QLabel{font-weight:bold;}";
    case TextRole::Unit:
        return "QLabel{color:#505050;}";
    }
    return "";
}

QString withColours(const QWidget* widget, const core::PanelField& field) {
    const QString colours = colourStyle(field);
    const QString base = widget->property("orvBaseStyle").toString();
    if (!qobject_cast<const QLabel*>(widget)) return colours;
    return colours.isEmpty() ? base : base + "QLabel{" + colours + "}";
}

// A control that a routine left without words still says what it is for: an empty
// button cannot be found, let alone read.
QString shownCaption(const std::string& name, const core::PanelField& field) {
    if (!field.caption.empty()) return QString::fromStdString(field.caption);
    const FieldPlacement* placement = placementOf(name.c_str());
    if (placement && placement->kind == FieldKind::Action && placement->look == FieldLook::Plain)
        return QString::fromUtf8(placement->caption);
    return {};
}

} // namespace

// Makes the dialog of an editor on first use, then shows it up to date.
template <typename Dialog, typename Editor>
void MainWindow::showEditor(Dialog*& dialog, Editor& editor) {
    if (!dialog) dialog = new Dialog(editor, this);
    dialog->refresh();
    dialog->show();
    dialog->raise();
}

MainWindow::MainWindow(station::Station& station) : station_(station) {
    build();
    if (auto* entry = qobject_cast<QLineEdit*>(widgetFor("txt_entre")))
        nameCompleter_ = new NameCompleter(*entry, station_);
    setMapWidget(makeMapWidget());
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
    hooks.showHorizonEditor = [this] { showEditor(horizonDialog_, station_.horizonEditor()); };
    hooks.showPriorityEditor = [this] { showEditor(priorityDialog_, station_.priorityEditor()); };
    hooks.showScheduleEditor = [this] { showEditor(scheduleDialog_, station_.scheduleEditor()); };
    hooks.programEnded = [](int code) { QCoreApplication::exit(code); };
    hooks.mapDrawn = [this] { mapView_->setMap(station_.mapImage()); };
    station_.setViewHooks(hooks);
    station_.panel().subscribe(
        [this](const std::string& name, const core::PanelField& field) { mirror(name, field); });
    restoreWindowGeometry(*this, station_.store(), kDefaultSize);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::widgetFor(const std::string& name) const {
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

std::vector<QWidget*> MainWindow::widgetsFor(const std::string& name) const {
    std::vector<QWidget*> found;
    const auto [first, last] = widgets_.equal_range(name);
    for (auto it = first; it != last; ++it)
        found.push_back(it->second);
    return found;
}

void MainWindow::build() {
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(6);
    // Three columns, each a stack of blocks: tracking; the frequencies over the box
    // and the clock; the map over the rotators.
    const auto addColumn = [&](std::initializer_list<QWidget*> blocks, int stretch) {
        auto* column = new QVBoxLayout;
        for (QWidget* block : blocks)
            column->addWidget(block);
        columns->addLayout(column, stretch);
    };
    addColumn({buildBlock(PanelBlock::Tracking)}, 3);
    auto* frequencies = buildBlock(PanelBlock::Frequency);
    // The knobs sit under the frequencies, above the block's spare space.
    static_cast<QVBoxLayout*>(frequencies->layout())
        ->insertWidget(1, buildBlock(PanelBlock::Knobs));
    addColumn({frequencies, buildBlock(PanelBlock::Box)}, 4);
    passView_ = new PassView(station_);
    addColumn({mapBesidePassView(buildBlock(PanelBlock::Map), passView_),
               buildBlock(PanelBlock::Rotator)},
              4);
    setCentralWidget(central);

    core::Panel& panel = station_.panel();
    for (const auto& placement : panelLayout()) {
        const std::string name = placement.name;
        if (panel.caption(name).empty() && *placement.caption)
            panel.setCaption(name, placement.caption);
        if (placement.hidden) panel.setVisible(name, false);
        mirror(name, panel.field(name));
    }
    showDerivedReadouts();
}

// One group box per block, its fields on a grid in their fixed cells.
QWidget* MainWindow::buildBlock(PanelBlock block) {
    QWidget* box = nullptr;
    if (block == PanelBlock::Knobs) {
        box = new QWidget;
    } else {
        box = new QGroupBox(QString::fromUtf8(blockTitle(block)));
    }
    auto* outer = new QVBoxLayout(box);
    if (block == PanelBlock::Knobs) outer->setContentsMargins(0, 6, 0, 0);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    outer->addLayout(grid);
    outer->addStretch(1);
    grids_[block] = grid;

    core::Panel& panel = station_.panel();
    for (const auto& placement : panelLayout()) {
        if (placement.block != block) continue;
        QWidget* widget = makeFieldWidget(placement, panel);
        applyLook(widget, placement);
        const Cell& cell = placement.cell;
        grid->addWidget(widget, cell.row, cell.column, cell.rowSpan, cell.columnSpan);
        widgets_.emplace(placement.name, widget);
    }
    placeStaticTexts(block, grid);
    if (block == PanelBlock::Knobs) {
        knobTarget_ = new QLabel;
        knobTarget_->setObjectName(QStringLiteral("knobTarget"));
        knobTarget_->setWordWrap(true);
        grid->addWidget(knobTarget_, 3, 1, 1, 2);
        grid->setColumnStretch(0, 0);
    }
    if (block == PanelBlock::Map) {
        mapArea_ = box;
        auto* placeholder = new QLabel(QStringLiteral("World map"));
        placeholder->setObjectName(QStringLiteral("Picture1"));
        placeholder->setAlignment(Qt::AlignCenter);
        placeholder->setMinimumSize(360, 180);
        placeholder->setStyleSheet(QStringLiteral("QLabel{background:#1d2b3a;color:#c8d0d8;}"));
        grid->addWidget(placeholder, 1, 0, 1, grid->columnCount());
        grid->setRowStretch(1, 1);
        mapWidget_ = placeholder;
        // The calibration instructions cover the map while they are up.
        if (QWidget* help = widgetFor("txt_calib")) help->raise();
        outer->setStretch(0, 1);
        outer->setStretch(1, 0);
    }
    if (block == PanelBlock::Frequency) {
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(4, 1);
    }
    return box;
}

void MainWindow::placeStaticTexts(PanelBlock block, QGridLayout* grid) {
    for (const auto& text : panelTexts()) {
        if (text.block != block) continue;
        auto* label = new QLabel(QString::fromUtf8(text.text));
        label->setStyleSheet(QString::fromUtf8(styleForRole(text.role)));
        if (text.role == TextRole::Head) label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, text.row, text.column);
    }
}

void MainWindow::setMapWidget(QWidget* map) {
    QGridLayout* grid = grids_.at(PanelBlock::Map);
    if (mapWidget_) {
        grid->removeWidget(mapWidget_);
        mapWidget_->deleteLater();
    }
    mapWidget_ = map;
    grid->addWidget(map, 1, 0, 1, grid->columnCount());
    if (QWidget* help = widgetFor("txt_calib")) help->raise();
}

// The map as the station drew it; a press goes to the station as the panel gesture.
QWidget* MainWindow::makeMapWidget() {
    mapView_ = new MapWidget([this](double x, double y) {
        const sky::MapPoint at{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
        station_.panel().gesture("Picture1", Gesture::MouseDown, sky::packMapClick(at));
    });
    mapView_->setObjectName(QStringLiteral("Picture1"));
    mapView_->setToolTip(QStringLiteral("Click Satellite's Dot to activate tracking."));
    mapView_->setMap(station_.mapImage());
    mapView_->setMessageSource([this] { return QString::fromStdString(station_.mapAbsence()); });
    return mapView_;
}
void MainWindow::mirror(const std::string& name, const core::PanelField& field) {
    if (name == "MainWindow") {
        setWindowTitle(QString::fromStdString(field.caption));
        return;
    }
    const QString caption = shownCaption(name, field);
    for (QWidget* widget : widgetsFor(name)) {
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
        const QString style = withColours(widget, field);
        if (widget->styleSheet() != style) widget->setStyleSheet(style);
        widget->setVisible(field.visible);
        widget->setEnabled(field.enabled);
    }
    // Until the first drawing the map region says why there is none; the reason can
    // change with start-up, so it is looked at again once a second.
    if (name == "lbl_UTC" && mapView_ && !mapView_->hasDrawing()) mapView_->update();
    if (name == "lbl_CompEle" || name.rfind("lbl_link", 0) == 0 || name == "lbl_transp" ||
        name == "lbl_local_msg" || name == "lbl_convdn" || name == "lb_upcnvtr")
        showDerivedReadouts();
}

// Readouts the window works out from the station's state rather than a field.
void MainWindow::showDerivedReadouts() {
    if (QWidget* widget = widgetFor("lbl_rangerate")) {
        const auto& loop = station_.loop();
        QString text;
        if (loop.selectedSatellite != station::kNoSatellite && loop.elementsValid) {
            char value[32];
            std::snprintf(value, sizeof value, "%.3f", station_.tracking().rangeRate);
            text = QString::fromLatin1(value);
        }
        static_cast<QLabel*>(widget)->setText(text);
    }
    // A message about the knobs takes the place of what the large knob tunes.
    if (knobTarget_) knobTarget_->setVisible(!station_.panel().visible("lbl_local_msg"));
    if (knobTarget_) {
        QString words = QStringLiteral("nothing yet: dbl click a link or an L.O.");
        for (const auto& target : kKnobTargets)
            if (station_.panel().field(target.field).backColor == core::colour::kYellow)
                words = QString::fromUtf8(target.words);
        knobTarget_->setText(QStringLiteral("The large knob tunes %1").arg(words));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    saveWindowGeometry(*this, station_.store());
    station_.Form_Unload();
    event->accept();
}

} // namespace orv::ui
