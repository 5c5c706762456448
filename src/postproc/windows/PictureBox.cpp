#include "windows/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace koratune {

PictureBox::PictureBox(QSize size, QRgb background, QWidget* parent)
    : QWidget(parent), background_(background) {
    setPictureSize(size);
}

void PictureBox::setPictureSize(QSize size) {
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(background_);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(QPoint(0, 0), image_);
    }
    image_ = resized;
    setFixedSize(size);
    update();
}

void PictureBox::clear() {
    image_.fill(background_);
}

void PictureBox::drawImage(const QImage& image, QPoint at) {
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, image);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT pressed();
}

} // namespace koratune
