// kirabellum render with several designs, variants, crops and trims: every
// animation the metadata names is the design rendered alone with its seed.
#include "cli/CommandLine.h"
#include "common/Colour.h"
#include "core/document/DesignFile.h"
#include "core/document/DesignJson.h"
#include "core/editing/SampleDesigns.h"

#include "CommandRun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kirabellum {
namespace {

using common::test::CommandResult;

// The background every test design has: the ramp's first colour.
const common::Colour Background = common::makeColour(30, 20, 60);

// The whole frames of animation `name` as the JSON hash beside `sheetPath`
// cuts them out: each frame's pixels placed at its offset in a frame of its
// source size filled with the background.
std::vector<QImage> framesCutOut(const QString& sheetPath, const QString& name) {
    const QImage sheet = QImage(sheetPath).convertToFormat(QImage::Format_RGB32);
    QFile file(QString(sheetPath).replace(QStringLiteral(".png"), QStringLiteral(".json")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject frames = json.value(QStringLiteral("frames")).toObject();
    std::vector<QImage> cut;
    for (const QJsonValue frameName :
         json.value(QStringLiteral("animations")).toObject().value(name).toArray()) {
        const QJsonObject frame = frames.value(frameName.toString()).toObject();
        const QJsonObject rect = frame.value(QStringLiteral("frame")).toObject();
        const QJsonObject offset = frame.value(QStringLiteral("spriteSourceSize")).toObject();
        const QJsonObject source = frame.value(QStringLiteral("sourceSize")).toObject();
        const auto number = [](const QJsonObject& object, const char* key) {
            return object.value(QLatin1String(key)).toInt();
        };
        QImage whole(number(source, "w"), number(source, "h"), QImage::Format_RGB32);
        whole.fill(common::colourToRgb(Background));
        QPainter painter(&whole);
        painter.drawImage(
            QPoint(number(offset, "x"), number(offset, "y")), sheet,
            QRect(number(rect, "x"), number(rect, "y"), number(rect, "w"), number(rect, "h")));
        painter.end();
        cut.push_back(whole);
    }
    return cut;
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
    std::vector<QImage> renderedAlone(const QString& design, int seed) const {
        const QString alone = path("alone.png");
        const CommandResult result = render(
            {design, QStringLiteral("-o"), alone, QStringLiteral("--seed"), QString::number(seed),
             QStringLiteral("--metadata"), QStringLiteral("json-hash")});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return framesCutOut(alone, QStringLiteral("alone"));
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

} // namespace
} // namespace kirabellum
