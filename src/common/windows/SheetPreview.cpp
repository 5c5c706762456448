#include "common/windows/SheetPreview.h"

#include "common/sheets/EngineBlend.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace common {

SheetPreview::SheetPreview(QSize area, QWidget* parent) : QWidget(parent), area_(area) {
    setFixedSize(area_);
}

void SheetPreview::setSheet(const QImage& sheet, AlphaMode mode) {
    sheet_ = sheet;
    mode_ = mode;
    compose();
}

void SheetPreview::setScene(const SceneBackground& scene) {
    scene_ = scene;
    compose();
}

void SheetPreview::compose() {
    shown_ = sheet_.isNull() ? QImage() : drawAsEngine(sheet_, mode_, scene_.image(sheet_.size()));
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
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, shown_);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(target.adjusted(-1, -1, 0, 0));
}

} // namespace common
