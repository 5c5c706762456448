#include "windows/ToolbarIcons.h"

#include "core/ColourModel.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace koratune {

namespace {

constexpr int IconEdge = 32;

QPixmap blankIcon() {
    QPixmap pixmap(IconEdge, IconEdge);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon consoleIcon() {
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(QColor(235, 235, 235));
    painter.drawRoundedRect(QRectF(2.5, 3.5, 27, 25), 3, 3);
    const int knobs[3] = {9, 20, 14};
    for (int row = 0; row < 3; ++row) {
        const qreal y = 9.5 + row * 7;
        painter.setPen(QPen(QColor(90, 90, 90), 2));
        painter.drawLine(QPointF(6, y), QPointF(26, y));
        painter.setPen(QPen(QColor(20, 20, 80), 1));
        painter.setBrush(QColor(70, 110, 220));
        painter.drawRect(QRectF(knobs[row] - 2.5, y - 3.5, 5, 7));
    }
    return QIcon(pixmap);
}

QIcon colourIcon() {
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(16, 16);
    constexpr int Segments = 60;
    for (int segment = 0; segment < Segments; ++segment) {
        int red = 0;
        int green = 0;
        int blue = 0;
        PureHue(segment * HueTurn / Segments, red, green, blue);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(red, green, blue));
        QPainterPath wedge;
        wedge.moveTo(centre);
        wedge.arcTo(QRectF(2, 2, 28, 28), -segment * 360.0 / Segments, -360.0 / Segments - 1.0);
        wedge.closeSubpath();
        painter.drawPath(wedge);
    }
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.drawEllipse(centre, 6, 6);
    return QIcon(pixmap);
}

QIcon previewIcon() {
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    painter.drawRect(QRectF(3, 4, 26, 24));
    painter.setBrush(Qt::white);
    for (int hole = 0; hole < 5; ++hole) {
        painter.drawRect(QRectF(5 + hole * 5, 5.5, 2.5, 2.5));
        painter.drawRect(QRectF(5 + hole * 5, 24, 2.5, 2.5));
    }
    painter.setBrush(QColor(20, 20, 60));
    painter.drawRect(QRectF(5, 10, 22, 12));
    painter.setPen(QPen(QColor(255, 210, 90), 1.2));
    const QPointF spark(16, 16);
    for (int ray = 0; ray < 8; ++ray) {
        const QPointF tip = spark + QPointF(ray % 2 ? 4.0 : 5.5, 0);
        painter.save();
        painter.translate(spark);
        painter.rotate(ray * 45.0);
        painter.translate(-spark);
        painter.drawLine(spark, tip);
        painter.restore();
    }
    return QIcon(pixmap);
}

} // namespace koratune
