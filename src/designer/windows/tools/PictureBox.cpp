#include "windows/tools/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace kirabellum {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(background_);
}

void PictureBox::setPictureSize(QSize size) {
    size = size.expandedTo(QSize(1, 1));
    if (size == image_.size())
        return;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(background_);
    QPainter painter(&resized);
    painter.drawImage(QPoint(0, 0), image_);
    painter.end();
    image_ = resized;
    updateGeometry();
    update();
}

void PictureBox::setBackgroundColour(QRgb colour) {
    background_ = colour;
    clear();
}

void PictureBox::clear() {
    image_.fill(background_);
    update();
}

void PictureBox::copyFrom(const QImage& source, const QRect& area, int scale) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, area.width() * scale, area.height() * scale), source, area);
    painter.end();
    update();
}

void PictureBox::setZoom(double zoom) {
    zoom_ = zoom;
    updateGeometry();
    update();
}

QSize PictureBox::sizeHint() const {
    return {static_cast<int>(std::lround(image_.width() * zoom_)),
            static_cast<int>(std::lround(image_.height() * zoom_))};
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(0, 0), sizeHint()), image_);
}

QPoint PictureBox::toImage(QPointF widgetPosition) const {
    return {static_cast<int>(std::floor(widgetPosition.x() / zoom_)),
            static_cast<int>(std::floor(widgetPosition.y() / zoom_))};
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    Q_EMIT pressed(toImage(event->position()), event->button());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT moved(toImage(event->position()), event->buttons());
}

} // namespace kirabellum
