#include "common/windows/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace common {

PictureBox::PictureBox(QWidget* parent) : PictureBox(QSize(1, 1), parent) {}

PictureBox::PictureBox(QSize size, QWidget* parent) : QWidget(parent) {
    setPictureSize(size);
}

void PictureBox::setBackgroundColour(QRgb colour) {
    background_ = colour;
    clear();
}

void PictureBox::setPictureSize(QSize size) {
    size = size.expandedTo(QSize(1, 1));
    if (size != image_.size()) {
        QImage resized(size, QImage::Format_RGB32);
        resized.fill(background_);
        if (!image_.isNull()) {
            QPainter painter(&resized);
            painter.drawImage(QPoint(0, 0), image_);
        }
        image_ = resized;
    }
    showAtDisplaySize();
}

void PictureBox::showAtDisplaySize() {
    setFixedSize(displaySize());
    update();
}

void PictureBox::clear() {
    image_.fill(background_);
    update();
}

void PictureBox::drawImage(const QImage& image, QPoint at) {
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, image);
    painter.end();
    update();
}

void PictureBox::copyFrom(const QImage& source, const QRect& area, int scale) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, area.width() * scale, area.height() * scale), source, area);
    painter.end();
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT pressed();
}

} // namespace common
