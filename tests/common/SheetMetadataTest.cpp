#include "EngineSheetReaders.h"

#include "common/AtomicFile.h"
#include "common/sheets/AtlasJson.h"
#include "common/sheets/GodotSpriteFrames.h"
#include "common/sheets/SheetFiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace common {
namespace {

SheetDescription burst(bool loop = false) {
    return SheetDescription::of(QStringLiteral("out/burst.png"), SheetGrid(5, 24, 3, 2, true),
                                AlphaMode::Premultiplied, 24, loop, QStringLiteral("Kirabellum"),
                                QStringLiteral("1.22"));
}

QRect rectOf(const QJsonObject& object) {
    return {object[QStringLiteral("x")].toInt(), object[QStringLiteral("y")].toInt(),
            object[QStringLiteral("w")].toInt(), object[QStringLiteral("h")].toInt()};
}

TEST(SheetMetadata, BothJsonFormsGiveEachFrameItsRectangleInPlayOrder) {
    const SheetDescription description = burst();
    for (const MetadataFormat format : {MetadataFormat::JsonHash, MetadataFormat::JsonArray}) {
        const QJsonObject root = QJsonDocument::fromJson(atlasJson(description, format)).object();
        const QJsonArray names =
            root[QStringLiteral("animations")][QStringLiteral("burst")].toArray();
        ASSERT_EQ(names.size(), 5);
        for (int frame = 0; frame < 5; ++frame) {
            const QString name = QStringLiteral("burst_00%1").arg(frame);
            EXPECT_EQ(names[frame].toString(), name);
            const QJsonObject entry =
                format == MetadataFormat::JsonHash
                    ? root[QStringLiteral("frames")][name].toObject()
                    : root[QStringLiteral("frames")].toArray()[frame].toObject();
            if (format == MetadataFormat::JsonArray) {
                EXPECT_EQ(entry[QStringLiteral("filename")].toString(), name);
            }
            EXPECT_EQ(rectOf(entry[QStringLiteral("frame")].toObject()),
                      description.atlas.grid->frameRect(frame));
            EXPECT_EQ(entry[QStringLiteral("duration")].toInt(), 42);
            EXPECT_FALSE(entry[QStringLiteral("rotated")].toBool(true));
        }
        const QJsonObject meta = root[QStringLiteral("meta")].toObject();
        EXPECT_EQ(meta[QStringLiteral("image")].toString(), QStringLiteral("burst.png"));
        EXPECT_EQ(meta[QStringLiteral("size")][QStringLiteral("w")].toInt(), 128);
        EXPECT_EQ(meta[QStringLiteral("size")][QStringLiteral("h")].toInt(), 64);
        EXPECT_EQ(meta[QStringLiteral("blend")].toString(), QStringLiteral("premultiplied"));
        EXPECT_EQ(meta[QStringLiteral("frameRate")].toInt(), 24);
        const QJsonObject grid = meta[QStringLiteral("grid")].toObject();
        EXPECT_EQ(grid, (QJsonObject{{QStringLiteral("columns"), 3},
                                     {QStringLiteral("rows"), 2},
                                     {QStringLiteral("cellWidth"), 28},
                                     {QStringLiteral("cellHeight"), 28},
                                     {QStringLiteral("padding"), 2},
                                     {QStringLiteral("frameCount"), 5}}));
    }
}

// A tag counts frames in the order "frames" is written, which for the hash is
// its keys' sorted order: "peony" laid out before "comet" is listed after it.
TEST(SheetMetadata, EachTagSpansItsOwnFramesInTheOrderTheyAreWritten) {
    AtlasBlock peony;
    peony.name = QStringLiteral("peony");
    peony.frameSize = QSize(8, 8);
    AtlasBlock comet = peony;
    comet.name = QStringLiteral("comet");
    SheetDescription description = burst();
    description.atlas =
        SheetAtlas::onGrid(SheetGrid({3, 2}, QSize(8, 8), 3, 0, false), {peony, comet});
    for (const MetadataFormat format : {MetadataFormat::JsonHash, MetadataFormat::JsonArray}) {
        const QJsonObject root = QJsonDocument::fromJson(atlasJson(description, format)).object();
        QStringList written;
        if (format == MetadataFormat::JsonHash)
            written = root[QStringLiteral("frames")].toObject().keys();
        else
            for (const QJsonValue entry : root[QStringLiteral("frames")].toArray())
                written << entry[QStringLiteral("filename")].toString();
        const QJsonArray tags = root[QStringLiteral("meta")][QStringLiteral("frameTags")].toArray();
        ASSERT_EQ(tags.size(), 2);
        for (const QJsonValue tag : tags) {
            const QString name = tag[QStringLiteral("name")].toString();
            const QStringList spanned = written.mid(tag[QStringLiteral("from")].toInt(),
                                                    tag[QStringLiteral("to")].toInt() -
                                                        tag[QStringLiteral("from")].toInt() + 1);
            EXPECT_EQ(spanned, root[QStringLiteral("animations")][name].toVariant().toStringList())
                << name.toStdString() << " " << metadataFormatName(format).toStdString();
        }
    }
}

TEST(SheetMetadata, AGodotReaderFindsEveryFrameOnTheImageBesideIt) {
    const SheetDescription description = burst();
    const test::SpriteFrames read =
        test::readSpriteFrames(QString::fromUtf8(godotSpriteFrames(description)));
    EXPECT_EQ(read.format, 3);
    EXPECT_EQ(read.loadSteps, 1 + 5 + 1);
    ASSERT_EQ(read.texturePaths.size(), 1u);
    EXPECT_EQ(read.texturePaths.begin()->second, QStringLiteral("burst.png"));
    ASSERT_EQ(read.animations.size(), 1u);
    const test::SpriteFrames::Animation& animation = read.animations.front();
    ASSERT_EQ(animation.frames.size(), 5);
    for (int frame = 0; frame < 5; ++frame) {
        const auto& atlas = read.atlases.at(animation.frames[frame]);
        EXPECT_EQ(atlas.texture, read.texturePaths.begin()->first);
        EXPECT_EQ(atlas.region, description.atlas.grid->frameRect(frame));
    }
    EXPECT_EQ(animation.speed, 24.0);
    EXPECT_EQ(animation.name, QStringLiteral("default"));
}

// A burst plays once and stops on its last frame; a loop plays over and over.
TEST(SheetMetadata, GodotLoopsOnlyTheFramesOfALoop) {
    for (const bool loop : {false, true})
        EXPECT_EQ(test::readSpriteFrames(QString::fromUtf8(godotSpriteFrames(burst(loop))))
                      .animations.front()
                      .loop,
                  loop);
}

// A frame step makes the rate fractional; a whole rate is written as ever.
TEST(SheetMetadata, TheRateIsStatedExactlyWholeOrNot) {
    const struct {
        double rate;
        const char* json;
        const char* godot;
        int duration;
    } rows[] = {
        {24, "\"frameRate\": 24,", "\"speed\": 24.0\n", 42},
        {7.5, "\"frameRate\": 7.5,", "\"speed\": 7.5\n", 133},
        {10.0 / 3, "\"frameRate\": 3.3333333333333335,", "\"speed\": 3.3333333333333335\n", 300},
        {0.625, "\"frameRate\": 0.625,", "\"speed\": 0.625\n", 1600},
    };
    for (const auto& row : rows) {
        SheetDescription description = burst();
        description.atlas.animations.front().framesPerSecond = row.rate;
        const QByteArray json = atlasJson(description, MetadataFormat::JsonHash);
        EXPECT_TRUE(json.contains(row.json)) << json.toStdString();
        EXPECT_TRUE(json.contains(QByteArray("\"duration\": ") + QByteArray::number(row.duration)))
            << row.rate;
        const QByteArray resource = godotSpriteFrames(description);
        EXPECT_TRUE(resource.contains(row.godot)) << resource.toStdString();
    }
}

TEST(SheetMetadata, AFailedWriteReplacesNoneOfTheSheetsFiles) {
    QTemporaryDir folder;
    const QString image = folder.filePath(QStringLiteral("burst.png"));
    ASSERT_TRUE(writeFileAtomically(image, QByteArray("old image")).ok());
    ASSERT_TRUE(
        writeFileAtomically(folder.filePath(QStringLiteral("burst.json")), QByteArray("old json"))
            .ok());
    // The Godot resource's place is taken by a folder.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("burst.tres")));
    QImage sheet(128, 64, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    const Status status =
        writeSheet(image, sheet, burst(), {MetadataFormat::JsonHash, MetadataFormat::Godot});
    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(QStringLiteral("burst.tres")))
        << status.message().toStdString();
    QByteArray content;
    EXPECT_TRUE(readWholeFile(image, content).ok());
    EXPECT_EQ(content, QByteArray("old image"));
    EXPECT_TRUE(readWholeFile(folder.filePath(QStringLiteral("burst.json")), content).ok());
    EXPECT_EQ(content, QByteArray("old json"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("burst.json"), QStringLiteral("burst.png")}));

    // Once the place is free, all three are written.
    ASSERT_TRUE(QDir(folder.path()).rmdir(QStringLiteral("burst.tres")));
    ASSERT_TRUE(
        writeSheet(image, sheet, burst(), {MetadataFormat::JsonHash, MetadataFormat::Godot}).ok());
    EXPECT_EQ(QImage(image).size(), sheet.size());
    EXPECT_TRUE(readWholeFile(folder.filePath(QStringLiteral("burst.json")), content).ok());
    EXPECT_EQ(content, atlasJson(burst(), MetadataFormat::JsonHash));
    EXPECT_TRUE(readWholeFile(folder.filePath(QStringLiteral("burst.tres")), content).ok());
    EXPECT_EQ(content, godotSpriteFrames(burst()));
}

} // namespace
} // namespace common
