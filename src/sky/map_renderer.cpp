#include "sky/map_renderer.h"

#include "sky/pixel_lines.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace orv::sky {

namespace {

struct MarkStyle {
    QColor dot;
    QColor outline;
    QColor footprint;
    double dotScale; // of the base dot radius
};

// Visible satellites yellow, those behind the station's surroundings hollow orange,
// the selected one larger and green with its name beside it.
MarkStyle styleOf(MapMark mark) {
    switch (mark) {
    case MapMark::Obscured:
        return {Qt::transparent, QColor(255, 140, 0), QColor(230, 120, 0), 1.0};
    case MapMark::Selected:
        return {QColor(40, 255, 80), Qt::black, QColor(40, 255, 80), 1.5};
    case MapMark::Visible:
        break;
    }
    return {QColor(255, 230, 40), Qt::black, QColor(220, 200, 40), 1.0};
}

const QColor kGroundTrack(120, 220, 255);
const QColor kSun(255, 200, 0);

class SceneDrawer {
public:
    SceneDrawer(QImage& image, const MapScene& scene, TileMask* touched)
        : image_(image), size_(image.size()), scene_(scene),
          unit_(std::max(1.0, image.width() / 512.0)), touched_(touched) {}

    void draw() {
        // Lines first, straight into the pixels; then the marks with a painter over them.
        for (const auto& satellite : scene_.satellites)
            if (satellite.mark != MapMark::Selected) drawFootprint(satellite);
        for (const auto& satellite : scene_.satellites)
            if (satellite.mark == MapMark::Selected) drawFootprint(satellite);
        drawGroundTrack();
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing);
        for (const auto& satellite : scene_.satellites)
            drawDot(satellite);
        if (scene_.sun) drawSun(*scene_.sun);
        for (const auto& satellite : scene_.satellites)
            if (satellite.mark == MapMark::Selected) drawName(satellite);
    }

private:
    // Footprints and tracks are long thin lines: drawn pixel by pixel, one-pixel lines
    // side by side for a thicker one, they cost a fraction of what a painter's do.
    void drawLines(const std::vector<MapPolyline>& lines, PixelPen pen, double widthUnits) {
        pen.thickness = std::max(1, int(std::lround(unit_ * widthUnits)));
        std::vector<QPoint> pixels;
        for (const auto& line : lines) {
            pixels.clear();
            for (const auto& point : line)
                pixels.push_back(toPixels(point, size_).toPoint());
            drawPixelPolyline(image_, pixels, pen, touched_);
        }
    }

    void drawFootprint(const MapSatellite& satellite) {
        PixelPen pen{styleOf(satellite.mark).footprint.rgb()};
        if (satellite.mark == MapMark::Obscured) pen.dashOn = 4, pen.dashOff = 2;
        drawLines(sat_foot(satellite.subLongitude, satellite.subLatitude, satellite.altitude,
                           scene_.type),
                  pen, satellite.mark == MapMark::Selected ? 0.6 : 0.4);
    }

    void drawGroundTrack() {
        if (scene_.groundTrack.empty()) return;
        drawLines(mapLines(scene_.groundTrack, scene_.type), PixelPen{kGroundTrack.rgb(), 1, 1, 2},
                  0.4);
    }

    QPointF dotCentre(const MapSatellite& satellite) const {
        const MapPoint dot = sat_pos(satellite.subLongitude, satellite.subLatitude, scene_.type);
        return toPixels({double(dot.x), double(dot.y)}, size_);
    }

    void drawDot(const MapSatellite& satellite) {
        const MarkStyle style = styleOf(satellite.mark);
        const double radius = 1.6 * unit_ * style.dotScale;
        const bool obscured = satellite.mark == MapMark::Obscured;
        painter_.setPen(QPen(style.outline, unit_ * (obscured ? 0.7 : 0.4)));
        // Below the horizon a dot is drawn hollow.
        const bool hollow = obscured || satellite.elevation < 0;
        painter_.setBrush(hollow ? QBrush(Qt::NoBrush) : QBrush(style.dot));
        if (hollow && !obscured) painter_.setPen(QPen(style.dot, unit_ * 0.6));
        painter_.drawEllipse(dotCentre(satellite), radius, radius);
        touch(dotCentre(satellite), radius + unit_);
    }

