// The map pictures of the program directory: the day map of the chosen type and the
// night map turned to the same left edge.
#pragma once

#include "sky/map_projection.h"

#include <QImage>
#include <string>

namespace orv::sky {

inline constexpr const char* kNightPicture = "night.jpg";
// The longitude at the night picture's left edge, as scripts/make-maps writes it.
inline constexpr double kNightLeftEdgeEast = 180;

class MapPictures {
public:
    // Reads the day map of `type` from `directory`; false (and `missing` names the file)
    // when it cannot be read. The night map is optional: without it the night side is
    // only darkened.
    bool load(const std::string& directory, MapType type, std::string& missing);

    // True when all three day maps are in `directory`; `missing` names the first absent.
    static bool allPresent(const std::string& directory, std::string& missing);

    MapType type() const { return type_; }
    const QImage& day() const { return day_; }
    const QImage& night() const { return night_; }
    bool loaded() const { return !day_.isNull(); }

private:
    MapType type_ = MapType::Greenwich;
    QImage day_;
    QImage night_;
};

// `picture` (a whole map of 360 degrees) turned so that `toLeftEdge` is at its left
// edge instead of `fromLeftEdge`, and scaled to `size`.
QImage rolledPicture(const QImage& picture, double fromLeftEdge, double toLeftEdge, QSize size);

} // namespace orv::sky
