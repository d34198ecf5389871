#include "sky/pixel_lines.h"

#include <cstdlib>

namespace orv::sky {

namespace {

class PixelWriter {
public:
    PixelWriter(QImage& image, const PixelPen& pen, TileMask* touched)
        : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()),
          height_(image.height()), pen_(pen), period_(pen.dashOn + pen.dashOff), touched_(touched) {
    }

    // Bresenham from `from` to `to`, leaving out `to` itself, so consecutive segments
    // of a polyline do not plot their shared corner twice (and the dash runs on evenly).
    void segment(QPoint from, QPoint to) {
        // A segment far longer than the image can hold came from a point far off it.
        if (std::abs(qint64(to.x()) - from.x()) + std::abs(qint64(to.y()) - from.y()) >
            4 * qint64(width_ + height_))
            return;
        const int dx = std::abs(to.x() - from.x()), dy = -std::abs(to.y() - from.y());
        const int sx = from.x() < to.x() ? 1 : -1, sy = from.y() < to.y() ? 1 : -1;
        int error = dx + dy, x = from.x(), y = from.y();
        while (x != to.x() || y != to.y()) {
            plot(x, y);
            const int twice = 2 * error;
            if (twice >= dy) error += dy, x += sx;
            if (twice <= dx) error += dx, y += sy;
        }
    }

    void last(QPoint at) { plot(at.x(), at.y()); }

private:
    void plot(int x, int y) {
        const bool on = pen_.dashOff <= 0 || step_ % period_ < pen_.dashOn;
        ++step_;
        if (!on) return;
        for (int k = 0; k < pen_.thickness; ++k) {
            const int px = x + k, py = y + k;
            if (px < 0 || py < 0 || px >= width_ || py >= height_) continue;
            reinterpret_cast<QRgb*>(bits_ + qsizetype(py) * stride_)[px] = pen_.colour;
            if (touched_) touched_->markPixel(px, py);
        }
    }

    uchar* bits_;
    qsizetype stride_;
    int width_, height_;
    PixelPen pen_;
    int period_;
    long step_ = 0;
    TileMask* touched_;
};

bool drawable(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

} // namespace

void drawPixelPolyline(QImage& image, std::span<const QPoint> points, const PixelPen& pen,
                       TileMask* touched) {
    if (points.empty() || !drawable(image) || pen.thickness < 1 || pen.dashOn < 1) return;
    const QRgb opaque = pen.colour | 0xFF000000u;
    PixelWriter writer(image, PixelPen{opaque, pen.thickness, pen.dashOn, pen.dashOff}, touched);
    for (size_t k = 1; k < points.size(); ++k)
        writer.segment(points[k - 1], points[k]);
    writer.last(points.back());
}

} // namespace orv::sky
