#include "ui/pass_view.h"

#include "core/station_state.h"
#include "rotator/rotator_drive.h"
#include "sky/pass_texts.h"
#include "station/station.h"
#include "ui/pass_polar_plot.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>

namespace orv::ui {

namespace {

constexpr int kRefreshMs = 1000;
const char* const kEvents[] = {"AOS", "Culmination", "LOS"};
const char* const kListColumns[] = {"Satellite", "AOS", "AOS UTC", "Max el.", "LOS", "Length"};

QString text(const std::string& words) {
    return QString::fromStdString(words);
}

QString degrees(double value) {
    char number[32];
    std::snprintf(number, sizeof number, "%.1f°", value);
    return QString::fromUtf8(number);
}

QLabel* readoutLabel(QGridLayout* grid, int row, int column, int columnSpan = 1) {
    auto* label = new QLabel(QStringLiteral("-"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(label, row, column, 1, columnSpan);
    return label;
}

// Where the antennas point as a direction in the sky: over the top (elevation past
// 90) the reciprocal bearing.
sky::PassPoint skyDirection(double azimuth, double elevation) {
    if (elevation <= 90) return {azimuth, elevation};
    return {std::fmod(azimuth + 180, 360), 180 - elevation};
}

QString flipWords(rotator::FlipState state) {
    switch (state) {
    case rotator::FlipState::On:
        return QStringLiteral("tracked flipped, over the top");
    case rotator::FlipState::Asked:
        return QStringLiteral("needed: click the flip control to accept");
    case rotator::FlipState::Off:
        break;
    }
    return QStringLiteral("not flipped");
}

} // namespace

PassView::PassView(station::Station& station, QWidget* parent)
    : QWidget(parent), station_(station), planner_(station) {
    setObjectName(QStringLiteral("passView"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    title_ = new QLabel;
    title_->setStyleSheet(QStringLiteral("QLabel{font-weight:bold;}"));
    outer->addWidget(title_);

    auto* top = new QHBoxLayout;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    const char* const heads[] = {"", "Local", "UTC", "Az / El"};
    for (int column = 0; column < 4; ++column)
        grid->addWidget(new QLabel(QString::fromLatin1(heads[column])), 0, column);
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(QString::fromLatin1(kEvents[row])), row + 1, 0);
        local_[size_t(row)] = readoutLabel(grid, row + 1, 1);
        utc_[size_t(row)] = readoutLabel(grid, row + 1, 2);
        where_[size_t(row)] = readoutLabel(grid, row + 1, 3);
    }
    grid->addWidget(new QLabel(QStringLiteral("Countdown")), 4, 0);
    countdown_ = readoutLabel(grid, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Max elevation")), 5, 0);
    maxElevation_ = readoutLabel(grid, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("Length")), 6, 0);
    length_ = readoutLabel(grid, 6, 1);
    grid->addWidget(new QLabel(QStringLiteral("Flip")), 7, 0);
    flip_ = readoutLabel(grid, 7, 1, 3);
    flip_->setWordWrap(true);
    top->addLayout(grid);
    top->addStretch(1);
    outer->addLayout(top);
    // The plot has a tab of its own beside the map (see mapBesidePassView); until it
    // is placed there it stays out of sight.
    plot_ = new PassPolarPlot(this);
    plot_->hide();

    listNote_ = new QLabel;
    listNote_->setWordWrap(true);
    outer->addWidget(listNote_);
    list_ = new QTableWidget(0, int(std::size(kListColumns)));
    for (int column = 0; column < list_->columnCount(); ++column)
        list_->setHorizontalHeaderItem(
            column, new QTableWidgetItem(QString::fromUtf8(kListColumns[column])));
    list_->verticalHeader()->hide();
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setMinimumHeight(60);
    // Compact rows in a slightly smaller face, so the list fits the map's column.
    QFont small = list_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    list_->setFont(small);
    list_->horizontalHeader()->setFont(small);
    list_->verticalHeader()->setDefaultSectionSize(QFontMetrics(small).height() + 4);
    list_->setToolTip(QStringLiteral("AOS and LOS in local time; Max el. in degrees"));
    outer->addWidget(list_, 1);

    planner_.changed = [this] { showList(); };
    connect(&refreshTimer_, &QTimer::timeout, this, [this] { refresh(); });
    refreshTimer_.start(kRefreshMs);
    planner_.start();
    refresh();
}

void PassView::refresh() {
    const double day = planner_.now();
    planner_.updateSelected(day);
    showSelected(day);
    showPlot();
}

void PassView::showSelected(double day) {
    const auto& planned = planner_.selectedPass();
    const std::string& name = planner_.selectedName();
    if (name == core::kNoSatellite)
        title_->setText(QStringLiteral("No satellite selected: type a name in the satellite box"));
    else if (!planned)
        title_->setText(text(name) + QStringLiteral(": no pass in the next 48 hours"));
    else
        title_->setText(QStringLiteral("Pass of ") + text(name));
    for (size_t k = 0; k < 3; ++k) {
        local_[k]->setText(QStringLiteral("-"));
        utc_[k]->setText(QStringLiteral("-"));
        where_[k]->setText(QStringLiteral("-"));
    }
    countdown_->setText(QStringLiteral("-"));
    maxElevation_->setText(QStringLiteral("-"));
    length_->setText(QStringLiteral("-"));
    if (!planned) return;
    const sky::Pass& pass = planned->pass;
    const double offset = station_.config().utcOffset;
    const std::optional<double> times[] = {pass.clearFrom, pass.peak, pass.clearTo};
    for (size_t k = 0; k < 3; ++k) {
        if (!times[k]) continue;
        local_[k]->setText(text(sky::passClock(*times[k], offset)));
        utc_[k]->setText(text(sky::passClock(*times[k], 0)));
    }
    where_[0]->setText(degrees(pass.aosAzimuth));
    where_[1]->setText(degrees(pass.peakElevation) + QStringLiteral(" el."));
    where_[2]->setText(degrees(pass.losAzimuth));
    countdown_->setText(text(sky::passCountdown(pass, day)));
    maxElevation_->setText(degrees(pass.peakElevation));
    length_->setText(text(sky::passLength(pass.durationSeconds())));
}

void PassView::showPlot() {
    PolarPlotContent content;
    content.track = planner_.selectedTrack();
    content.emptyText = QStringLiteral("no pass to show");
    const auto& loop = station_.loop();
    if (loop.selectedSatellite != core::kNoSatellite && loop.elementsValid)
        content.satellite =
            sky::PassPoint{station_.tracking().azimuth, station_.tracking().elevation};
    const rotator::RotatorDrive& drive = station_.rotatorDrive();
    if (!station_.interfaceBox().demo() && station_.interfaceBox().readingValid())
        content.antennas = skyDirection(drive.azimuthReading(), drive.elevationReading());
    content.flipped = drive.flipState() == rotator::FlipState::On;
    flip_->setText(flipWords(drive.flipState()));
    plot_->setContent(std::move(content));
}

void PassView::showList() {
    const double day = planner_.now();
    const double offset = station_.config().utcOffset;
    const auto& passes = planner_.upcoming();
    list_->setRowCount(int(passes.size()));
    for (size_t row = 0; row < passes.size(); ++row) {
        const sky::Pass& pass = passes[row].pass;
        const double rise = pass.clearFrom.value_or(pass.aos);
        const double set = pass.clearTo.value_or(pass.los);
        const QString cells[] = {
            text(passes[row].name),
            text(sky::passClock(rise, offset)) + (rise <= day ? QStringLiteral(" (up)") : ""),
            text(sky::passClock(rise, 0)),
            QString::number(pass.peakElevation, 'f', 1),
            text(sky::passClock(set, offset)),
            text(sky::passLength(pass.durationSeconds())),
        };
        for (int column = 0; column < int(std::size(cells)); ++column)
            list_->setItem(int(row), column, new QTableWidgetItem(cells[column]));
    }
    QString note = QStringLiteral("Next passes of the listed satellites over 24 hours");
    if (!planner_.listComplete()) note += QStringLiteral(" (working them out...)");
    if (!planner_.withoutElements().empty()) {
        QStringList names;
        for (const auto& name : planner_.withoutElements())
            names << text(name);
        note += QStringLiteral("; no element set for ") + names.join(QStringLiteral(", "));
    }
    listNote_->setText(note);
}

QString PassView::readout(const char* name) const {
    const std::string key = name;
    if (key == "title") return title_->text();
    if (key == "aos") return local_[0]->text() + ' ' + utc_[0]->text();
    if (key == "max") return local_[1]->text() + ' ' + utc_[1]->text();
    if (key == "los") return local_[2]->text() + ' ' + utc_[2]->text();
    if (key == "countdown") return countdown_->text();
    if (key == "max_elevation") return maxElevation_->text();
    if (key == "length") return length_->text();
    if (key == "flip") return flip_->text();
    return {};
}

QWidget* mapBesidePassView(QWidget* map, PassView* view) {
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("mapTabs"));
    // The tab says what the block is; its box need not say it again.
    if (auto* box = qobject_cast<QGroupBox*>(map)) box->setTitle(QString());
    tabs->addTab(map, QStringLiteral("World map"));
    // Scrolled rather than widening the window when the column is narrow.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(view);
    tabs->addTab(scroll, QStringLiteral("Passes"));
    view->plot().show();
    tabs->addTab(&view->plot(), QStringLiteral("Sky plot"));
    return tabs;
}

} // namespace orv::ui
