// Lines drawn pixel by pixel: where they land, their dashes, and what lies off the image.
#include "sky/pixel_lines.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace orv::sky {
namespace {

constexpr QRgb kInk = qRgb(255, 0, 0);

QImage blank(int width = 20, int height = 10) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

std::vector<QPoint> inked(const QImage& image) {
    std::vector<QPoint> at;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kInk) at.emplace_back(x, y);
    return at;
}

TEST(PixelLines, APolylineInksEveryPixelOfItsPathOnceAndNothingElse) {
    QImage image = blank();
    const std::vector<QPoint> path{{2, 1}, {6, 1}, {6, 4}, {3, 7}};
    drawPixelPolyline(image, path, {kInk});
    const std::vector<QPoint> expected{{2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {6, 2},
                                       {6, 3}, {6, 4}, {5, 5}, {4, 6}, {3, 7}};
    auto got = inked(image);
    auto order = [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); };
    std::vector<QPoint> want = expected;
    std::sort(want.begin(), want.end(), order);
    std::sort(got.begin(), got.end(), order);
    EXPECT_EQ(got, want);
}

TEST(PixelLines, DashesAndThicknessFollowThePen) {
    QImage dashed = blank();
    drawPixelPolyline(dashed, std::vector<QPoint>{{0, 0}, {11, 0}}, {kInk, 1, 4, 2});
    EXPECT_EQ(inked(dashed), (std::vector<QPoint>{
                                 {0, 0}, {1, 0}, {2, 0}, {3, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}}));
    QImage thick = blank();
    drawPixelPolyline(thick, std::vector<QPoint>{{0, 0}, {2, 0}}, {kInk, 2});
    EXPECT_EQ(inked(thick).size(), 6u);
    EXPECT_EQ(thick.pixel(3, 1), kInk);
}

TEST(PixelLines, WhatLiesOffTheImageIsLeftOut) {
    QImage image = blank();
    drawPixelPolyline(image, std::vector<QPoint>{{-5, 2}, {25, 2}}, {kInk});
    EXPECT_EQ(inked(image).size(), 20u);
    // A point far off the image (a projection gone wrong) draws nothing and returns at once.
    QImage far = blank();
    drawPixelPolyline(far, std::vector<QPoint>{{0, 0}, {2000000000, 5}}, {kInk});
    EXPECT_TRUE(inked(far).empty());
    // An image of another format is left as it is.
    QImage indexed(8, 8, QImage::Format_Indexed8);
    indexed.fill(0);
    drawPixelPolyline(indexed, std::vector<QPoint>{{0, 0}, {7, 7}}, {kInk});
    EXPECT_EQ(indexed.pixelIndex(3, 3), 0);
}

} // namespace
} // namespace orv::sky
