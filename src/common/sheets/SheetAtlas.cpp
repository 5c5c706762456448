#include "common/sheets/SheetAtlas.h"

#include "common/Rounding.h"

#include <algorithm>

namespace common {

QString AtlasAnimation::frameName(int frame) const {
    return QStringLiteral("%1_%2").arg(name,
                                       QStringLiteral("%1").arg(frame, 3, 10, QLatin1Char('0')));
}

int AtlasAnimation::frameDuration() const {
    return nearest(1000.0 / framesPerSecond);
}

int SheetAtlas::frameCount() const {
    int frames = 0;
    for (const AtlasAnimation& animation : animations)
        frames += static_cast<int>(animation.frames.size());
    return frames;
}

bool SheetAtlas::trimmed() const {
    return std::any_of(animations.begin(), animations.end(), [](const AtlasAnimation& animation) {
        return std::any_of(animation.frames.begin(), animation.frames.end(),
                           [](const AtlasFrame& frame) { return frame.trimmed(); });
    });
}

SheetAtlas SheetAtlas::onGrid(const SheetGrid& grid, const std::vector<AtlasBlock>& blocks) {
    SheetAtlas atlas;
    atlas.size = QSize(grid.width(), grid.height());
    atlas.padding = grid.padding();
    atlas.grid = grid;
    int cell = 0;
    for (int block = 0; block < grid.blockCount(); ++block) {
        const AtlasBlock& given = blocks[static_cast<std::size_t>(block)];
        AtlasAnimation animation{given.name, given.framesPerSecond, given.loop, {}, {}};
        const QPoint offset = given.kept.isNull() ? QPoint() : given.kept.topLeft();
        const int cells = grid.rowsOf(block) * grid.columns();
        for (int index = 0; index < cells; ++index, ++cell) {
            const QRect rect = grid.cellRectAt(cell).adjusted(grid.padding(), grid.padding(),
                                                              -grid.padding(), -grid.padding());
            if (index < grid.blockFrameCount(block))
                animation.frames.push_back({rect, offset, given.frameSize});
            else
                animation.emptyCells.push_back(rect);
        }
        atlas.animations.push_back(animation);
    }
    return atlas;
}

SheetAtlas SheetAtlas::onGrid(const SheetGrid& grid) {
    AtlasBlock block;
    block.frameSize = grid.frameSize();
    return onGrid(grid,
                  std::vector<AtlasBlock>(static_cast<std::size_t>(grid.blockCount()), block));
}

} // namespace common
