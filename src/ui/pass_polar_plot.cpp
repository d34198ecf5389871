#include "ui/pass_polar_plot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace orv::ui {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
const QColor kPath(40, 90, 200);
const QColor kFlippedPath(220, 120, 0);
const QColor kSatellite(250, 200, 0);
const QColor kAntennas(200, 30, 30);

void drawGrid(QPainter& painter, QPointF centre, double radius) {
    painter.setPen(QPen(QColor(150, 150, 150), 1));
    for (int elevation : {0, 30, 60}) {
        const double r = radius * (90 - elevation) / 90;
        painter.drawEllipse(centre, r, r);
        if (elevation)
            painter.drawText(centre + QPointF(3, -r + 12), QStringLiteral("%1°").arg(elevation));
    }
    painter.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
    painter.drawLine(centre - QPointF(0, radius), centre + QPointF(0, radius));
    painter.setPen(Qt::black);
    const struct {
        const char* name;
        double azimuth;
    } points[] = {{"N", 0}, {"E", 90}, {"S", 180}, {"W", 270}};
    for (const auto& point : points) {
        const QPointF at = polarPosition(point.azimuth, -8, centre, radius);
        painter.drawText(QRectF(at.x() - 10, at.y() - 8, 20, 16), Qt::AlignCenter,
                         QString::fromLatin1(point.name));
    }
}

void drawTrack(QPainter& painter, const PolarPlotContent& content, QPointF centre, double radius) {
    QPainterPath path;
    for (size_t k = 0; k < content.track.size(); ++k) {
        const QPointF at =
            polarPosition(content.track[k].azimuth, content.track[k].elevation, centre, radius);
        k ? path.lineTo(at) : path.moveTo(at);
    }
    painter.setPen(QPen(content.flipped ? kFlippedPath : kPath, 2));
    painter.drawPath(path);
    const auto mark = [&](const sky::PassPoint& point, const QColor& colour, const char* text) {
        const QPointF at = polarPosition(point.azimuth, point.elevation, centre, radius);
        painter.setBrush(colour);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(at, 4, 4);
        painter.setPen(Qt::black);
        painter.drawText(at + QPointF(6, -4), QString::fromLatin1(text));
    };
    mark(content.track.front(), QColor(0, 150, 0), "AOS");
    mark(content.track.back(), QColor(160, 0, 0), "LOS");
}

void drawNow(QPainter& painter, const PolarPlotContent& content, QPointF centre, double radius) {
    if (content.satellite && content.satellite->elevation >= 0) {
        const QPointF at =
            polarPosition(content.satellite->azimuth, content.satellite->elevation, centre, radius);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(kSatellite);
        painter.drawEllipse(at, 6, 6);
    }
    if (content.antennas) {
        const QPointF at =
            polarPosition(content.antennas->azimuth, content.antennas->elevation, centre, radius);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kAntennas, 2));
        painter.drawEllipse(at, 9, 9);
        painter.drawLine(at - QPointF(13, 0), at + QPointF(13, 0));
        painter.drawLine(at - QPointF(0, 13), at + QPointF(0, 13));
    }
}

} // namespace

QPointF polarPosition(double azimuth, double elevation, QPointF centre, double radius) {
    const double r = radius * (90 - std::min(elevation, 90.0)) / 90;
    return centre + QPointF(r * std::sin(azimuth * kDegree), -r * std::cos(azimuth * kDegree));
}

PassPolarPlot::PassPolarPlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(220, 240);
    setToolTip(QStringLiteral("The pass seen from the station: north up, the horizon the outer "
                              "ring. Yellow dot: the satellite; red cross: the antennas."));
}

void PassPolarPlot::setContent(PolarPlotContent content) {
    content_ = std::move(content);
    update();
}

void PassPolarPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const int legend = fontMetrics().height() + 4;
    const double radius = std::max(10.0, std::min(width(), height() - legend) / 2.0 - 18);
    const QPointF centre(width() / 2.0, radius + 18);
    drawGrid(painter, centre, radius);
    if (!content_.track.empty())
        drawTrack(painter, content_, centre, radius);
    else
        painter.drawText(QRectF(0, centre.y() - 10, width(), 20), Qt::AlignCenter,
                         content_.emptyText);
    drawNow(painter, content_, centre, radius);
    painter.setPen(Qt::black);
    const QRectF below(0, height() - legend, width(), legend);
    painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop,
                     content_.flipped ? QStringLiteral("yellow: satellite  red: antennas  "
                                                       "orange: flipped path")
                                      : QStringLiteral("yellow: satellite  red: antennas"));
}

} // namespace orv::ui
