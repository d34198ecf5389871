#include "sky/tile_mask.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace orv::sky {

void TileMask::reset(QSize size) {
    size_ = size;
    const int tile = 1 << kTileShift;
    columns_ = (size.width() + tile - 1) / tile;
    rows_ = (size.height() + tile - 1) / tile;
    tiles_.assign(size_t(std::max(0, columns_ * rows_)), 0);
}

void TileMask::mark(const QRect& pixels) {
    const QRect clipped = pixels.intersected(QRect(QPoint(0, 0), size_));
    if (clipped.isEmpty()) return;
    for (int row = clipped.top() >> kTileShift; row <= clipped.bottom() >> kTileShift; ++row)
        for (int column = clipped.left() >> kTileShift; column <= clipped.right() >> kTileShift;
             ++column)
            tiles_[size_t(row * columns_ + column)] = 1;
}

int TileMask::markedTiles() const {
    return std::accumulate(tiles_.begin(), tiles_.end(), 0);
}

void TileMask::restore(const QImage& from, QImage& to) const {
    if (from.size() != size_ || to.size() != size_ || from.depth() != 32 || to.depth() != 32)
        return;
    const int tile = 1 << kTileShift;
    uchar* target = to.bits();
    const qsizetype stride = to.bytesPerLine();
    for (int row = 0; row < rows_; ++row) {
        const unsigned char* marks = &tiles_[size_t(row * columns_)];
        // Runs of marked tiles along the row, each copied a pixel row at a time.
        for (int column = 0; column < columns_;) {
            if (!marks[column]) {
                ++column;
                continue;
            }
            int end = column;
            while (end < columns_ && marks[end])
                ++end;
            const int x = column * tile, width = std::min(end * tile, size_.width()) - x;
            const int top = row * tile, bottom = std::min(top + tile, size_.height());
            for (int y = top; y < bottom; ++y)
                std::memcpy(target + y * stride + x * 4, from.constScanLine(y) + x * 4,
                            size_t(width) * 4);
            column = end;
        }
    }
}

} // namespace orv::sky
