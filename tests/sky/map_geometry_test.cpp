// The map's projection, footprints, ground-track cuts and the sun's place.
#include "orbit/day_instant.h"
#include "orbit/plan13.h"
#include "sky/day_night.h"
#include "sky/footprint.h"
#include "sky/map_projection.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orv::sky {
namespace {

constexpr double kDegree = M_PI / 180;

struct PosCase {
    MapType type;
    double longitude, latitude;
    int x, y;
};

TEST(SatPos, LeftEdgesCentresAndLatitudes) {
    const PosCase cases[] = {
        {MapType::Greenwich, 0, 0, 4500, 2225},     {MapType::Greenwich, 180, 0, 9000, 2225},
        {MapType::Greenwich, 181, 0, 25, 2225},     {MapType::Greenwich, -90, 0, 2250, 2225},
        {MapType::Pacific, 334, 0, 0, 2225},        {MapType::Pacific, 333, 0, 8975, 2225},
        {MapType::Pacific, 154, 0, 4500, 2225},     {MapType::Americas, 263, 0, 4500, 2225},
        {MapType::Americas, 83, 0, 9000, 2225},     {MapType::Americas, 84, 0, 25, 2225},
        {MapType::Greenwich, 10, 89, 4750, 0},      {MapType::Greenwich, 10, -89, 4750, 4450},
        {MapType::Greenwich, 10, 45.5, 4750, 1088}, {MapType::Pacific, -26, -10, 0, 2475},
    };
    for (const auto& c : cases) {
        const MapPoint point = sat_pos(c.longitude, c.latitude, c.type);
        EXPECT_EQ(point.x, c.x) << "type " << int(c.type) << " lon " << c.longitude;
        EXPECT_EQ(point.y, c.y) << "lat " << c.latitude;
    }
}

// The unrounded projection agrees with the station's conversion everywhere but on the
// edge itself, for every map type, and inverts.
TEST(SatPos, AgreesWithTheUnroundedProjection) {
    for (int number = 0; number < 3; ++number) {
        MapType type{};
        ASSERT_TRUE(mapTypeFromNumber(number, type));
        for (double lon = -179.7; lon < 360; lon += 7.3) {
            const double x = mapX(lon, type);
            const int dotX = sat_pos(lon, 0, type).x;
            EXPECT_NEAR(std::fmod(dotX + 9000, 9000), x, 1.0) << number << " " << lon;
            EXPECT_NEAR(std::remainder(longitudeAt(x, type) - lon, 360), 0, 1e-9);
        }
    }
    MapType none{};
    EXPECT_FALSE(mapTypeFromNumber(3, none));
    EXPECT_EQ(mapTypeForCentre(180), MapType::Pacific);
    EXPECT_EQ(mapTypeForCentre(270), MapType::Americas);
    EXPECT_EQ(mapTypeForCentre(90), MapType::Greenwich);
}

double greatCircleDegrees(const GeoPoint& a, const GeoPoint& b) {
    const double c = std::sin(a.latitude * kDegree) * std::sin(b.latitude * kDegree) +
                     std::cos(a.latitude * kDegree) * std::cos(b.latitude * kDegree) *
                         std::cos((a.longitude - b.longitude) * kDegree);
    return std::acos(std::clamp(c, -1.0, 1.0)) / kDegree;
}

// No step of a line may jump across the map; only a pole footprint's closing run along
// the top or bottom edge may span it.
void expectNoLineAcross(const std::vector<MapPolyline>& lines) {
    for (const auto& line : lines)
        for (size_t i = 1; i < line.size(); ++i) {
            const auto& a = line[i - 1];
            const auto& b = line[i];
            EXPECT_GE(b.x, 0);
            EXPECT_LE(b.x, kMapWidthUnits);
            const bool alongEdge = a.y == b.y && (a.y == 0 || a.y == kMapHeightUnits);
            if (!alongEdge) {
                EXPECT_LE(std::fabs(b.x - a.x), 200) << "step " << i;
            }
        }
}

TEST(Footprint, EveryPointLiesOnTheCircleTheSatelliteSees) {
    const double altitude = 800;
    const double beta = footprintHalfAngle(altitude);
    EXPECT_NEAR(beta, std::acos(6378.14 / 7178.14) / kDegree, 1e-9);
    const GeoPoint sub{20, 50};
    const auto circle = footprintCircle(sub.longitude, sub.latitude, beta, unitCircle());
    ASSERT_EQ(circle.size(), 121u);
    for (const auto& point : circle)
        EXPECT_NEAR(greatCircleDegrees(point, sub), beta, 1e-6);
    // Three degrees apart round the circle, the first due north of the sub-point.
    EXPECT_NEAR(circle[0].latitude, sub.latitude + beta, 1e-6);
    EXPECT_NEAR(circle[0].longitude, sub.longitude, 1e-6);
    EXPECT_GT(circle[30].longitude, sub.longitude); // a quarter round: east
    const auto lines = sat_foot(sub.longitude, sub.latitude, altitude, MapType::Greenwich);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 121u);
}

