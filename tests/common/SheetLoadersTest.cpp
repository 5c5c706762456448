#include "EngineSheetReaders.h"

#include "common/sheets/AlphaConversion.h"
#include "common/sheets/AtlasJson.h"
#include "common/sheets/FrameBounds.h"
#include "common/sheets/GodotSpriteFrames.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace common {
namespace {

using test::LoadedAnimation;

constexpr Colour kNight = makeColour(16, 24, 48);
constexpr Colour kDusk = makeColour(60, 20, 10);

// `count` frames of `size` pixels over `background`, each drawing a patch whose
// place, size and colours change from frame to frame (and with `seed`), so
// that crops and trims cut each set differently.
SheetFrames madeFrames(int count, int size, Colour background, int seed) {
    SheetFrames frames;
    frames.grid = FrameGrid(size, 3);
    frames.frameCount = count;
    frames.image = QImage(size * 3, size * frames.grid.rows(count), QImage::Format_RGB32);
    frames.image.fill(colourToRgb(background));
    for (int frame = 0; frame < count; ++frame) {
        const QPoint corner =
            frames.grid.originOf(frame) +
            QPoint(1 + (3 * frame + seed) % (size - 5), 1 + (frame + 2 * seed) % (size - 4));
        for (int y = 0; y < 2 + frame % 2; ++y)
            for (int x = 0; x < 2 + (frame + seed) % 3; ++x)
                frames.image.setPixel(corner + QPoint(x, y),
                                      qRgb(40 * frame + 20 * seed, 220 - 50 * x, 90 + 60 * y));
    }
    return frames;
}

AtlasBlock block(const QString& name, const SheetFrames& frames, double rate, bool loop) {
    AtlasBlock given;
    given.name = name;
    given.framesPerSecond = rate;
    given.loop = loop;
    given.frameCount = frames.frameCount;
    given.frameSize = QSize(frames.grid.frameSize(), frames.grid.frameSize());
    return given;
}

// Animations in one sheet, laid out by hand as the layouts lay them out.
struct Layout {
    const char* name;
    std::vector<SheetFrames> sources;
    std::vector<Colour> backgrounds;
    SheetAtlas atlas;
};

Layout oneGrid() {
    SheetFrames burst = madeFrames(5, 8, kNight, 0);
    burst.frameStep = 2;
    return {"one grid",
            {burst},
            {kNight},
            SheetAtlas::onGrid(SheetGrid(3, 8, 2, 1, false),
                               {block(QStringLiteral("burst"), burst, 7.5, false)})};
}

Layout variants(bool cropped) {
    const std::vector<SheetFrames> sets = {madeFrames(4, 8, kNight, 0),
                                           madeFrames(4, 8, kNight, 1)};
    std::vector<AtlasBlock> blocks = {block(QStringLiteral("burst_v0"), sets[0], 15, true),
                                      block(QStringLiteral("burst_v1"), sets[1], 15, true)};
    QSize size(8, 8);
    if (cropped) {
        const QRect kept = unionBounds(sets, {kNight, kNight});
        for (AtlasBlock& given : blocks)
            given.kept = kept;
        size = kept.size();
    }
    return {cropped ? "crop" : "variants",
            sets,
            {kNight, kNight},
            SheetAtlas::onGrid(SheetGrid({4, 4}, size, 3, 1, false), blocks)};
}

// Two sizes, each on its own grid, the second under the first.
Layout stacked() {
    const std::vector<SheetFrames> sets = {madeFrames(3, 8, kNight, 0),
                                           madeFrames(4, 12, kDusk, 2)};
    const SheetGrid small(3, 8, 3, 1, false);
    const SheetGrid large(4, 12, 2, 1, false);
    SheetAtlas atlas =
        SheetAtlas::onGrid(small, {block(QStringLiteral("spark"), sets[0], 15, false)});
    AtlasAnimation under =
        SheetAtlas::onGrid(large, {block(QStringLiteral("ring"), sets[1], 12, true)})
            .animations.front();
    const QPoint shift(0, small.height());
    for (AtlasFrame& frame : under.frames)
        frame.rect.translate(shift);
    for (QRect& cell : under.emptyCells)
        cell.translate(shift);
    atlas.animations.push_back(under);
    atlas.size = QSize(std::max(small.width(), large.width()), small.height() + large.height());
    atlas.grid.reset();
    return {"stacked", sets, {kNight, kDusk}, atlas};
}

// Every frame cut to what it draws, one after another on one shelf.
Layout packed() {
    const std::vector<SheetFrames> sets = {madeFrames(4, 8, kNight, 0),
                                           madeFrames(3, 12, kNight, 3)};
    const int padding = 1;
    SheetAtlas atlas;
    atlas.padding = padding;
    atlas.packed = true;
    int x = padding;
    int height = 0;
    const char* names[] = {"spark", "ring"};
    for (std::size_t set = 0; set < sets.size(); ++set) {
        AtlasAnimation animation{QString::fromLatin1(names[set]), 20, false, {}, {}};
        for (const QRect& bounds : keptFrameBounds(sets[set], kNight)) {
            const int size = sets[set].grid.frameSize();
            animation.frames.push_back(
                {QRect(QPoint(x, padding), bounds.size()), bounds.topLeft(), QSize(size, size)});
            x += bounds.width() + 2 * padding;
            height = std::max(height, bounds.height());
        }
        atlas.animations.push_back(animation);
    }
    atlas.size = QSize(x - padding, height + 2 * padding);
    return {"packed", sets, {kNight, kNight}, atlas};
}

std::vector<Layout> layouts() {
    return {oneGrid(), variants(false), variants(true), stacked(), packed()};
}

constexpr AlphaMode kModes[] = {AlphaMode::Additive, AlphaMode::Straight};

SheetDescription describe(const Layout& layout, AlphaMode mode) {
    return SheetDescription::of(QStringLiteral("out/fx.png"), layout.atlas, mode,
                                QStringLiteral("Kirabellum"), QStringLiteral("1.22"));
}

// What every animation of the layout plays, as the reader gives it: each
// frame cut out by the metadata and drawn at its place in the whole frame over
// the background (transparent with alpha) is the rendered frame, bit for bit.
// `readsPlay`: the reader also takes the rate and the loop.
void expectDrawnAsRendered(const Layout& layout, AlphaMode mode,
                           const std::vector<LoadedAnimation>& loaded, bool readsPlay) {
    const QImage sheet = makeSheet(layout.sources, layout.atlas, mode, layout.backgrounds);
    ASSERT_EQ(loaded.size(), layout.atlas.animations.size());
    for (std::size_t index = 0; index < layout.atlas.animations.size(); ++index) {
        const AtlasAnimation& animation = layout.atlas.animations[index];
        const auto played =
            std::find_if(loaded.begin(), loaded.end(),
                         [&](const LoadedAnimation& read) { return read.name == animation.name; });
        ASSERT_NE(played, loaded.end()) << animation.name.toStdString();
        ASSERT_EQ(played->frames.size(), animation.frames.size());
        if (readsPlay) {
            EXPECT_EQ(played->framesPerSecond, animation.framesPerSecond);
            EXPECT_EQ(played->loop, animation.loop);
        }
        const SheetFrames& source = layout.sources[index];
        const Colour background = layout.backgrounds[index];
        QImage backgroundPixel(1, 1, QImage::Format_RGB32);
        backgroundPixel.fill(colourToRgb(background));
        const QRgb fill = withAlpha(backgroundPixel, mode, background).pixel(0, 0);
        for (std::size_t kept = 0; kept < played->frames.size(); ++kept) {
            const QImage rendered =
                source.image.copy(source.grid.cellRect(static_cast<int>(kept) * source.frameStep));
            EXPECT_EQ(test::drawnFrame(sheet, played->frames[kept], fill),
                      withAlpha(rendered, mode, background))
                << layout.name << ", " << animation.frameName(static_cast<int>(kept)).toStdString();
        }
    }
}

TEST(SheetLoaders, PixiJsDrawsEveryFrameOfEveryLayoutAsRendered) {
    for (const Layout& layout : layouts())
        for (const AlphaMode mode : kModes)
            expectDrawnAsRendered(layout, mode,
                                  test::readPixiSpritesheet(
                                      atlasJson(describe(layout, mode), MetadataFormat::JsonHash)),
                                  false);
}

// Phaser also takes each animation's rate from its tag, and sets a sprite's
// origin to a frame's pivot, a fraction of the whole frame: the pivot must keep
// the whole frame's centre, where the burst is, for cut frames too.
TEST(SheetLoaders, PhaserPlaysEveryLayoutAsRenderedFromEitherForm) {
    for (const Layout& layout : layouts())
        for (const AlphaMode mode : kModes)
            for (const MetadataFormat format :
                 {MetadataFormat::JsonHash, MetadataFormat::JsonArray}) {
                const std::vector<LoadedAnimation> loaded =
                    test::readPhaserAtlas(atlasJson(describe(layout, mode), format));
                expectDrawnAsRendered(layout, mode, loaded, true);
                for (const LoadedAnimation& animation : loaded)
                    for (const test::LoadedFrame& frame : animation.frames) {
                        EXPECT_DOUBLE_EQ(frame.pivot.x() * frame.box.width(),
                                         frame.box.width() / 2.0)
                            << layout.name;
                        EXPECT_DOUBLE_EQ(frame.pivot.y() * frame.box.height(),
                                         frame.box.height() / 2.0)
                            << layout.name;
                    }
            }
}

// The resource reads back with every animation under its name ("default" for
// a sheet of one), its frames, rate and loop; each frame's region and margin
// draw it where it was in the whole frame.
TEST(SheetLoaders, GodotPlaysEveryLayoutAsRendered) {
    for (const Layout& layout : layouts())
        for (const AlphaMode mode : kModes) {
            const test::SpriteFrames read = test::readSpriteFrames(
                QString::fromUtf8(godotSpriteFrames(describe(layout, mode))));
            EXPECT_EQ(read.loadSteps, layout.atlas.frameCount() + 2);
            std::vector<LoadedAnimation> loaded = read.loaded();
            if (loaded.size() == 1) {
                EXPECT_EQ(loaded.front().name, QStringLiteral("default"));
                loaded.front().name = layout.atlas.animations.front().name;
            }
            expectDrawnAsRendered(layout, mode, loaded, true);
        }
}

} // namespace
} // namespace common
