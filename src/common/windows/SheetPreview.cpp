#include "common/windows/SheetPreview.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace common {

namespace {

constexpr int CheckerSquare = 8;
const QRgb checkerLight = qRgb(204, 204, 204);
const QRgb checkerDark = qRgb(153, 153, 153);

void paintCheckerboard(QPainter& painter, const QRect& area) {
    painter.fillRect(area, QColor(checkerLight));
    for (int y = area.top(); y <= area.bottom(); y += CheckerSquare)
        for (int x = area.left(); x <= area.right(); x += CheckerSquare)
            if (((x - area.left()) / CheckerSquare + (y - area.top()) / CheckerSquare) % 2 == 1)
                painter.fillRect(QRect(x, y, CheckerSquare, CheckerSquare).intersected(area),
                                 QColor(checkerDark));
}

} // namespace

SheetPreview::SheetPreview(QSize area, QWidget* parent) : QWidget(parent), area_(area) {
    setFixedSize(area_);
}

void SheetPreview::setSheet(const QImage& sheet, AlphaMode mode) {
    shown_ = sheet;
    // Premultiplied sheets hold premultiplied values in a straight format, as
    // they are written; the painter must read them as what they are.
    if (mode == AlphaMode::Premultiplied && !shown_.isNull())
        shown_.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    update();
}

void SheetPreview::setGround(std::optional<QRgb> ground) {
    ground_ = ground;
    update();
}

QRect SheetPreview::sheetRect() const {
    if (shown_.isNull())
        return {};
    const double scale = std::min({1.0, static_cast<double>(area_.width()) / shown_.width(),
                                   static_cast<double>(area_.height()) / shown_.height()});
    const QSize size(std::max(1, static_cast<int>(std::lround(shown_.width() * scale))),
                     std::max(1, static_cast<int>(std::lround(shown_.height() * scale))));
    return QRect(QPoint((area_.width() - size.width()) / 2, (area_.height() - size.height()) / 2),
                 size);
}

int SheetPreview::scalePercent() const {
    if (shown_.isNull())
        return 100;
    return std::max(1, static_cast<int>(std::lround(100.0 * sheetRect().width() / shown_.width())));
}

void SheetPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect target = sheetRect();
    if (target.isEmpty())
        return;
    if (ground_)
        painter.fillRect(target, QColor(*ground_));
    else
        paintCheckerboard(painter, target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, shown_);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(target.adjusted(-1, -1, 0, 0));
}

} // namespace common
