#include "sky/footprint.h"

#include "orbit/plan13_constants.h"

#include <algorithm>
#include <cmath>

namespace orv::sky {

namespace {

using orbit::plan13::RE;
constexpr double kDegree = M_PI / 180;

UnitCircle makeUnitCircle() {
    UnitCircle circle;
    for (int i = 0; i <= 120; ++i) {
        circle.sine[static_cast<size_t>(i)] = std::sin(i * 6.28318530717958 / 120);
        circle.cosine[static_cast<size_t>(i)] = std::cos(i * 6.28318530717958 / 120);
    }
    return circle;
}

MapPointF onMap(const GeoPoint& point, MapType type) {
    return {mapX(point.longitude, type), std::clamp(mapY(point.latitude), 0.0, kMapHeightUnits)};
}

// Where the line from `from` to `to` (which lies across the map's edge) meets the edge:
// the latitude there, and which edge `from` leaves by.
struct EdgeCrossing {
    double y;
    double leavingX; // 0 or the map's width
    double enteringX;
};

EdgeCrossing crossingBetween(const MapPointF& from, const MapPointF& to) {
    const bool westward = to.x > from.x; // from near the left edge to near the right
    const double toUnwrapped = westward ? to.x - kMapWidthUnits : to.x + kMapWidthUnits;
    const double leavingX = westward ? 0 : kMapWidthUnits;
    const double span = toUnwrapped - from.x;
    const double share = span != 0 ? (leavingX - from.x) / span : 0;
    return {from.y + share * (to.y - from.y), leavingX, kMapWidthUnits - leavingX};
}

bool acrossTheEdge(const MapPointF& from, const MapPointF& to) {
    return std::fabs(to.x - from.x) > kMapWidthUnits / 2;
}

// Adds `here` to the current line, first ending the line at the edge and starting a new
// one at the other edge when the step to it crosses the map's edge.
void extend(std::vector<MapPolyline>& lines, const MapPointF& here) {
    MapPolyline& current = lines.back();
    if (!current.empty() && acrossTheEdge(current.back(), here)) {
        const EdgeCrossing edge = crossingBetween(current.back(), here);
        current.push_back({edge.leavingX, edge.y});
        lines.push_back({{edge.enteringX, edge.y}});
    }
    lines.back().push_back(here);
}

std::vector<MapPointF> onMap(const std::vector<GeoPoint>& points, MapType type) {
    std::vector<MapPointF> mapped;
    mapped.reserve(points.size());
    for (const auto& point : points)
        mapped.push_back(onMap(point, type));
    return mapped;
}

} // namespace

const UnitCircle& unitCircle() {
    static const UnitCircle circle = makeUnitCircle();
    return circle;
}

double footprintHalfAngle(double altitude) {
    if (!(altitude > 0) || !std::isfinite(altitude)) return 0;
    return std::acos(RE / (RE + altitude)) / kDegree;
}

std::vector<GeoPoint> footprintCircle(double longitude, double latitude, double halfAngle,
                                      const UnitCircle& circle) {
    const double sinLat = std::sin(latitude * kDegree), cosLat = std::cos(latitude * kDegree);
    const double sinBeta = std::sin(halfAngle * kDegree), cosBeta = std::cos(halfAngle * kDegree);
    std::vector<GeoPoint> points(circle.sine.size());
    for (size_t k = 0; k < points.size(); ++k) {
        const double sinPointLat =
            std::clamp(sinLat * cosBeta + cosLat * sinBeta * circle.cosine[k], -1.0, 1.0);
        const double east = circle.sine[k] * sinBeta * cosLat;
        const double north = cosBeta - sinLat * sinPointLat;
        points[k] = {longitude + std::atan2(east, north) / kDegree,
                     std::asin(sinPointLat) / kDegree};
    }
    return points;
}

std::vector<MapPolyline> sat_foot(double longitude, double latitude, double altitude, MapType type,
                                  const UnitCircle& circle) {
    if (!std::isfinite(longitude) || !std::isfinite(latitude)) return {};
    auto points =
        onMap(footprintCircle(longitude, latitude, footprintHalfAngle(altitude), circle), type);
    points.pop_back(); // the last point repeats the first: the circle is walked round
    const size_t count = points.size();
    // Start just after a crossing of the edge, if there is one, so that every line
    // begins and ends on the edge.
    size_t start = 0;
    for (size_t i = 0; i < count; ++i)
        if (acrossTheEdge(points[(i + count - 1) % count], points[i])) {
            start = i;
            break;
        }
    std::vector<MapPolyline> lines(1);
    for (size_t step = 0; step <= count; ++step)
        extend(lines, points[(start + step) % count]);
    if (lines.size() == 1) return lines;
    // The walk ended where it began, entering by the edge it began at: that edge point
    // starts the first line.
    lines.front().insert(lines.front().begin(), lines.back().front());
    lines.pop_back();
    if (lines.size() % 2 == 1) {
        // Once round a pole: one line from edge to edge, closed along the top (north)
        // or bottom (south) edge of the map.
        MapPolyline& ring = lines.front();
        const double poleY = latitude >= 0 ? 0 : kMapHeightUnits;
        const MapPointF begin = ring.front();
        ring.push_back({ring.back().x, poleY});
        ring.push_back({begin.x, poleY});
        ring.push_back(begin);
    }
    return lines;
}

std::vector<MapPolyline> mapLines(const std::vector<GeoPoint>& points, MapType type) {
    std::vector<MapPolyline> lines(1);
    for (const auto& point : onMap(points, type))
        extend(lines, point);
    if (lines.front().empty()) lines.clear();
    return lines;
}

} // namespace orv::sky
