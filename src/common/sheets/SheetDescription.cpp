#include "common/sheets/SheetDescription.h"

#include "common/Rounding.h"

#include <QFileInfo>

namespace common {

SheetDescription SheetDescription::of(const QString& imagePath, const SheetGrid& grid,
                                      AlphaMode alpha, double framesPerSecond, bool loop,
                                      const QString& application, const QString& version) {
    const QFileInfo image(imagePath);
    SheetDescription description;
    description.grid = grid;
    description.alpha = alpha;
    description.framesPerSecond = framesPerSecond;
    description.loop = loop;
    description.imageFileName = image.fileName();
    description.baseName = image.completeBaseName();
    description.application = application;
    description.version = version;
    return description;
}

QString SheetDescription::frameName(int frame) const {
    return QStringLiteral("%1_%2").arg(baseName,
                                       QStringLiteral("%1").arg(frame, 3, 10, QLatin1Char('0')));
}

int SheetDescription::frameDuration() const {
    return nearest(1000.0 / framesPerSecond);
}

} // namespace common
