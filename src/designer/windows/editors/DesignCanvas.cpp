#include "windows/editors/DesignCanvas.h"

#include "core/editing/EditorMath.h"

#include <QMouseEvent>
#include <QPainter>

namespace kirabellum {

namespace {

QPen canvasPen(common::Colour colour) {
    QPen pen(QColor::fromRgb(common::colourToRgb(colour)));
    pen.setWidth(1);
    return pen;
}

// Figures are drawn between whole pixels, as a picture box converts its
// coordinates to pixels before it draws.
int pixel(double coordinate) {
    return roundToInt16(coordinate);
}

} // namespace

DesignCanvas::DesignCanvas(QWidget* parent)
    : QWidget(parent), image_(Edge, Edge, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    setCursor(Qt::CrossCursor);
}

void DesignCanvas::clear(common::Colour colour) {
    image_.fill(common::colourToRgb(colour));
}

void DesignCanvas::line(double x1, double y1, double x2, double y2, common::Colour colour) {
    QPainter painter(&image_);
    painter.setPen(canvasPen(colour));
    painter.drawLine(pixel(x1), pixel(y1), pixel(x2), pixel(y2));
}

void DesignCanvas::circle(double cx, double cy, double radius, common::Colour colour) {
    QPainter painter(&image_);
    painter.setPen(canvasPen(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPoint(pixel(cx), pixel(cy)), pixel(radius), pixel(radius));
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
    emitPressed(event->position(), event->button());
}

void DesignCanvas::mouseMoveEvent(QMouseEvent* event) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (event->buttons().testFlag(button)) {
            emitPressed(event->position(), button);
            return;
        }
    }
}

void DesignCanvas::emitPressed(QPointF position, Qt::MouseButton button) {
    const QPointF onCanvas = position - QPointF(Border, Border);
    Q_EMIT pressed(static_cast<float>(onCanvas.x()), static_cast<float>(onCanvas.y()), button);
}

} // namespace kirabellum
