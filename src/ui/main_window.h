// The main window: one widget per panel field in its fixed place, mirroring the
// Panel model and turning clicks, key presses and knob turns into the station's
// handlers.
#pragma once

#include "station/station.h"
#include "ui/panel_layout.h"

#include <QMainWindow>
#include <map>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;

namespace orv::ui {

class ConfigDialog;
class MapWidget;
class NameCompleter;
class PassView;
class SatelliteDialog;
class HorizonDialog;
class PriorityDialog;
class ScheduleDialog;

class MainWindow final : public QMainWindow {
public:
    // The size the window opens at the first time; it fits a 1366 x 768 screen.
    static constexpr QSize kDefaultSize{1340, 700};

    explicit MainWindow(station::Station& station);
    ~MainWindow() override;

    // The widget that shows a field (the first, where a field shows in two places).
    QWidget* widgetFor(const std::string& name) const;
    // Every widget of a field.
    std::vector<QWidget*> widgetsFor(const std::string& name) const;
    // The region the world map takes; the map view puts itself in with setMapWidget.
    QWidget* mapArea() const { return mapArea_; }
    void setMapWidget(QWidget* map);
    MapWidget* mapView() const { return mapView_; }
    // The pass view, on a tab beside the map.
    PassView* passView() const { return passView_; }
    // The completion of the satellite-name box.
    NameCompleter* nameCompleter() const { return nameCompleter_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    QWidget* buildBlock(PanelBlock block);
    void placeStaticTexts(PanelBlock block, QGridLayout* grid);
    void mirror(const std::string& name, const core::PanelField& field);
    void showDerivedReadouts();
    QWidget* makeMapWidget();
    template <typename Dialog, typename Editor> void showEditor(Dialog*& dialog, Editor& editor);

    station::Station& station_;
    std::multimap<std::string, QWidget*> widgets_;
    std::map<PanelBlock, QGridLayout*> grids_;
    QWidget* mapArea_ = nullptr;
    QWidget* mapWidget_ = nullptr;
    MapWidget* mapView_ = nullptr;
    PassView* passView_ = nullptr;
    NameCompleter* nameCompleter_ = nullptr;
    QLabel* knobTarget_ = nullptr;
    ConfigDialog* configDialog_ = nullptr;
    SatelliteDialog* satelliteDialog_ = nullptr;
    HorizonDialog* horizonDialog_ = nullptr;
    PriorityDialog* priorityDialog_ = nullptr;
    ScheduleDialog* scheduleDialog_ = nullptr;
};

} // namespace orv::ui
