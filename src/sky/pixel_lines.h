#pragma once
// Thin lines drawn straight into a 32-bit image, pixel by pixel: the world map's
// footprints and ground track are thousands of short segments, which this draws in a
// small fraction of the time a general painter takes.
#include "sky/tile_mask.h"

#include <QImage>
#include <QPoint>
#include <span>

namespace orv::sky {

struct PixelPen {
    QRgb colour;
    int thickness = 1; // further copies of the line, each a pixel down and to the right
    // On and off runs in pixels along the line; off 0 draws it whole.
    int dashOn = 1;
    int dashOff = 0;
};

// Draws the polyline through `points` into `image` (Format_RGB32 or ARGB32), clipped to
// the image. Other formats are left untouched. Every pixel written is marked in `touched`
// when one is given.
void drawPixelPolyline(QImage& image, std::span<const QPoint> points, const PixelPen& pen,
                       TileMask* touched = nullptr);

} // namespace orv::sky
