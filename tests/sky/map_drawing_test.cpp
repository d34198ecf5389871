// The drawn map: dots, the sun, the night side, and which dot a click falls on.
#include "sky/day_night.h"
#include "sky/map_hit_test.h"
#include "sky/map_pictures.h"
#include "sky/map_renderer.h"

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace orv::sky {
namespace {

const QSize kSize(1024, 506);

QImage plainMap(QColor colour = QColor(30, 90, 160)) {
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QPoint pixelOf(double longitude, double latitude, MapType type) {
    const MapPoint at = sat_pos(longitude, latitude, type);
    return toPixels({double(at.x), double(at.y)}, kSize).toPoint();
}

int brightness(QRgb pixel) {
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel);
}

MapScene sceneWith(std::vector<MapSatellite> satellites, MapType type = MapType::Greenwich) {
    MapScene scene;
    scene.type = type;
    scene.satellites = std::move(satellites);
    return scene;
}

TEST(MapDrawing, EachMarkChangesThePixelsAtItsDotAndNowhereFar) {
    const QImage bare = plainMap();
    for (MapMark mark : {MapMark::Visible, MapMark::Obscured, MapMark::Selected}) {
        const auto scene = sceneWith({{"AO-7", -60, 30, 0, 10, mark}});
        const QImage drawn = renderMap(scene, bare);
        ASSERT_EQ(drawn.size(), bare.size());
        const QPoint dot = pixelOf(-60, 30, MapType::Greenwich);
        // A hollow dot shows on its ring, a filled one at its centre.
        const QPoint probe = mark == MapMark::Obscured ? dot + QPoint(3, 0) : dot;
        bool changed = false;
        for (int dx = -1; dx <= 1; ++dx)
            changed |= drawn.pixel(probe + QPoint(dx, 0)) != bare.pixel(probe);
        EXPECT_TRUE(changed) << mapMarkWord(mark);
        EXPECT_EQ(drawn.pixel(pixelOf(120, -40, MapType::Greenwich)), bare.pixel(0, 0));
    }
}

TEST(MapDrawing, TheSelectedSatelliteIsSetApartByColourAndItsName) {
    const QImage bare = plainMap();
    const QImage visible = renderMap(sceneWith({{"AO-7", 0, 0, 0, 10, MapMark::Visible}}), bare);
    const QImage selected = renderMap(sceneWith({{"AO-7", 0, 0, 0, 10, MapMark::Selected}}), bare);
    const QPoint dot = pixelOf(0, 0, MapType::Greenwich);
    EXPECT_NE(visible.pixel(dot), selected.pixel(dot));
    // The name is written up and to the right of the dot.
    const QRect label(dot + QPoint(4, -20), QSize(60, 18));
    int written = 0;
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x)
            written += selected.pixel(x, y) != bare.pixel(x, y) ? 1 : 0;
    EXPECT_GT(written, 20);
}

TEST(MapDrawing, TheSunIsMarkedOnlyWhenShown) {
    const QImage bare = plainMap();
    MapScene scene = sceneWith({}, MapType::Pacific);
    EXPECT_EQ(renderMap(scene, bare), bare);
    scene.sun = SunPosition{200, -15};
    const QImage drawn = renderMap(scene, bare);
    const QPoint sun = pixelOf(200, -15, MapType::Pacific);
    EXPECT_NE(drawn.pixel(sun), bare.pixel(sun));
    EXPECT_GT(qRed(drawn.pixel(sun)), 200); // the sun's own yellow
}

TEST(MapDrawing, TheGroundTrackIsDrawnWithoutALineAcrossTheMap) {
    const QImage bare = plainMap();
    MapScene scene = sceneWith({});
    for (double lon = 150; lon <= 210; lon += 3)
        scene.groundTrack.push_back({lon, 0});
    const QImage drawn = renderMap(scene, bare);
    const int row = pixelOf(0, 0, MapType::Greenwich).y();
    int changed = 0;
    for (int x = 0; x < kSize.width(); ++x)
        changed += drawn.pixel(x, row) != bare.pixel(x, row);
    // Only the 60 degrees of the track, near both edges, not the 300 between.
    EXPECT_GT(changed, 10);
    EXPECT_LT(changed, kSize.width() * 70 / 360);
    EXPECT_EQ(drawn.pixel(kSize.width() / 2, row), bare.pixel(0, 0));
}

// A background with a different colour at every pixel, so a pixel left over from an
// earlier drawing, or copied from the wrong place, shows.
QImage texturedMap(int seed) {
    QImage image(kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize.height(); ++y)
        for (int x = 0; x < kSize.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed) & 255, (y * 5 + x) & 255, (x ^ y) & 255));
    return image;
}

