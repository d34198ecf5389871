// Draws a map scene over its day-and-night picture into an image of the same size:
// footprints, the ground track, the satellites' dots, the selected one's name and the
// sun. QtGui only; names are written only where a GUI application runs (fonts need it).
#pragma once

#include "sky/map_scene.h"
#include "sky/tile_mask.h"

#include <QImage>

namespace orv::sky {

QImage renderMap(const MapScene& scene, const QImage& background);
// The same into `target`, reusing its buffer when it already has the background's size.
void renderMap(const MapScene& scene, const QImage& background, QImage& target);

// What the last drawing into a target left behind: the background it went over, the
// target as it was left, and the tiles the drawing touched.
struct DrawnTiles {
    qint64 backgroundKey = 0;
    qint64 targetKey = 0;
    TileMask tiles;
};
// The same again and again into one target: when the background and the target are as
// the last drawing left them, only the tiles it touched are copied back before drawing.
void renderMap(const MapScene& scene, const QImage& background, QImage& target, DrawnTiles& drawn);

// Map units to the pixels of an image `size` and back.
QPointF toPixels(const MapPointF& point, QSize size);
MapPointF toMapUnits(QPointF pixel, QSize size);

} // namespace orv::sky
