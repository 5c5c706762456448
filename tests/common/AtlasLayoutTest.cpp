#include "common/sheets/AtlasLayout.h"

#include <gtest/gtest.h>

namespace common {
namespace {

AtlasBlock block(int frames, int columns, QSize size, std::vector<QRect> bounds = {}) {
    AtlasBlock made;
    made.name = QStringLiteral("b%1x%2").arg(size.width()).arg(size.height());
    made.frameCount = frames;
    made.columns = columns;
    made.frameSize = size;
    made.bounds = std::move(bounds);
    return made;
}

SheetOptions options(int maxSize = 0, bool powerOfTwo = false, std::optional<int> columns = {},
                     int padding = 0) {
    SheetOptions made;
    made.maxSize = maxSize;
    made.powerOfTwo = powerOfTwo;
    made.columns = columns;
    made.padding = padding;
    return made;
}

// What every layout keeps to: cells (frames with their padding, and empty
// cells) that do not overlap, inside the sheet, within the longest edge,
// power-of-two edges when asked.
void expectSound(const SheetAtlas& atlas, const SheetOptions& given) {
    std::vector<QRect> cells;
    for (const AtlasAnimation& animation : atlas.animations) {
        for (const AtlasFrame& frame : animation.frames)
            cells.push_back(
                frame.rect.adjusted(-atlas.padding, -atlas.padding, atlas.padding, atlas.padding));
        cells.insert(cells.end(), animation.emptyCells.begin(), animation.emptyCells.end());
    }
    for (std::size_t a = 0; a < cells.size(); ++a) {
        EXPECT_TRUE(QRect(QPoint(), atlas.size).contains(cells[a])) << a;
        for (std::size_t b = a + 1; b < cells.size(); ++b)
            EXPECT_FALSE(cells[a].intersects(cells[b])) << a << " and " << b;
    }
    if (given.maxSize > 0) {
        EXPECT_LE(std::max(atlas.size.width(), atlas.size.height()), given.maxSize);
    }
    if (given.powerOfTwo) {
        for (const int edge : {atlas.size.width(), atlas.size.height()})
            EXPECT_EQ(edge & (edge - 1), 0) << edge;
    }
}

TEST(AtlasLayout, BlocksOfOneSizeShareOneGridEachFromARowOfItsOwn) {
    const struct {
        std::vector<int> frames;
        std::vector<int> emptyCells; // per animation
        const char* tiles;
    } cases[] = {
        {{3, 5}, {1, 3}, "4 x 3 tiles of 10 x 8 px, 15 fps"},
        {{4, 4, 4}, {0, 0, 0}, "4 x 3 tiles of 10 x 8 px, 15 fps; Single Row, Random Row, 3 rows"},
    };
    for (const auto& row : cases) {
        std::vector<AtlasBlock> blocks;
        for (const int frames : row.frames)
            blocks.push_back(block(frames, 4, QSize(10, 8)));
        SheetAtlas atlas;
        ASSERT_TRUE(layOutAtlas(blocks, options(), atlas).ok());
        ASSERT_TRUE(atlas.grid);
        expectSound(atlas, options());
        int top = 0;
        for (std::size_t a = 0; a < blocks.size(); ++a) {
            const AtlasAnimation& animation = atlas.animations[a];
            EXPECT_EQ(animation.frames.front().rect.topLeft(), QPoint(0, top)) << a;
            EXPECT_EQ(static_cast<int>(animation.emptyCells.size()), row.emptyCells[a]);
            top += atlas.grid->rowsOf(static_cast<int>(a)) * 8;
        }
        EXPECT_EQ(atlasTilesText(atlas), QLatin1String(row.tiles));
        EXPECT_TRUE(atlasGridWarning(atlas).isEmpty());
    }
}

TEST(AtlasLayout, BlocksOfSeveralSizesStackOneUnderTheOther) {
    const struct {
        const char* what;
        std::vector<AtlasBlock> blocks;
        SheetOptions options;
        QSize sheet;
        std::vector<int> columns; // per animation: where its second frame lies
    } cases[] = {
        {"own columns",
         {block(3, 3, QSize(10, 10)), block(2, 2, QSize(20, 5))},
         options(),
         {40, 15},
         {3, 2}},
        {"power-of-two edges around the whole",
         {block(3, 3, QSize(10, 10)), block(2, 2, QSize(20, 5))},
         options(0, true),
         {64, 16},
         {3, 2}},
        {"--columns held to each block's frames",
         {block(3, 3, QSize(10, 10)), block(1, 1, QSize(20, 5))},
         options(0, false, 2),
         {20, 25},
         {2, 1}},
        {"a common width within --max-size",
         {block(8, 8, QSize(10, 10)), block(2, 2, QSize(20, 20))},
         options(50),
         {40, 40},
         {4, 2}},
    };
    for (const auto& row : cases) {
        SheetAtlas atlas;
        ASSERT_TRUE(layOutAtlas(row.blocks, row.options, atlas).ok()) << row.what;
        EXPECT_FALSE(atlas.grid) << row.what;
        EXPECT_FALSE(atlas.packed) << row.what;
        EXPECT_EQ(atlas.size, row.sheet) << row.what;
        expectSound(atlas, row.options);
        int top = 0;
        for (std::size_t a = 0; a < row.blocks.size(); ++a) {
            const std::vector<AtlasFrame>& frames = atlas.animations[a].frames;
            EXPECT_EQ(frames.front().rect.topLeft(), QPoint(0, top)) << row.what;
            const int height = row.blocks[a].frameSize.height();
            if (frames.size() > 1) {
                EXPECT_EQ(frames[1].rect.topLeft(),
                          row.columns[a] == 1 ? QPoint(0, top + height)
                                              : QPoint(row.blocks[a].frameSize.width(), top))
                    << row.what;
            }
            const int rows = (row.blocks[a].frameCount + row.columns[a] - 1) / row.columns[a];
            top += rows * height;
        }
        EXPECT_TRUE(atlasTilesText(atlas).contains(QLatin1String("not a uniform grid")));
        EXPECT_FALSE(atlasGridWarning(atlas).isEmpty());
    }
}

TEST(AtlasLayout, TrimmedFramesArePackedAtTheirBounds) {
    // A burst: frames that grow from the centre, one that draws nothing.
    std::vector<QRect> burst;
    for (int frame = 0; frame < 12; ++frame)
        burst.push_back(QRect(30 - 2 * frame, 31 - frame, 4 * frame + 3, 2 * frame + 1));
    burst[5] = QRect();
    std::vector<QRect> sparks;
    for (int frame = 0; frame < 7; ++frame)
        sparks.push_back(QRect(frame, 2 * frame, 9 - frame, 5 + frame));
    const std::vector<AtlasBlock> blocks = {block(12, 4, QSize(64, 64), burst),
                                            block(7, 7, QSize(16, 20), sparks)};
    for (const SheetOptions& given :
         {options(), options(0, false, {}, 2), options(0, true), options(128, true, {}, 1)}) {
        SheetOptions trim = given;
        trim.trim = true;
        SheetAtlas atlas;
        ASSERT_TRUE(layOutAtlas(blocks, trim, atlas).ok());
        EXPECT_TRUE(atlas.packed);
        EXPECT_FALSE(atlas.grid);
        expectSound(atlas, trim);
        EXPECT_LT(atlas.size.width() * atlas.size.height(), 12 * 64 * 64);
        for (std::size_t a = 0; a < blocks.size(); ++a)
            for (std::size_t frame = 0; frame < blocks[a].bounds.size(); ++frame) {
                const AtlasFrame& placed = atlas.animations[a].frames[frame];
                const QRect bounds = blocks[a].bounds[frame].isNull() ? QRect(32, 32, 1, 1)
                                                                      : blocks[a].bounds[frame];
                EXPECT_EQ(placed.offset, bounds.topLeft());
                EXPECT_EQ(placed.rect.size(), bounds.size());
                EXPECT_EQ(placed.sourceSize, blocks[a].frameSize);
            }
        EXPECT_EQ(atlasTilesText(atlas),
                  QLatin1String("packed frames, not a grid: load it by its metadata"));
        EXPECT_FALSE(atlasGridWarning(atlas).isEmpty());
    }
}

TEST(AtlasLayout, WhatCannotFitNamesTheLimitAndWhatWouldFit) {
    SheetOptions trim = options(64);
    trim.trim = true;
    const QRect square(0, 0, 40, 40);
    const struct {
        std::vector<AtlasBlock> blocks;
        SheetOptions options;
        const char* message;
    } cases[] = {
        {{block(8, 8, QSize(10, 10)), block(2, 2, QSize(20, 20))},
         options(30),
         "--max-size 30 cannot hold 10 frames of several sizes; the smallest size that would "
         "is 40"},
        {{block(3, 3, QSize(10, 10)), block(2, 2, QSize(20, 5))},
         options(30, false, 3),
         "--max-size 30 cannot hold 5 frames of several sizes with --columns 3; the smallest "
         "size that would is 40"},
        {{block(1, 1, QSize(20000, 20000)), block(1, 1, QSize(20000, 19000))},
         options(),
         "the limit of 32767 pixels each way cannot hold 2 frames of several sizes; only the "
         "first 1 of its 2 animations would fit"},
        {{block(2, 2, QSize(50, 50), {square, square})},
         trim,
         "--max-size 64 cannot hold 2 trimmed frames; the smallest size that would is 80"},
    };
    for (const auto& row : cases) {
        SheetAtlas atlas;
        const Status status = layOutAtlas(row.blocks, row.options, atlas);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.message(), QLatin1String(row.message));
    }
}

} // namespace
} // namespace common
