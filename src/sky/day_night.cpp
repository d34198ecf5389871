#include "sky/day_night.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orv::sky {

namespace {

constexpr double kDegree = M_PI / 180;
// Sine of the sun's elevation where night begins to show (about +1 degree) and where
// it is full (6 degrees down, the end of civil twilight).
constexpr double kTwilightStart = 0.02;
constexpr double kTwilightEnd = -0.105;
// How much of the day picture still shows through at night, in 256ths, so that the
// land stays readable under the city lights.
constexpr int kDayShowingAtNight = 80;

// One channel of the night pixel: the lights over a dimmed day.
inline int nightChannel(int day, int night) {
    return std::min(255, night + day * kDayShowingAtNight / 256);
}

QRgb blend(QRgb day, QRgb night, int weight) {
    const auto mix = [&](int d, int n) {
        return (d * (256 - weight) + nightChannel(d, n) * weight) >> 8;
    };
    return qRgb(mix(qRed(day), qRed(night)), mix(qGreen(day), qGreen(night)),
                mix(qBlue(day), qBlue(night)));
}

// The sun's movement, in degrees of arc, that shifts the grey line by about a pixel.
double pixelDegrees(const QImage& picture) {
    return picture.width() > 0 ? 360.0 / picture.width() : 1;
}

} // namespace

double sunHeightSine(const SunPosition& sun, double longitude, double latitude) {
    return std::sin(latitude * kDegree) * std::sin(sun.latitude * kDegree) +
           std::cos(latitude * kDegree) * std::cos(sun.latitude * kDegree) *
               std::cos((longitude - sun.longitude) * kDegree);
}

double terminatorLatitude(const SunPosition& sun, double longitude) {
    const double tanSun = std::tan(sun.latitude * kDegree);
    const double c = std::cos((longitude - sun.longitude) * kDegree);
    // sin(lat) sin(d) + cos(lat) cos(d) c = 0  =>  tan(lat) = -c / tan(d)
    return std::atan2(-c, tanSun) / kDegree;
}

int nightWeight(double height) {
    if (height >= kTwilightStart) return 0;
    if (height <= kTwilightEnd) return 256;
    return static_cast<int>((kTwilightStart - height) / (kTwilightStart - kTwilightEnd) * 256);
}

QImage dayNightPicture(const QImage& day, const QImage& night, MapType type,
                       const SunPosition& sun) {
    QImage picture = day.convertToFormat(QImage::Format_RGB32);
    const int width = picture.width(), height = picture.height();
    const bool withLights = !night.isNull() && night.size() == day.size();
    const QImage lights = withLights ? night.convertToFormat(QImage::Format_RGB32) : QImage();
    // sin(h) = a(row) + b(row) c(column): the sun's height is separable.
    std::vector<double> hourCosine(static_cast<size_t>(width));
    for (int column = 0; column < width; ++column) {
        const double longitude = longitudeAt((column + 0.5) * kMapWidthUnits / width, type);
        hourCosine[static_cast<size_t>(column)] = std::cos((longitude - sun.longitude) * kDegree);
    }
    const double sinSun = std::sin(sun.latitude * kDegree),
                 cosSun = std::cos(sun.latitude * kDegree);
    for (int row = 0; row < height; ++row) {
        const double latitude = latitudeAt((row + 0.5) * kMapHeightUnits / height);
        const double a = std::sin(latitude * kDegree) * sinSun;
        const double b = std::cos(latitude * kDegree) * cosSun;
        if (a - std::fabs(b) >= kTwilightStart) continue; // all day
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(row));
        const auto* dark =
            withLights ? reinterpret_cast<const QRgb*>(lights.constScanLine(row)) : nullptr;
        for (int column = 0; column < width; ++column) {
            const int weight = nightWeight(a + b * hourCosine[static_cast<size_t>(column)]);
            if (weight == 0) continue;
            out[column] = blend(out[column], dark ? dark[column] : qRgb(0, 0, 0), weight);
        }
    }
    return picture;
}

const QImage& DayNightBackground::at(const QImage& day, const QImage& night, MapType type,
                                     const SunPosition& sun) {
    const double moved = std::max(std::fabs(sun.longitude - sun_.longitude),
                                  std::fabs(sun.latitude - sun_.latitude));
    const bool same = !picture_.isNull() && day.cacheKey() == dayKey_ &&
                      night.cacheKey() == nightKey_ && type == type_ && moved < pixelDegrees(day);
    if (!same) {
        picture_ = dayNightPicture(day, night, type, sun);
        dayKey_ = day.cacheKey(), nightKey_ = night.cacheKey(), type_ = type, sun_ = sun;
    }
    return picture_;
}

} // namespace orv::sky
