// Makes the three world maps and the night map from a whole-globe equirectangular
// picture whose left edge is 180 degrees west: each map is the globe rolled so that
// its own left-edge longitude comes first, cropped to 89 degrees north and south.
//   orv_make_maps DAY.jpg NIGHT.jpg OUTPUT_DIR [WIDTH]
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

struct MapFile {
    const char* name;
    double leftEdgeEast; // degrees
};

// The night map shares the 0-degree-centred map's edge; the station rolls it to the
// map in use when it loads one.
constexpr MapFile kDayMaps[] = {{"nasauz.jpg", 334}, {"nasauk.jpg", 180}, {"nasaus.jpg", 83}};
constexpr MapFile kNightMap = {"night.jpg", 180};

constexpr double kLatitudeLimit = 89;
constexpr int kJpegQuality = 85;

// The globe rolled to `leftEdgeEast`, rows from +89 to -89 degrees, `width` pixels wide.
QImage rolled(const QImage& globe, double leftEdgeEast, int width) {
    const int height = static_cast<int>(std::lround(width * 2 * kLatitudeLimit / 360));
    // Two copies side by side let one source rectangle cover any roll.
    QImage twice(globe.width() * 2, globe.height(), QImage::Format_RGB32);
    {
        QPainter painter(&twice);
        painter.drawImage(0, 0, globe);
        painter.drawImage(globe.width(), 0, globe);
    }
    const double pixelsPerDegree = globe.width() / 360.0;
    const double fromWest = std::fmod(leftEdgeEast + 180 + 360, 360);
    const QRectF source(fromWest * pixelsPerDegree, (90 - kLatitudeLimit) * pixelsPerDegree,
                        360 * pixelsPerDegree, 2 * kLatitudeLimit * pixelsPerDegree);
    QImage map(width, height, QImage::Format_RGB32);
    QPainter painter(&map);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, 0, width, height), twice, source);
    return map;
}

bool write(const QImage& globe, const MapFile& file, const QString& directory, int width) {
    const QString path = directory + "/" + file.name;
    if (rolled(globe, file.leftEdgeEast, width).save(path, "JPG", kJpegQuality)) return true;
    std::fprintf(stderr, "orv_make_maps: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fputs("Usage: orv_make_maps DAY.jpg NIGHT.jpg OUTPUT_DIR [WIDTH]\n", stderr);
        return 2;
    }
    const int width = argc > 4 ? std::atoi(argv[4]) : 2048;
    const QImage day(argv[1]), night(argv[2]);
    if (day.isNull() || night.isNull() || width < 360) {
        std::fputs("orv_make_maps: cannot read the globe pictures (or a bad width)\n", stderr);
        return 1;
    }
    bool written = true;
    for (const auto& file : kDayMaps)
        written = write(day, file, argv[3], width) && written;
    written = write(night, kNightMap, argv[3], width) && written;
    return written ? 0 : 1;
}