TEST(Footprint, AltitudeZeroOrBelowIsAPoint) {
    for (double altitude : {0.0, -5.0, double(NAN)}) {
        EXPECT_EQ(footprintHalfAngle(altitude), 0);
        const auto lines = sat_foot(100, -30, altitude, MapType::Greenwich);
        ASSERT_EQ(lines.size(), 1u);
        for (const auto& point : lines[0]) {
            EXPECT_NEAR(point.x, mapX(100, MapType::Greenwich), 1e-6);
            EXPECT_NEAR(point.y, mapY(-30), 1e-6);
        }
    }
    EXPECT_TRUE(sat_foot(NAN, 0, 800, MapType::Greenwich).empty());
}

TEST(Footprint, CrossingTheEdgeIsCutIntoTwoLinesMeetingAtTheEdge) {
    struct EdgeCase {
        MapType type;
        double longitude;
    };
    for (const auto& c : {EdgeCase{MapType::Greenwich, 179}, EdgeCase{MapType::Greenwich, 182},
                          EdgeCase{MapType::Pacific, 334}, EdgeCase{MapType::Americas, 80}}) {
        const auto lines = sat_foot(c.longitude, 10, 1500, c.type);
        ASSERT_EQ(lines.size(), 2u) << c.longitude;
        expectNoLineAcross(lines);
        // Each piece starts and ends on an edge, at the same heights on both sides.
        for (const auto& line : lines) {
            EXPECT_TRUE(line.front().x == 0 || line.front().x == kMapWidthUnits);
            EXPECT_TRUE(line.back().x == 0 || line.back().x == kMapWidthUnits);
        }
        EXPECT_NEAR(lines[0].front().y, lines[1].back().y, 1e-9);
        EXPECT_NEAR(lines[0].back().y, lines[1].front().y, 1e-9);
    }
}

TEST(Footprint, RoundAPoleIsClosedAlongTheTopOrBottomEdge) {
    struct PoleCase {
        double latitude;
        double edgeY;
    };
    for (const auto& c : {PoleCase{78, 0}, PoleCase{-81, kMapHeightUnits}}) {
        const auto lines = sat_foot(40, c.latitude, 3000, MapType::Greenwich);
        ASSERT_EQ(lines.size(), 1u);
        expectNoLineAcross(lines);
        const auto& ring = lines[0];
        EXPECT_NEAR(ring.front().x, ring.back().x, 1e-9);
        EXPECT_NEAR(ring.front().y, ring.back().y, 1e-9);
        int onEdge = 0;
        for (const auto& point : ring)
            onEdge += point.y == c.edgeY ? 1 : 0;
        EXPECT_GE(onEdge, 2) << c.latitude;
    }
}

TEST(GroundTrack, AnOpenLineIsCutAtTheEdge) {
    std::vector<GeoPoint> track;
    for (double lon = 170; lon <= 190; lon += 2)
        track.push_back({lon, (lon - 170) / 4});
    const auto lines = mapLines(track, MapType::Greenwich);
    ASSERT_EQ(lines.size(), 2u);
    expectNoLineAcross(lines);
    EXPECT_DOUBLE_EQ(lines[0].back().x, kMapWidthUnits);
    EXPECT_DOUBLE_EQ(lines[1].front().x, 0);
    EXPECT_NEAR(lines[0].back().y, mapY(2.5), 1e-9); // 180 E is halfway up the step
}

TEST(Sun, StandsOverTheTropicAtTheJuneSolsticeAndTheGreyLineIsWhereItSets) {
    // 2024 June 20 20:51 UTC: the sun is over 23.44 N, on the meridian 8.85 hours west of
    // Greenwich, less the 1.6 minutes the sun runs behind the clock then.
    const double day = orbit::dayOfUtc(orbit::parseUtcInstant("2024-06-20 20:51:00"));
    const orbit::SunPoint sun = orbit::sunAtDay(day);
    EXPECT_NEAR(sun.latitude / kDegree, 23.44, 0.05);
    EXPECT_NEAR(sun.longitude / kDegree, 360 - (8.85 - 1.6 / 60) * 15, 0.3);

    const SunPosition at{sun.longitude / kDegree, sun.latitude / kDegree};
    EXPECT_NEAR(sunHeightSine(at, at.longitude, at.latitude), 1, 1e-12);
    for (double lon = 0; lon < 360; lon += 15)
        EXPECT_NEAR(sunHeightSine(at, lon, terminatorLatitude(at, lon)), 0, 1e-9) << lon;
    // Midsummer: the north pole in daylight, the south pole in the dark.
    EXPECT_GT(sunHeightSine(at, 0, 89), 0);
    EXPECT_LT(sunHeightSine(at, 0, -89), 0);
}

} // namespace
} // namespace orv::sky
