#include "common/windows/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace common {

QIcon programIcon(const QString& svgPath) {
    QSvgRenderer renderer(svgPath);
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (int edge : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap picture(edge, edge);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

} // namespace common
