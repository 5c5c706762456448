#include "common/sheets/SceneBackground.h"

#include <QBrush>
#include <QPainter>

namespace common {

namespace {

constexpr int CheckerSquare = 8;
const QRgb checkerLight = qRgb(204, 204, 204);
const QRgb checkerDark = qRgb(153, 153, 153);

// Two squares each way, tiled over the scene.
QImage checkerTile() {
    QImage tile(2 * CheckerSquare, 2 * CheckerSquare, QImage::Format_RGB32);
    tile.fill(checkerLight);
    QPainter painter(&tile);
    painter.fillRect(CheckerSquare, 0, CheckerSquare, CheckerSquare, QColor(checkerDark));
    painter.fillRect(0, CheckerSquare, CheckerSquare, CheckerSquare, QColor(checkerDark));
    return tile;
}

} // namespace

QImage SceneBackground::image(QSize size) const {
    QImage scene(size, QImage::Format_RGB32);
    scene.fill(kind == SceneKind::SolidColour ? colour : qRgb(0, 0, 0));
    if (kind == SceneKind::Checkerboard) {
        QPainter painter(&scene);
        painter.fillRect(scene.rect(), QBrush(checkerTile()));
    } else if (kind == SceneKind::Picture && !picture.isNull()) {
        QPainter painter(&scene);
        const QPoint middle((picture.width() - size.width()) / 2,
                            (picture.height() - size.height()) / 2);
        painter.setBrushOrigin(-middle);
        painter.fillRect(scene.rect(), QBrush(picture));
    }
    return scene;
}

} // namespace common
