// The world map's projection: 25 map units per degree, 9000 units (360 degrees) wide,
// the equator 2225 units down, and three map types that differ in the longitude at
// their left edge.
#pragma once

#include <string>

namespace orv::sky {

inline constexpr double kUnitsPerDegree = 25;
inline constexpr double kMapWidthUnits = 9000;
inline constexpr double kMapHeightUnits = 4450; // 89 degrees north to 89 south
inline constexpr double kEquatorUnits = 2225;

// 0: "nasauz.jpg", centred on 154 E; 1: "nasauk.jpg", on 0; 2: "nasaus.jpg", on 263 E.
enum class MapType { Pacific = 0, Greenwich = 1, Americas = 2 };

struct MapTypeInfo {
    MapType type;
    const char* picture; // file in the program directory
    double leftEdgeEast; // longitude at x = 0, degrees east
    int centreSetting;   // the configuration's map centre that chooses it
};

const MapTypeInfo& mapTypeInfo(MapType type);
// The configuration's map centre (0, 180 or 270; anything else counts as 0).
MapType mapTypeForCentre(int centreDegrees);
// 0, 1 or 2 as typed; false for anything else.
bool mapTypeFromNumber(int number, MapType& type);

// A point on the map in map units (x east from the left edge, y down from 89 north).
struct MapPoint {
    int x = 0;
    int y = 0;
};

struct MapPointF {
    double x = 0;
    double y = 0;
};

// The station's own conversion of a longitude (degrees east, either sign) and latitude
// (degrees north) into whole map units, rounding as it always has.
MapPoint sat_pos(double longitude, double latitude, MapType type);

// The same projection without rounding: x in [0, 9000), the left edge included.
double mapX(double longitude, MapType type);
double mapY(double latitude);

// Longitude east (0..360) and latitude of a map position; the inverse of mapX and mapY.
double longitudeAt(double x, MapType type);
double latitudeAt(double y);

} // namespace orv::sky
