#include "common/sheets/FrameStripInfo.h"
#include "common/AtomicFile.h"
#include "common/ImageFile.h"
#include "common/sheets/AtlasJson.h"
#include "common/sheets/SheetFiles.h"

#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace common {

void PrintTo(const FrameStripInfo& info, std::ostream* out) {
    *out << info.frameSize << " px, " << info.frameCount << " frames, " << info.framesPerSecond
         << " fps";
}

namespace {

QImage blackPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

TEST(FrameStripInfo, EverySheetWrittenAsPngCarriesItsFramesInTextChunks) {
    QTemporaryDir folder;
    const struct {
        SheetGrid grid;
        AlphaMode alpha;
        FrameStripInfo expected;
    } cases[] = {
        {SheetGrid(10, 40, 4, 0, false), AlphaMode::Additive, {40, 10, 15}},
        {SheetGrid(5, 24, 3, 2, true), AlphaMode::Straight, {28, 5, 15}},
        {SheetGrid(7, 32, 7, 0, false), AlphaMode::Premultiplied, {32, 7, 7.5}},
    };
    for (const auto& c : cases) {
        const QString path = folder.filePath(QStringLiteral("sheet.png"));
        const QImage sheet = blackPicture(c.grid.width(), c.grid.height());
        ASSERT_TRUE(writeSheet(path, sheet,
                               SheetDescription::of(
                                   path, c.grid, c.alpha, c.expected.framesPerSecond, false,
                                   QStringLiteral("Kirabellum"), QStringLiteral("1.22")),
                               {})
                        .ok());
        QImageReader reader(path);
        EXPECT_EQ(reader.text(QStringLiteral("FrameSize")).toInt(), c.expected.frameSize);
        QImage read;
        ASSERT_TRUE(readImage(path, read).ok());
        EXPECT_EQ(FrameStripInfo::fromText(read), c.expected);
        EXPECT_EQ(read, sheet.convertToFormat(QImage::Format_RGB32)) << "the pixels stay";
    }
}

TEST(FrameStripInfo, ComesFromTheTextElseTheJsonBesideElseNowhere) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("burst.png"));
    const QImage plain = blackPicture(8, 8);
    EXPECT_EQ(FrameStripInfo::of(path, plain), std::nullopt) << "nothing beside it";

    const SheetDescription description =
        SheetDescription::of(path, SheetGrid(6, 20, 3, 1, false), AlphaMode::Additive, 7.5, false,
                             QStringLiteral("Koratune"), QStringLiteral("1.1"));
    for (const MetadataFormat format : {MetadataFormat::JsonHash, MetadataFormat::JsonArray}) {
        EXPECT_EQ(FrameStripInfo::fromAtlasJson(atlasJson(description, format)),
                  (FrameStripInfo{22, 6, 7.5}));
        ASSERT_TRUE(writeFileAtomically(metadataPath(path, format), [&](QIODevice& device) {
                        return writeAtlasJson(device, description, format);
                    }).ok());
        EXPECT_EQ(FrameStripInfo::of(path, plain), (FrameStripInfo{22, 6, 7.5}));
    }
    const FrameStripInfo own{40, 12, 60};
    EXPECT_EQ(FrameStripInfo::of(path, own.labelled(plain)), own) << "its own text comes first";
}

TEST(FrameStripInfo, IsNoneUnlessEveryValueIsAPositiveNumber) {
    const QImage plain = blackPicture(4, 4);
    const struct {
        const char* size;
        const char* count;
        const char* rate;
    } cases[] = {{"40", "10", ""},      {"0", "10", "15"},   {"40", "-3", "15"},
                 {"forty", "10", "15"}, {"40", "10", "inf"}, {"40", "10", "nan"}};
    for (const auto& c : cases) {
        QImage image = plain;
        image.setText(QStringLiteral("FrameSize"), QString::fromUtf8(c.size));
        image.setText(QStringLiteral("FrameCount"), QString::fromUtf8(c.count));
        image.setText(QStringLiteral("FrameRate"), QString::fromUtf8(c.rate));
        EXPECT_EQ(FrameStripInfo::fromText(image), std::nullopt) << c.size << c.count << c.rate;
    }
    EXPECT_EQ(FrameStripInfo::fromAtlasJson("{\"meta\": {\"frameRate\": 15}}"), std::nullopt);
    EXPECT_EQ(FrameStripInfo::fromAtlasJson("not JSON"), std::nullopt);
}

} // namespace
} // namespace common
