#include "editors/DesignCanvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace kirabellum {

namespace {

QPen canvasPen(Colour colour) {
    QPen pen(QColor::fromRgb(colourToRgb(colour)));
    pen.setWidth(1);
    return pen;
}

} // namespace

DesignCanvas::DesignCanvas(QWidget* parent)
    : QWidget(parent), image_(Edge, Edge, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    setCursor(Qt::CrossCursor);
}

void DesignCanvas::clear(Colour colour) {
    image_.fill(colourToRgb(colour));
}

void DesignCanvas::line(double x1, double y1, double x2, double y2, Colour colour) {
    QPainter painter(&image_);
    painter.setPen(canvasPen(colour));
    painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void DesignCanvas::circle(double cx, double cy, double radius, Colour colour) {
    QPainter painter(&image_);
    painter.setPen(canvasPen(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(cx, cy), radius, radius);
}

void DesignCanvas::repaintCanvas() {
    update();
}

QSize DesignCanvas::sizeHint() const {
    return {Edge + 2 * Border, Edge + 2 * Border};
}

void DesignCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    painter.drawImage(QPoint(Border, Border), image_);
}

void DesignCanvas::mousePressEvent(QMouseEvent* event) {
    const QPointF position = event->position() - QPointF(Border, Border);
    Q_EMIT pressed(static_cast<float>(position.x()), static_cast<float>(position.y()),
                   event->button());
}

} // namespace kirabellum