    void drawSun(const SunPosition& sun) {
        const MapPoint at = sat_pos(sun.longitude, sun.latitude, scene_.type);
        const QPointF centre = toPixels({double(at.x), double(at.y)}, size_);
        const double radius = 2.2 * unit_;
        painter_.setPen(QPen(kSun, unit_ * 0.5));
        for (int ray = 0; ray < 8; ++ray) {
            const double angle = ray * M_PI / 4;
            const QPointF direction(std::cos(angle), std::sin(angle));
            painter_.drawLine(centre + direction * radius * 1.3, centre + direction * radius * 2);
        }
        painter_.setPen(QPen(Qt::black, unit_ * 0.3));
        painter_.setBrush(kSun);
        painter_.drawEllipse(centre, radius, radius);
        touch(centre, radius * 2 + unit_);
    }

    void drawName(const MapSatellite& satellite) {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
        QFont font = painter_.font();
        font.setPixelSize(static_cast<int>(std::lround(5 * unit_)));
        font.setBold(true);
        painter_.setFont(font);
        const QPointF centre = dotCentre(satellite);
        const QString name = QString::fromStdString(satellite.name);
        const double width = QFontMetricsF(font).horizontalAdvance(name);
        // Beside the dot, on the side with room.
        const double gap = 3 * unit_;
        QPointF at(centre.x() + gap, centre.y() - gap);
        if (at.x() + width > size_.width()) at.setX(centre.x() - gap - width);
        if (at.y() < 5 * unit_) at.setY(centre.y() + gap + 4 * unit_);
        painter_.setPen(Qt::black);
        painter_.drawText(at + QPointF(unit_ * 0.4, unit_ * 0.4), name);
        painter_.setPen(Qt::white);
        painter_.drawText(at, name);
        const double size = font.pixelSize();
        touch(QRectF(at.x() - unit_, at.y() - 1.5 * size, width + 3 * unit_, 2.5 * size));
    }

    // Painted marks: their bounds, with a pixel or two for the antialiased edge.
    void touch(QPointF centre, double reach) {
        touch(QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach));
    }
    void touch(const QRectF& bounds) {
        if (touched_) touched_->mark(bounds.toAlignedRect().adjusted(-2, -2, 2, 2));
    }

    QImage& image_;
    QPainter painter_;
    QSize size_;
    const MapScene& scene_;
    double unit_; // a pixel at 512 pixels wide, so the marks keep their size on the map
    TileMask* touched_;
};

// The background copied whole into the target, made the background's size and format.
void copyBackground(const QImage& background, QImage& target) {
    // Drawing into the same buffer each time spares allocating (and faulting in) eight
    // megabytes at every update.
    if (target.size() != background.size() || target.format() != QImage::Format_RGB32)
        target = QImage(background.size(), QImage::Format_RGB32);
    if (background.format() == QImage::Format_RGB32 &&
        background.bytesPerLine() == target.bytesPerLine()) {
        std::memcpy(target.bits(), background.constBits(), size_t(background.sizeInBytes()));
    } else {
        QPainter copy(&target);
        copy.drawImage(0, 0, background);
    }
}

} // namespace

QPointF toPixels(const MapPointF& point, QSize size) {
    return {point.x * size.width() / kMapWidthUnits, point.y * size.height() / kMapHeightUnits};
}

MapPointF toMapUnits(QPointF pixel, QSize size) {
    if (size.isEmpty()) return {};
    return {pixel.x() * kMapWidthUnits / size.width(), pixel.y() * kMapHeightUnits / size.height()};
}

void renderMap(const MapScene& scene, const QImage& background, QImage& target) {
    if (background.isNull()) {
        target = QImage();
        return;
    }
    copyBackground(background, target);
    SceneDrawer(target, scene, nullptr).draw();
}

void renderMap(const MapScene& scene, const QImage& background, QImage& target, DrawnTiles& drawn) {
    if (background.isNull()) {
        target = QImage();
        drawn = {};
        return;
    }
    const bool asLeft = !target.isNull() && target.cacheKey() == drawn.targetKey &&
                        background.cacheKey() == drawn.backgroundKey &&
                        background.format() == QImage::Format_RGB32 &&
                        target.size() == drawn.tiles.size();
    if (asLeft)
        drawn.tiles.restore(background, target);
    else
        copyBackground(background, target);
    drawn.tiles.reset(target.size());
    SceneDrawer(target, scene, &drawn.tiles).draw();
    drawn.backgroundKey = background.cacheKey();
    drawn.targetKey = target.cacheKey();
}

QImage renderMap(const MapScene& scene, const QImage& background) {
    QImage image;
    renderMap(scene, background, image);
    return image;
}

} // namespace orv::sky
