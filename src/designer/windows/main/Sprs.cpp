#include "windows/main/Sprs.h"

#include "core/ProgramInfo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QRadialGradient>

#include <cmath>

namespace kirabellum {

Sprs::Sprs(QWidget* parent) : SplashWindow(parent) {
    setWindowTitle(QStringLiteral("Kirabellum"));
    setAttribute(Qt::WA_DeleteOnClose);
}

Sprs* Sprs::showSplash() {
    static QPointer<Sprs> splash;
    if (!splash)
        splash = new Sprs(nullptr);
    splash->show();
    return splash;
}

void Sprs::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0.0, QColor(8, 6, 30));
    sky.setColorAt(1.0, QColor(40, 16, 60));
    painter.fillRect(rect(), sky);

    // Two bursts of rays with glowing tips.
    const struct {
        QPointF centre;
        double radius;
        QColor colour;
        int rays;
    } bursts[] = {{{190, 85}, 62, QColor(255, 190, 70), 36},
                  {{90, 70}, 38, QColor(120, 180, 255), 24}};
    for (const auto& burst : bursts) {
        for (int ray = 0; ray < burst.rays; ++ray) {
            const double angle = ray * 2 * 3.14159265 / burst.rays + 0.1;
            const double length = burst.radius * (0.75 + 0.25 * std::sin(ray * 2.3));
            const QPointF tip(burst.centre.x() + length * std::cos(angle),
                              burst.centre.y() + length * std::sin(angle));
            QLinearGradient trail(burst.centre, tip);
            QColor faint = burst.colour;
            faint.setAlpha(0);
            trail.setColorAt(0.0, faint);
            trail.setColorAt(1.0, burst.colour);
            painter.setPen(QPen(QBrush(trail), 1.6));
            painter.drawLine(burst.centre, tip);
            QRadialGradient glow(tip, 4);
            glow.setColorAt(0.0, Qt::white);
            glow.setColorAt(1.0, faint);
            painter.setPen(Qt::NoPen);
            painter.setBrush(glow);
            painter.drawEllipse(tip, 4, 4);
        }
    }

    painter.setPen(QColor(255, 240, 210));
    QFont title = font();
    title.setPointSize(22);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(0, 160, width(), 34), Qt::AlignCenter, QString::fromLatin1(ProgramName));
    QFont version = font();
    version.setPointSize(10);
    painter.setFont(version);
    painter.setPen(QColor(200, 190, 230));
    painter.drawText(QRect(0, 194, width(), 20), Qt::AlignCenter,
                     QStringLiteral("v") + QString::fromLatin1(ProgramVersion));
}

} // namespace kirabellum
