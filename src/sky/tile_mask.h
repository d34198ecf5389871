#pragma once
// Which 16-pixel tiles of an image a drawing touched, so the next drawing over the same
// background copies back only those tiles instead of the whole picture.
#include <QImage>
#include <QRect>
#include <vector>

namespace orv::sky {

class TileMask {
public:
    static constexpr int kTileShift = 4; // 16 pixels

    // All tiles clear, for an image of `size`.
    void reset(QSize size);
    QSize size() const { return size_; }

    // Marks every tile the pixel rectangle overlaps (clipped to the image).
    void mark(const QRect& pixels);
    void markPixel(int x, int y) {
        if (x >= 0 && y >= 0 && x < size_.width() && y < size_.height())
            tiles_[size_t((y >> kTileShift) * columns_ + (x >> kTileShift))] = 1;
    }
    int markedTiles() const;

    // Copies the marked tiles of `from` into `to` (both 32-bit, of the mask's size).
    void restore(const QImage& from, QImage& to) const;

private:
    QSize size_;
    int columns_ = 0, rows_ = 0;
    std::vector<unsigned char> tiles_;
};

} // namespace orv::sky
