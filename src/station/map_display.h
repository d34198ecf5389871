// The world map's state in a run: the pictures, the operator's choices (map, sun,
// drawing threshold), the last click, and what the last map update drew.
#pragma once

#include "sky/day_night.h"
#include "sky/map_pictures.h"
#include "sky/map_renderer.h"
#include "sky/map_scene.h"

#include <QImage>
#include <optional>

namespace orv::station {

struct MapDisplay {
    sky::MapPictures pictures;
    sky::DayNightBackground background;
    sky::MapType type = sky::MapType::Greenwich;
    bool sunShown = true;
    // Until a filter control is clicked the map shows what is above the horizon.
    double threshold = 0;
    std::optional<sky::MapPointF> click; // map units, taken up by the next map update
    sky::MapScene scene;                 // the last update's
    QImage image;                        // the last update's drawing
    sky::DrawnTiles drawnTiles;          // what it touched, put back at the next update
    int drawings = 0;
};

} // namespace orv::station
