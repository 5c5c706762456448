#include "windows/Versionf.h"

#include "core/ColourModel.h"
#include "core/ProgramInfo.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace koratune {

namespace {

constexpr QSize VersionSize(299, 227);

// One burst of sparks: rays of a hue fading outwards from a bright centre.
void drawBurst(QPainter& painter, QPointF centre, qreal radius, int hue, int rays) {
    int red = 0;
    int green = 0;
    int blue = 0;
    PureHue(hue, red, green, blue);
    const QColor colour(red, green, blue);
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0.0, QColor(255, 255, 255, 200));
    glow.setColorAt(0.25, QColor(red, green, blue, 120));
    glow.setColorAt(1.0, QColor(red, green, blue, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius, radius);
    for (int ray = 0; ray < rays; ++ray) {
        const qreal angle = ray * 2.0 * M_PI / rays;
        const QPointF direction(std::cos(angle), std::sin(angle));
        QLinearGradient fade(centre, centre + direction * radius);
        fade.setColorAt(0.0, QColor(255, 255, 255, 230));
        fade.setColorAt(1.0, QColor(colour.red(), colour.green(), colour.blue(), 40));
        painter.setPen(QPen(QBrush(fade), 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + direction * radius * 0.15, centre + direction * radius * 0.95);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour.lighter(140));
        painter.drawEllipse(centre + direction * radius, 1.8, 1.8);
    }
}

} // namespace

Versionf::Versionf(QWidget* parent) : SplashWindow(parent) {
    setObjectName(QStringLiteral("Versionf"));
    retranslate();
}

void Versionf::retranslate() {
    setWindowTitle(tr("バージョン情報"));
    artwork_ = artwork();
    update();
}

void Versionf::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    SplashWindow::changeEvent(event);
}

QImage Versionf::artwork() {
    QImage image(VersionSize, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 255));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, VersionSize.height());
    sky.setColorAt(0.0, QColor(8, 10, 40));
    sky.setColorAt(1.0, QColor(40, 20, 70));
    painter.fillRect(QRect(QPoint(0, 0), VersionSize).adjusted(3, 3, -3, -3), sky);
    drawBurst(painter, QPointF(80, 72), 52, 0, 28);
    drawBurst(painter, QPointF(205, 58), 40, 1020, 22);
    drawBurst(painter, QPointF(160, 120), 30, 255, 18);
    drawBurst(painter, QPointF(250, 130), 22, 510, 14);

    QFont title = painter.font();
    title.setPixelSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 150, VersionSize.width(), 36), Qt::AlignCenter,
                     QString::fromLatin1(ProgramName));
    QFont subtitle = painter.font();
    subtitle.setPixelSize(13);
    subtitle.setBold(false);
    painter.setFont(subtitle);
    painter.setPen(QColor(190, 230, 255));
    painter.drawText(
        QRect(0, 186, VersionSize.width(), 18), Qt::AlignCenter,
        tr("v%1  フレーム画像ポストプロセッサ").arg(QString::fromLatin1(ProgramVersion)));
    painter.end();
    return image;
}

void Versionf::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), artwork_);
}

} // namespace koratune
