#include "ui/map_widget.h"

#include "sky/map_renderer.h"

#include <QMouseEvent>
#include <QPainter>

namespace orv::ui {

MapWidget::MapWidget(std::function<void(double, double)> pressed, QWidget* parent)
    : QWidget(parent), pressed_(std::move(pressed)) {
    setMinimumSize(360, 178);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setToolTip("Click Satellite's Dot to activate tracking.");
}

void MapWidget::setMap(const QImage& image) {
    image_ = image;
    rescale();
    update();
}

void MapWidget::rescale() {
    if (image_.isNull()) {
        scaled_ = QPixmap();
        placed_ = QRect();
        return;
    }
    const QSize size = image_.size().scaled(this->size(), Qt::KeepAspectRatio);
    placed_ = QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    scaled_ =
        QPixmap::fromImage(image_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void MapWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!scaled_.isNull()) {
        painter.drawPixmap(placed_.topLeft(), scaled_);
        return;
    }
    painter.fillRect(rect(), QColor(0x1d, 0x2b, 0x3a));
    painter.setPen(QColor(0xe0, 0xe6, 0xec));
    painter.drawText(rect().adjusted(12, 8, -12, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     message());
}

void MapWidget::resizeEvent(QResizeEvent*) {
    rescale();
}

void MapWidget::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position() - placed_.topLeft();
    if (placed_.isEmpty() || at.x() < 0 || at.y() < 0 || at.x() >= placed_.width() ||
        at.y() >= placed_.height())
        return;
    const sky::MapPointF units = sky::toMapUnits(at, placed_.size());
    pressed_(units.x, units.y);
}

} // namespace orv::ui
