// The main window: one widget per panel field, mirroring the Panel model and
// turning clicks, key presses and knob turns into the station's handlers.
#pragma once

#include "station/station.h"

#include <QMainWindow>
#include <map>
#include <string>

namespace orv::ui {

class ConfigDialog;
class SatelliteDialog;

class MainWindow final : public QMainWindow {
public:
    explicit MainWindow(station::Station& station);
    ~MainWindow() override;

    QWidget* widgetFor(const std::string& name) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void mirror(const std::string& name, const core::PanelField& field);

    station::Station& station_;
    std::map<std::string, QWidget*> widgets_;
    ConfigDialog* configDialog_ = nullptr;
    SatelliteDialog* satelliteDialog_ = nullptr;
};

} // namespace orv::ui
