#include "common/sheets/SheetDescription.h"

#include <QFileInfo>

namespace common {

SheetDescription SheetDescription::of(const QString& imagePath, const SheetGrid& grid,
                                      AlphaMode alpha, double framesPerSecond, bool loop,
                                      const QString& application, const QString& version) {
    AtlasBlock block;
    block.name = QFileInfo(imagePath).completeBaseName();
    block.framesPerSecond = framesPerSecond;
    block.loop = loop;
    block.frameSize = grid.frameSize();
    return of(imagePath, SheetAtlas::onGrid(grid, {block}), alpha, application, version);
}

SheetDescription SheetDescription::of(const QString& imagePath, const SheetAtlas& atlas,
                                      AlphaMode alpha, const QString& application,
                                      const QString& version) {
    const QFileInfo image(imagePath);
    SheetDescription description;
    description.atlas = atlas;
    description.alpha = alpha;
    description.imageFileName = image.fileName();
    description.baseName = image.completeBaseName();
    description.application = application;
    description.version = version;
    return description;
}

} // namespace common
