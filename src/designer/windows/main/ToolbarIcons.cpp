#include "windows/main/ToolbarIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include <cmath>

namespace kirabellum {

namespace {

constexpr int Edge = 24;

void drawBurst(QPainter& painter) {
    painter.setPen(QPen(QColor(255, 200, 60), 1.5));
    for (int ray = 0; ray < 12; ++ray) {
        const double angle = ray * 3.14159265 / 6;
        painter.drawLine(QPointF(12 + 3 * std::cos(angle), 12 + 3 * std::sin(angle)),
                         QPointF(12 + 10 * std::cos(angle), 12 + 10 * std::sin(angle)));
    }
    painter.setBrush(QColor(255, 120, 40));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(12, 12), 2.5, 2.5);
}

void drawGravity(QPainter& painter) {
    painter.setPen(QPen(QColor(60, 90, 200), 2));
    painter.drawLine(12, 3, 12, 18);
    QPainterPath head;
    head.moveTo(6, 14);
    head.lineTo(12, 21);
    head.lineTo(18, 14);
    head.closeSubpath();
    painter.setBrush(QColor(60, 90, 200));
    painter.drawPath(head);
}

void drawRamp(QPainter& painter) {
    QLinearGradient ramp(2, 0, 22, 0);
    ramp.setColorAt(0.0, Qt::black);
    ramp.setColorAt(0.35, QColor(200, 30, 10));
    ramp.setColorAt(0.7, QColor(255, 180, 30));
    ramp.setColorAt(1.0, Qt::white);
    painter.setPen(QColor(40, 40, 40));
    painter.setBrush(ramp);
    painter.drawRect(2, 7, 20, 10);
}

void drawSpark(QPainter& painter) {
    QRadialGradient glow(12, 12, 10);
    glow.setColorAt(0.0, Qt::white);
    glow.setColorAt(0.3, QColor(255, 220, 90));
    glow.setColorAt(1.0, QColor(255, 80, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(12, 12), 10, 10);
}

void drawFilm(QPainter& painter) {
    painter.setPen(QColor(40, 40, 40));
    painter.setBrush(QColor(70, 70, 80));
    painter.drawRect(2, 5, 20, 14);
    painter.setBrush(QColor(255, 190, 60));
    for (int cell = 0; cell < 3; ++cell)
        painter.drawRect(4 + 6 * cell, 8, 4, 8);
}

void drawPlay(QPainter& painter) {
    QPainterPath triangle;
    triangle.moveTo(7, 4);
    triangle.lineTo(20, 12);
    triangle.lineTo(7, 20);
    triangle.closeSubpath();
    painter.setPen(QColor(20, 90, 30));
    painter.setBrush(QColor(60, 170, 70));
    painter.drawPath(triangle);
}

} // namespace

QIcon toolbarIcon(int button) {
    QPixmap pixmap(Edge, Edge);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (button) {
    case 1:
        drawBurst(painter);
        break;
    case 2:
        drawGravity(painter);
        break;
    case 3:
        drawRamp(painter);
        break;
    case 4:
        drawSpark(painter);
        break;
    case 5:
        drawFilm(painter);
        break;
    default:
        drawPlay(painter);
        break;
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace kirabellum
