#include "sky/map_projection.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace orv::sky {

namespace {

constexpr std::array<MapTypeInfo, 3> kMapTypes{{
    {MapType::Pacific, "nasauz.jpg", 334, 180},
    {MapType::Greenwich, "nasauk.jpg", 180, 0},
    {MapType::Americas, "nasaus.jpg", 83, 270},
}};

// Map units are 16-bit whole numbers, rounded half to even.
int wholeUnits(double units) {
    if (!std::isfinite(units)) return 0;
    return static_cast<std::int16_t>(std::nearbyint(units));
}

double wrapped360(double degrees) {
    const double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0 ? wrapped + 360 : wrapped;
}

} // namespace

const MapTypeInfo& mapTypeInfo(MapType type) {
    return kMapTypes[static_cast<size_t>(type)];
}

MapType mapTypeForCentre(int centreDegrees) {
    for (const auto& info : kMapTypes)
        if (info.centreSetting == centreDegrees) return info.type;
    return MapType::Greenwich;
}

bool mapTypeFromNumber(int number, MapType& type) {
    if (number < 0 || number >= static_cast<int>(kMapTypes.size())) return false;
    type = kMapTypes[static_cast<size_t>(number)].type;
    return true;
}

MapPoint sat_pos(double longitude, double latitude, MapType type) {
    double lon = longitude < 0 ? longitude + 360 : longitude;
    MapPoint point;
    switch (type) {
    case MapType::Pacific:
        point.x = wholeUnits(lon >= 334 ? (lon - 334) * 25 : lon * 25 + 650);
        break;
    case MapType::Greenwich: {
        const int whole = static_cast<int>(std::floor(lon * 25));
        point.x = lon <= 180 ? whole + 4500 : whole - 4500;
        break;
    }
    case MapType::Americas:
        point.x = wholeUnits(lon <= 83 ? lon * 25 + 6925 : (lon - 83) * 25);
        break;
    }
    point.y = wholeUnits(latitude < 0 ? kEquatorUnits + 25 * std::fabs(latitude)
                                      : kEquatorUnits - 25 * std::fabs(latitude));
    return point;
}

double mapX(double longitude, MapType type) {
    return wrapped360(longitude - mapTypeInfo(type).leftEdgeEast) * kUnitsPerDegree;
}

double mapY(double latitude) {
    return kEquatorUnits - latitude * kUnitsPerDegree;
}

double longitudeAt(double x, MapType type) {
    return wrapped360(x / kUnitsPerDegree + mapTypeInfo(type).leftEdgeEast);
}

double latitudeAt(double y) {
    return (kEquatorUnits - y) / kUnitsPerDegree;
}

} // namespace orv::sky
