// The polar plot of a pass: the sky seen from the station, north up and east to the
// right, the horizon the outer ring and the zenith the centre. Shows the pass's path
// with its rise and set, where the satellite is now, where the antennas point and
// whether the pass is tracked flipped.
#pragma once

#include "sky/pass_schedule.h"

#include <QPointF>
#include <QWidget>
#include <optional>
#include <vector>

namespace orv::ui {

// Where azimuth/elevation (degrees) falls on a plot of `radius` round `centre`; below
// the horizon it falls outside the ring (the compass letters sit there).
QPointF polarPosition(double azimuth, double elevation, QPointF centre, double radius);

struct PolarPlotContent {
    std::vector<sky::PassPoint> track; // empty: no pass to show
    std::optional<sky::PassPoint> satellite;
    std::optional<sky::PassPoint> antennas; // true bearing and elevation (0..90)
    bool flipped = false;                   // the path is tracked over the top (drawn orange)
    QString emptyText;                      // said when there is no track
};

class PassPolarPlot final : public QWidget {
public:
    explicit PassPolarPlot(QWidget* parent = nullptr);
    void setContent(PolarPlotContent content);
    const PolarPlotContent& content() const { return content_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PolarPlotContent content_;
};

} // namespace orv::ui
