// The world map in the window: the station's last drawing scaled to the widget's area
// (keeping its shape), scaled again only when the station drew or the widget was
// resized; a mouse press is passed to the station as a position on the map.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace orv::ui {

class MapWidget final : public QWidget {
public:
    // `pressed` receives a press as map units (0..9000 across, 0..4450 down).
    explicit MapWidget(std::function<void(double x, double y)> pressed, QWidget* parent = nullptr);

    // A new drawing from the station.
    void setMap(const QImage& image);
    // Says, while there is no drawing, why there is none; asked at each paint.
    void setMessageSource(std::function<QString()> source) { messageSource_ = std::move(source); }
    QString message() const { return messageSource_ ? messageSource_() : QString(); }
    bool hasDrawing() const { return !image_.isNull(); }
    // Where the drawing sits in the widget.
    QRect mapRect() const { return placed_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void rescale();

    std::function<void(double, double)> pressed_;
    QImage image_;
    std::function<QString()> messageSource_;
    QPixmap scaled_;
    QRect placed_;
};

} // namespace orv::ui