TEST(MapDrawing, DrawingAgainIntoOneImageLeavesNothingOfTheLastDrawing) {
    const QImage background = texturedMap(0);
    MapScene first = sceneWith({{"AO-7", -60, 30, 1500, 10, MapMark::Selected},
                                {"FO-29", 100, -70, 1300, 5, MapMark::Visible},
                                {"ISS", 179.5, 10, 420, 2, MapMark::Obscured}});
    first.sun = SunPosition{20, -15};
    for (double lon = -60; lon <= 200; lon += 4)
        first.groundTrack.push_back({lon, 30 * std::sin(lon * M_PI / 180)});
    // Everything moved, another selected with a longer name, no sun, no track.
    MapScene second = sceneWith({{"AO-7", -50, 25, 1500, 10, MapMark::Visible},
                                 {"OSCAR 7 (AO-7) LONG", 110, -68, 1300, 5, MapMark::Selected}});
    QImage target;
    DrawnTiles drawn;
    for (const MapScene* scene : {&first, &second, &first, &second}) {
        renderMap(*scene, background, target, drawn);
        ASSERT_EQ(target, renderMap(*scene, background));
        EXPECT_GT(drawn.tiles.markedTiles(), 0);
    }
    // Only part of the picture was touched, or nothing is gained.
    const int tiles = ((kSize.width() + 31) / 32) * ((kSize.height() + 31) / 32);
    EXPECT_LT(drawn.tiles.markedTiles(), tiles / 2);

    // A new background (the sun moved), or a target changed since, is copied whole.
    const QImage later = texturedMap(40);
    renderMap(second, later, target, drawn);
    EXPECT_EQ(target, renderMap(second, later));
    target.fill(Qt::red);
    renderMap(first, later, target, drawn);
    EXPECT_EQ(target, renderMap(first, later));
    // A copy kept by a viewer keeps the drawing it was given.
    const QImage kept = target;
    renderMap(second, later, target, drawn);
    EXPECT_EQ(kept, renderMap(first, later));
    EXPECT_EQ(target, renderMap(second, later));
}

TEST(DayNight, TheNightSideIsDarkerAlongAParallelWithATwilightBetween) {
    const QImage day = plainMap(QColor(200, 200, 200));
    QImage night(kSize, QImage::Format_RGB32);
    night.fill(QColor(0, 0, 0));
    const SunPosition sun{0, 10};
    for (const QImage& lights : {night, QImage()}) {
        const QImage picture = dayNightPicture(day, lights, MapType::Greenwich, sun);
        const int row = pixelOf(0, 30, MapType::Greenwich).y();
        const int noon = brightness(picture.pixel(pixelOf(0, 30, MapType::Greenwich).x(), row));
        const int midnight =
            brightness(picture.pixel(pixelOf(180, 30, MapType::Greenwich).x() - 1, row));
        EXPECT_EQ(noon, brightness(day.pixel(0, 0)));
        EXPECT_LT(midnight, noon / 2);
        // From noon eastward to midnight it only gets darker, through a twilight band.
        int darkest = noon, steps = 0;
        for (int x = pixelOf(0, 30, MapType::Greenwich).x(); x < kSize.width(); ++x) {
            const int b = brightness(picture.pixel(x, row));
            EXPECT_LE(b, darkest + 3) << "darkening steadily eastward at x " << x;
            darkest = std::min(darkest, b);
            steps += (b > midnight && b < noon) ? 1 : 0;
        }
        EXPECT_GT(steps, 2) << "a twilight band, not a hard edge";
    }
}

