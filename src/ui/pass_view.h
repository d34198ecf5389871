// The pass view: the selected satellite's current or next pass (AOS, culmination and
// LOS in local time and UTC, the countdown, the highest elevation) with a polar plot
// of it, and the next passes of the listed satellites over 24 hours. It reads the
// pass planner, which works between ticks; the view only shows what it found.
#pragma once

#include "station/pass_planner.h"

#include <QTimer>
#include <QWidget>
#include <array>

class QLabel;
class QTableWidget;

namespace orv::station {
class Station;
} // namespace orv::station

namespace orv::ui {

class PassPolarPlot;

class PassView final : public QWidget {
public:
    explicit PassView(station::Station& station, QWidget* parent = nullptr);

    // Shows the planner's findings and the present positions now (the view does this
    // once a second by itself).
    void refresh();
    station::PassPlanner& planner() { return planner_; }
    const QTableWidget& list() const { return *list_; }
    PassPolarPlot& plot() { return *plot_; }
    // The text of a readout: "aos", "max", "los" (local and UTC), "countdown",
    // "max_elevation", "length", "flip", "title".
    QString readout(const char* name) const;

private:
    void showSelected(double day);
    void showPlot();
    void showList();

    station::Station& station_;
    station::PassPlanner planner_;
    QLabel* title_ = nullptr;
    std::array<QLabel*, 3> local_{};
    std::array<QLabel*, 3> utc_{};
    std::array<QLabel*, 3> where_{};
    QLabel* countdown_ = nullptr;
    QLabel* maxElevation_ = nullptr;
    QLabel* length_ = nullptr;
    QLabel* flip_ = nullptr;
    PassPolarPlot* plot_ = nullptr;
    QTableWidget* list_ = nullptr;
    QLabel* listNote_ = nullptr;
    QTimer refreshTimer_;
};

// The map with the pass view and its polar plot on tabs beside it: what the main
// window shows in the map's place.
QWidget* mapBesidePassView(QWidget* map, PassView* view);

} // namespace orv::ui
