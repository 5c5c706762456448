// kirabellum render with several designs, variants, crops and trims: every
// animation the metadata names is the design rendered alone with its seed.
#include "cli/CommandLine.h"
#include "common/Colour.h"
#include "core/document/DesignFile.h"
#include "core/document/DesignJson.h"
#include "core/editing/SampleDesigns.h"
#include "core/render/AtlasRender.h"

#include "CommandRun.h"
#include "EngineSheetReaders.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace kirabellum {
namespace {

using common::test::CommandResult;

// The background every test design has: the ramp's first colour.
const common::Colour Background = common::makeColour(30, 20, 60);

// The JSON hash and the Godot resource beside a sheet.
QByteArray besideSheet(const QString& sheetPath, const char* extension) {
    QFile file(QString(sheetPath).replace(QStringLiteral(".png"), QString::fromLatin1(extension)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The frames of animation `name` of `animations` as the engine draws them from
// `sheet`: each cut out and placed at its offset in its whole frame, filled
// with `background`.
std::vector<QImage> framesDrawn(const std::vector<common::test::LoadedAnimation>& animations,
                                const QImage& sheet, const QString& name,
                                common::Colour background = Background) {
    std::vector<QImage> drawn;
    for (const common::test::LoadedAnimation& animation : animations)
        if (animation.name == name)
            for (const common::test::LoadedFrame& frame : animation.frames)
                drawn.push_back(
                    common::test::drawnFrame(sheet, frame, common::colourToRgb(background)));
    return drawn;
}

// The whole frames of animation `name` as PixiJS cuts them out of the sheet
// `sheetPath` by the JSON hash beside it.
std::vector<QImage> framesCutOut(const QString& sheetPath, const QString& name,
                                 common::Colour background = Background) {
    return framesDrawn(common::test::readPixiSpritesheet(besideSheet(sheetPath, ".json")),
                       QImage(sheetPath).convertToFormat(QImage::Format_RGB32), name, background);
}

// The metadata's frame tags by animation name.
QJsonObject frameTag(const QString& sheetPath, const QString& name) {
    QFile file(QString(sheetPath).replace(QStringLiteral(".png"), QStringLiteral(".json")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonArray tags = QJsonDocument::fromJson(file.readAll())
                                .object()
                                .value(QStringLiteral("meta"))
                                .toObject()
                                .value(QStringLiteral("frameTags"))
                                .toArray();
    for (const QJsonValue tag : tags)
        if (tag.toObject().value(QStringLiteral("name")).toString() == name)
            return tag.toObject();
    return {};
}

class RenderAtlasTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("more")));
        const std::vector<SampleDesign> samples = sampleDesigns();
        DesignDocument burst = samples[0].design;
        burst.FrameCount = 5;
        burst.RefreshRate = 2; // "30fps"
        burst.ColorRamp[0] = Background;
        DesignDocument other = samples[1].design;
        other.FrameCount = 4;
        other.RefreshRate = 4; // "15fps"
        other.FrameSize = burst.FrameSize;
        other.ColorRamp[0] = Background;
        DesignDocument larger = other;
        larger.FrameSize = burst.FrameSize + 32;
        ASSERT_TRUE(WriteDesignFile(path("burst.df2"), burst).ok());
        ASSERT_TRUE(WriteDesignFile(path("more/burst.df2"), other).ok());
        ASSERT_TRUE(writeDesignJson(path("other.json"), other).ok());
        ASSERT_TRUE(writeDesignJson(path("larger.json"), larger).ok());
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    void writeList(const char* text) const {
        QFile list(path("more/list.txt"));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write(text);
    }
    CommandResult render(const QStringList& words, bool terminal = false) const {
        const QStringList arguments = QStringList{QStringLiteral("render")} + words;
        return common::test::captureCommand([&](std::ostream& out, std::ostream& err) {
            return runCommandLine(arguments, out, err, terminal);
        });
    }
    // The frames of `design` rendered alone with `seed`.
    std::vector<QImage> renderedAlone(const QString& design, std::uint64_t seed,
                                      common::Colour background = Background) const {
        const QString alone = path("alone.png");
        const CommandResult result = render(
            {design, QStringLiteral("-o"), alone, QStringLiteral("--seed"), QString::number(seed),
             QStringLiteral("--metadata"), QStringLiteral("json-hash")});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return framesCutOut(alone, QStringLiteral("alone"), background);
    }

    QTemporaryDir folder;
};

TEST_F(RenderAtlasTest, EveryAnimationHoldsTheFramesOfItsDesignRenderedAloneWithItsSeed) {
    const struct Animation {
        const char* name;
        const char* design;
        int seed;
        double framesPerSecond;
    } burst[] = {{"burst_v0", "burst.df2", 5, 30},
                 {"burst_v1", "burst.df2", 6, 30},
                 {"burst_v2", "burst.df2", 7, 30}};
    const struct {
        const char* list; // written to more/list.txt when given
        QStringList options;
        std::vector<Animation> animations;
        const char* terminal;
    } cases[] = {
        {nullptr,
         {path("burst.df2"), QStringLiteral("--variants"), QStringLiteral("3"),
          QStringLiteral("--seed"), QStringLiteral("5"), QStringLiteral("--columns"),
          QStringLiteral("5")},
         {burst[0], burst[1], burst[2]},
         "Single Row, Random Row, 3 rows"},
        {nullptr,
         {path("burst.df2"), path("other.json"), path("more/burst.df2")},
         {{"burst", "burst.df2", 0, 30},
          {"other", "other.json", 0, 15},
          {"burst_2", "more/burst.df2", 0, 15}},
         "Wrote 13 frames in 3 animations"},
        {"burst.df2 variants=2 seed=9\n# a comment\n\n../other.json\n",
         {QStringLiteral("--atlas"), path("more/list.txt")},
         {{"burst_v0", "more/burst.df2", 9, 15},
          {"burst_v1", "more/burst.df2", 10, 15},
          {"other", "other.json", 0, 15}},
         "in 3 animations"},
        {nullptr,
         {path("burst.df2"), QStringLiteral("--crop"), QStringLiteral("--variants"),
          QStringLiteral("2"), QStringLiteral("--padding"), QStringLiteral("1")},
         {{"burst_v0", "burst.df2", 0, 30}, {"burst_v1", "burst.df2", 1, 30}},
         "frame pixels saved"},
        {nullptr,
         {path("burst.df2"), path("other.json"), QStringLiteral("--crop")},
         {{"burst", "burst.df2", 0, 30}, {"other", "other.json", 0, 15}},
         "frame pixels saved"},
        {nullptr,
         {path("burst.df2"), path("larger.json"), QStringLiteral("--crop")},
         {{"burst", "burst.df2", 0, 30}, {"larger", "larger.json", 0, 15}},
         "in 2 animations"},
        {nullptr,
         {path("burst.df2"), path("larger.json"), QStringLiteral("--trim")},
         {{"burst", "burst.df2", 0, 30}, {"larger", "larger.json", 0, 15}},
         "in 2 animations"},
    };
    const QString sheet = path("atlas.png");
    for (const auto& c : cases) {
        const std::string words = c.options.join(QLatin1Char(' ')).toStdString();
        if (c.list)
            writeList(c.list);
        const CommandResult result = render(c.options + QStringList{QStringLiteral("-o"), sheet,
                                                                    QStringLiteral("--metadata"),
                                                                    QStringLiteral("json-hash")},
                                            true);
        ASSERT_EQ(result.exitCode, 0) << words << '\n' << result.err;
        EXPECT_NE((result.out + result.err).find(c.terminal), std::string::npos)
            << words << '\n'
            << result.out << result.err;
        std::vector<std::vector<QImage>> cut;
        for (const Animation& animation : c.animations) {
            const QString name = QString::fromLatin1(animation.name);
            cut.push_back(framesCutOut(sheet, name));
            EXPECT_EQ(frameTag(sheet, name).value(QStringLiteral("frameRate")).toDouble(),
                      animation.framesPerSecond)
                << words << ' ' << animation.name;
        }
        for (std::size_t index = 0; index < c.animations.size(); ++index) {
            const Animation& animation = c.animations[index];
            const std::vector<QImage> alone = renderedAlone(path(animation.design), animation.seed);
            ASSERT_FALSE(alone.empty());
            EXPECT_TRUE(cut[index] == alone) << words << ' ' << animation.name;
        }
    }
}

// Every sample in three variants, cropped, in one sheet: PixiJS, Phaser and
// Godot each play every animation as the sample renders alone with that seed.
TEST_F(RenderAtlasTest, EverySampleInThreeCroppedVariantsPlaysInEachEngineAsRenderedAlone) {
    const QDir samples(QStringLiteral(KIRABELLUM_SOURCE_DIR "/samples"));
    const QStringList names = samples.entryList({QStringLiteral("*.df2"), QStringLiteral("*.json")},
                                                QDir::Files, QDir::Name);
    ASSERT_GE(names.size(), 14);
    QStringList words;
    for (const QString& name : names)
        words << samples.filePath(name);
    const QString atlas = path("atlas.png");
    const CommandResult result =
        render(words + QStringList{QStringLiteral("--variants"), QStringLiteral("3"),
                                   QStringLiteral("--crop"), QStringLiteral("-o"), atlas,
                                   QStringLiteral("--metadata"), QStringLiteral("json-hash"),
                                   QStringLiteral("--metadata"), QStringLiteral("godot")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QImage sheet = QImage(atlas).convertToFormat(QImage::Format_RGB32);
    const QByteArray json = besideSheet(atlas, ".json");
    const struct {
        const char* engine;
        std::vector<common::test::LoadedAnimation> animations;
    } engines[] = {
        {"PixiJS", common::test::readPixiSpritesheet(json)},
        {"Phaser", common::test::readPhaserAtlas(json)},
        {"Godot",
         common::test::readSpriteFrames(QString::fromUtf8(besideSheet(atlas, ".tres"))).loaded()},
    };
    for (const auto& engine : engines)
        EXPECT_EQ(engine.animations.size(), 3 * names.size()) << engine.engine;
    for (const QString& name : names) {
        AtlasDesign entry;
        ASSERT_TRUE(readAtlasDesign(samples.filePath(name), entry).ok());
        const std::uint64_t seed = entry.design.Render.Seed.value_or(0);
        const common::Colour background = entry.design.ColorRamp[0];
        for (int variant = 0; variant < 3; ++variant) {
            const QString animation = QStringLiteral("%1_v%2").arg(entry.name).arg(variant);
            const std::vector<QImage> alone = renderedAlone(
                samples.filePath(name), seed + static_cast<std::uint64_t>(variant), background);
            ASSERT_FALSE(alone.empty()) << animation.toStdString();
            for (const auto& engine : engines)
                EXPECT_TRUE(framesDrawn(engine.animations, sheet, animation, background) == alone)
                    << engine.engine << ' ' << animation.toStdString();
        }
    }
}

TEST_F(RenderAtlasTest, CroppedVariantsShareOneCellSizeAndEachBeginsARow) {
    const QString sheet = path("atlas.png");
    const CommandResult result = render(
        {path("burst.df2"), QStringLiteral("--variants"), QStringLiteral("3"),
         QStringLiteral("--crop"), QStringLiteral("--columns"), QStringLiteral("3"),
         QStringLiteral("-o"), sheet, QStringLiteral("--metadata"), QStringLiteral("json-hash")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    QFile file(path("atlas.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject frames =
        QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("frames")).toObject();
    const auto rectOf = [&](const char* name) {
        const QJsonObject rect = frames.value(QString::fromLatin1(name))
                                     .toObject()
                                     .value(QStringLiteral("frame"))
                                     .toObject();
        return QRect(
            rect.value(QStringLiteral("x")).toInt(), rect.value(QStringLiteral("y")).toInt(),
            rect.value(QStringLiteral("w")).toInt(), rect.value(QStringLiteral("h")).toInt());
    };
    // Five frames on three columns: two rows a variant, the second ending in an empty cell.
    const QRect first = rectOf("burst_v0_000");
    const QRect cells[] = {rectOf("burst_v0_004"), rectOf("burst_v1_000"), rectOf("burst_v2_000")};
    EXPECT_EQ(cells[0].topLeft(), QPoint(first.width(), first.height()));
    EXPECT_EQ(cells[1].topLeft(), QPoint(0, 2 * first.height()));
    EXPECT_EQ(cells[2].topLeft(), QPoint(0, 4 * first.height()));
    for (const QRect& cell : cells)
        EXPECT_EQ(cell.size(), first.size());
    EXPECT_LT(first.width() * first.height(), 128 * 128);
}

TEST_F(RenderAtlasTest, WhatCannotBeMadeIsRefused) {
    const QString png = path("x.png");
    const struct {
        const char* list;
        QStringList words;
        int exitCode;
        const char* message;
    } cases[] = {
        {"burst.df2\nother.json variants=0\n",
         {QStringLiteral("--atlas"), path("list.txt"), QStringLiteral("-o"), png},
         2,
         "list.txt, line 2: variants must be from 1 to 64"},
        {"# designs\nburst.df2 seed=x\n",
         {QStringLiteral("--atlas"), path("list.txt"), QStringLiteral("-o"), png},
         2,
         "list.txt, line 2: the seed \"x\""},
        {"seed=3\n",
         {QStringLiteral("--atlas"), path("list.txt"), QStringLiteral("-o"), png},
         2,
         "list.txt, line 1: no design before"},
        {"\n# nothing\n",
         {QStringLiteral("--atlas"), path("list.txt"), QStringLiteral("-o"), png},
         2,
         "lists no design"},
        {nullptr,
         {QStringLiteral("--atlas"), path("missing.txt"), QStringLiteral("-o"), png},
         1,
         "missing.txt"},
        {nullptr,
         {path("burst.df2"), path("other.json"), QStringLiteral("-o"), path("x.gif")},
         2,
         "an animation holds one design"},
        {nullptr,
         {path("burst.df2"), QStringLiteral("--variants"), QStringLiteral("2"),
          QStringLiteral("-o"), path("x.webp")},
         2,
         "an animation holds one design"},
        {nullptr,
         {path("burst.df2"), QStringLiteral("--variants"), QStringLiteral("65"),
          QStringLiteral("-o"), png},
         2,
         "--variants"},
        {nullptr,
         {path("burst.df2"), QStringLiteral("--variants"), QStringLiteral("3"),
          QStringLiteral("--max-size"), QStringLiteral("200"), QStringLiteral("-o"), png},
         2,
         "--max-size"},
    };
    for (const auto& c : cases) {
        if (c.list) {
            QFile list(path("list.txt"));
            ASSERT_TRUE(list.open(QIODevice::WriteOnly));
            list.write(c.list);
        }
        const CommandResult result = render(c.words);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_FALSE(QFile::exists(png));
        EXPECT_FALSE(QFile::exists(path("x.gif")));
    }
}

TEST_F(RenderAtlasTest, ProgressCountsOverEveryRunAndACancelStopsTheRender) {
    std::vector<AtlasDesign> designs(2);
    ASSERT_TRUE(readAtlasDesign(path("burst.df2"), designs[0]).ok());
    ASSERT_TRUE(readAtlasDesign(path("other.json"), designs[1]).ok());
    AtlasRequest request;
    request.sheet.variants = 2;
    common::WorkerPool workers(1);
    AtlasRender atlas(workers);
    ASSERT_TRUE(atlas.prepare(designs, request).ok());
    EXPECT_EQ(atlas.frameCount(), 2 * 5 + 2 * 4);
    std::vector<int> started;
    RenderHooks hooks;
    hooks.frameStarted = [&](int frame) {
        started.push_back(frame);
        if (frame == 12)
            atlas.cancel();
    };
    EXPECT_FALSE(atlas.run(hooks));
    std::vector<int> expected(13);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(started, expected);
}

} // namespace
} // namespace kirabellum