TEST(DayNight, TheBackgroundIsMadeAgainOnlyWhenTheSunHasMovedAPixel) {
    const QImage day = plainMap(QColor(200, 200, 200));
    DayNightBackground background;
    const qint64 first = background.at(day, QImage(), MapType::Greenwich, {10, 5}).cacheKey();
    EXPECT_EQ(background.at(day, QImage(), MapType::Greenwich, {10.1, 5}).cacheKey(), first);
    EXPECT_NE(background.at(day, QImage(), MapType::Greenwich, {11, 5}).cacheKey(), first);
    const qint64 second = background.at(day, QImage(), MapType::Greenwich, {11, 5}).cacheKey();
    EXPECT_NE(background.at(day, QImage(), MapType::Pacific, {11, 5}).cacheKey(), second);
}

TEST(HitTest, AClickOnADotSelectsItsSatelliteAndEmptySeaNothing) {
    const auto scene = sceneWith({{"AO-7", -30, 0, 0, 10, MapMark::Visible},
                                  {"FO-29", -29, 0.5, 0, 10, MapMark::Obscured},
                                  {"ISS", 179.5, 20, 0, -3, MapMark::Visible}});
    const auto unitsOf = [&](double lon, double lat) {
        const MapPoint at = sat_pos(lon, lat, scene.type);
        return MapPointF{double(at.x), double(at.y)};
    };
    EXPECT_EQ(satelliteAt(scene, unitsOf(-30, 0)), "AO-7");
    EXPECT_EQ(satelliteAt(scene, unitsOf(-29.1, 0.4)), "FO-29"); // the nearer dot wins
    EXPECT_EQ(satelliteAt(scene, unitsOf(-31, 2)), "AO-7");      // within 3 degrees
    EXPECT_EQ(satelliteAt(scene, unitsOf(-30, 5)), "");
    EXPECT_EQ(satelliteAt(scene, unitsOf(-120, -30)), ""); // the open Pacific
    // Across the map's edge: the dot near the right edge, the click at the left.
    EXPECT_EQ(satelliteAt(scene, {10, double(sat_pos(0, 20, scene.type).y)}), "ISS");
    // Pixels of a window back to map units.
    const QSize window(900, 445);
    const MapPointF back = toMapUnits(toPixels(unitsOf(-30, 0), window), window);
    EXPECT_EQ(satelliteAt(scene, back), "AO-7");
}

TEST(MapPictures, ReadsTheChosenMapAndNamesAMissingOne) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const std::string path = directory.path().toStdString();
    std::string missing;
    MapPictures pictures;
    EXPECT_FALSE(pictures.load(path, MapType::Pacific, missing));
    EXPECT_EQ(missing, "nasauz.jpg");
    EXPECT_FALSE(MapPictures::allPresent(path, missing));

    QImage day(360, 178, QImage::Format_RGB32);
    day.fill(Qt::blue);
    for (const char* name : {"nasauz.jpg", "nasauk.jpg", "nasaus.jpg"})
        ASSERT_TRUE(day.save(directory.filePath(name), "JPG"));
    EXPECT_TRUE(MapPictures::allPresent(path, missing));
    ASSERT_TRUE(pictures.load(path, MapType::Americas, missing));
    EXPECT_EQ(pictures.day().size(), day.size());
    EXPECT_TRUE(pictures.night().isNull()); // no night map: the night is only darkened

    // The night map is turned to the map's own left edge: a light at 0 degrees east
    // (the middle of the night map) lands 277 degrees along the Americas map.
    QImage night(360, 178, QImage::Format_RGB32);
    night.fill(Qt::black);
    for (int y = 0; y < 178; ++y)
        night.setPixel(180, y, qRgb(255, 255, 255));
    ASSERT_TRUE(night.save(directory.filePath("night.jpg"), "PNG"));
    ASSERT_TRUE(pictures.load(path, MapType::Americas, missing));
    ASSERT_EQ(pictures.night().size(), day.size());
    EXPECT_GT(brightness(pictures.night().pixel(277, 89)), 300);
    EXPECT_LT(brightness(pictures.night().pixel(180, 89)), 60);
}

} // namespace
} // namespace orv::sky
