#include "common/sheets/AtlasLayout.h"

#include <QCoreApplication>

#include <algorithm>

namespace common {

namespace {

// The size of the frames a block's cells hold: the crop, or the whole frame.
QSize keptSize(const AtlasBlock& block) {
    return block.kept.isNull() ? block.frameSize : block.kept.size();
}

bool oneSize(const std::vector<AtlasBlock>& blocks) {
    return std::all_of(blocks.begin(), blocks.end(), [&](const AtlasBlock& block) {
        return keptSize(block) == keptSize(blocks.front());
    });
}

Status layOutGrid(const std::vector<AtlasBlock>& blocks, const SheetOptions& options,
                  SheetAtlas& atlas) {
    SheetShape shape;
    const QSize size = keptSize(blocks.front());
    shape.frameSize = size.width();
    shape.frameHeight = size.height();
    for (const AtlasBlock& block : blocks) {
        shape.blocks.push_back(block.frameCount);
        shape.frameCount += block.frameCount;
        shape.columns = std::max(shape.columns, block.columns);
    }
    SheetGrid grid;
    const Status status = SheetGrid::layOut(shape, options, grid);
    if (status.ok())
        atlas = SheetAtlas::onGrid(grid, blocks);
    return status;
}

} // namespace

Status layOutAtlas(const std::vector<AtlasBlock>& blocks, const SheetOptions& options,
                   SheetAtlas& atlas) {
    if (!options.trim && oneSize(blocks))
        return layOutGrid(blocks, options, atlas);
    return Status::failure(QStringLiteral("frames of several sizes, or trimmed, are laid out "
                                          "by the packing rule"));
}

QString atlasTilesText(const SheetAtlas& atlas) {
    const double framesPerSecond = atlas.animations.front().framesPerSecond;
    if (!atlas.grid)
        return QString();
    QString text = atlas.grid->tilesText(framesPerSecond);
    const int animations = static_cast<int>(atlas.animations.size());
    if (animations > 1 && atlas.grid->rows() == animations)
        text +=
            QCoreApplication::translate("common::AtlasLayout", "; Single Row, Random Row, %1 rows")
                .arg(animations);
    return text;
}

QString atlasGridWarning(const SheetAtlas& atlas) {
    if (atlas.grid)
        return QString();
    return QString();
}

} // namespace common
