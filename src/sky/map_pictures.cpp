#include "sky/map_pictures.h"

#include <QFileInfo>
#include <QPainter>
#include <cmath>

namespace orv::sky {

namespace {

QString pathOf(const std::string& directory, const char* name) {
    return QString::fromStdString(directory) + "/" + name;
}

} // namespace

bool MapPictures::load(const std::string& directory, MapType type, std::string& missing) {
    const char* name = mapTypeInfo(type).picture;
    QImage day(pathOf(directory, name));
    if (day.isNull()) {
        missing = name;
        return false;
    }
    type_ = type;
    day_ = day.convertToFormat(QImage::Format_RGB32);
    const QImage night(pathOf(directory, kNightPicture));
    night_ = night.isNull() ? QImage()
                            : rolledPicture(night, kNightLeftEdgeEast,
                                            mapTypeInfo(type).leftEdgeEast, day_.size());
    return true;
}

bool MapPictures::allPresent(const std::string& directory, std::string& missing) {
    for (int number = 0; number < 3; ++number) {
        MapType type{};
        mapTypeFromNumber(number, type);
        const char* name = mapTypeInfo(type).picture;
        if (!QFileInfo(pathOf(directory, name)).isFile()) {
            missing = name;
            return false;
        }
    }
    return true;
}

QImage rolledPicture(const QImage& picture, double fromLeftEdge, double toLeftEdge, QSize size) {
    QImage rolled(size, QImage::Format_RGB32);
    const double shift = std::fmod(toLeftEdge - fromLeftEdge + 720, 360) / 360 * size.width();
    QPainter painter(&rolled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF whole(0, 0, size.width(), size.height());
    // The part east of the new left edge first, then the rest after it.
    painter.drawImage(whole.translated(-shift, 0), picture);
    painter.drawImage(whole.translated(size.width() - shift, 0), picture);
    return rolled;
}

} // namespace orv::sky
