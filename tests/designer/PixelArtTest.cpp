#include "cli/CommandLine.h"
#include "common/palettes/BuiltInPalettes.h"
#include "core/document/DesignJson.h"
#include "core/editing/SampleDesigns.h"
#include "core/render/PaletteFrame.h"
#include "core/render/RenderPreparation.h"

#include "CommandRun.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace kirabellum {
namespace {

using common::test::CommandResult;

CommandResult run(const QStringList& arguments) {
    return common::test::captureCommandLine(runCommandLine, arguments);
}

QSet<QRgb> paletteColours(const char* name) {
    QSet<QRgb> colours;
    const std::optional<common::Palette> palette =
        common::builtInPalette(QString::fromLatin1(name));
    for (const common::Colour colour : palette->colours())
        colours.insert(common::colourToRgb(colour));
    return colours;
}

// The chunk types of a PNG file in order, and its colour type.
struct PngChunks {
    QList<QByteArray> types;
    int colourType = -1;
};

PngChunks pngChunks(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    PngChunks chunks;
    for (qsizetype at = 8; at + 8 <= bytes.size();) {
        const auto length = qFromBigEndian<quint32>(bytes.constData() + at);
        chunks.types << bytes.mid(at + 4, 4);
        if (chunks.types.last() == "IHDR")
            chunks.colourType = static_cast<unsigned char>(bytes[at + 8 + 9]);
        at += 12 + static_cast<qsizetype>(length);
    }
    return chunks;
}

class PixelArtTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString path(const QString& name) const { return folder.filePath(name); }
    // As JSON, which holds layer effects too.
    QString writeDesign(const DesignDocument& design, const QString& name) const {
        const QString file = path(name + QStringLiteral(".json"));
        EXPECT_TRUE(writeDesignJson(file, design).ok());
        return file;
    }

    QTemporaryDir folder;
};

TEST_F(PixelArtTest, AnOrderedPaletteRenderOfEverySampleUsesOnlyThePalettesColours) {
    for (const char* palette : {"game-boy", "pico-8", "1-bit"}) {
        const QSet<QRgb> allowed = paletteColours(palette);
        for (const SampleDesign& sample : sampleDesigns()) {
            DesignDocument design = sample.design;
            design.FrameCount = std::min<std::int16_t>(design.FrameCount, 8);
            const QString name = QString::fromLatin1(palette) + QLatin1Char('-') + sample.fileName;
            const QString output = path(name + QStringLiteral(".png"));
            const CommandResult result =
                run({QStringLiteral("render"), writeDesign(design, name), QStringLiteral("-o"),
                     output, QStringLiteral("--palette"), QString::fromLatin1(palette),
                     QStringLiteral("--dither"), QStringLiteral("ordered")});
            ASSERT_EQ(result.exitCode, 0) << result.err;
            const QImage sheet = QImage(output).convertToFormat(QImage::Format_RGB32);
            QSet<QRgb> used;
            for (int y = 0; y < sheet.height(); ++y)
                for (int x = 0; x < sheet.width(); ++x)
                    used.insert(sheet.pixel(x, y));
            EXPECT_TRUE(allowed.contains(used)) << palette << ' ' << name.toStdString() << ' '
                                                << std::hex << *(used - allowed).begin();
        }
    }
}

// A ramp from black to white over 16 entries, locked to black and white: its
// one palette step above 0 lies where the snapped colour turns white.
class PaletteFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        design = sampleDesigns().front().design;
        // No spark to stamp, so that the ramp may change under the sparks.
        for (int layer = 1; layer <= LayerTotal; ++layer)
            design.layer(layer).LayerUse = 0;
        design.RampLength = 16;
        for (int index = 0; index < 16; ++index)
            design.ColorRamp[static_cast<std::size_t>(index)] =
                common::makeColour(index * 17, index * 17, index * 17);
        ASSERT_TRUE(preparation.prepare(design).ok());
        ASSERT_EQ(preparation.canvasCount(), 1);
        frameSize = preparation.frameSize();
        const std::vector<common::Colour> snapped =
            snapRamp(design.ColorRamp.data(), 16, *common::builtInPalette(QStringLiteral("1-bit")));
        step = static_cast<int>(std::find(snapped.begin(), snapped.end(), snapped.back()) -
                                snapped.begin());
    }
    std::vector<float> canvasOf(float value) const {
        return std::vector<float>(static_cast<std::size_t>(frameSize * frameSize), value);
    }
    QImage drawnTwice(const std::vector<float>& first, const std::vector<float>& second) const {
        const PaletteFrame frame(preparation, *common::builtInPalette(QStringLiteral("1-bit")),
                                 common::Dither::Ordered);
        QImage strip(frameSize * 2, frameSize, QImage::Format_RGB32);
        frame.draw(first, strip, QPoint(0, 0));
        frame.draw(second, strip, QPoint(frameSize, 0));
        return strip;
    }

    DesignDocument design;
    RenderPreparation preparation;
    int frameSize = 0;
    int step = 0;
};

TEST_F(PaletteFrameTest, OrderedDitherStaysStillWhereTheCanvasIsStill) {
    std::vector<float> canvas(static_cast<std::size_t>(frameSize * frameSize));
    for (std::size_t pixel = 0; pixel < canvas.size(); ++pixel)
        canvas[pixel] = static_cast<float>(pixel % 151) / 10.0f;
    const QImage strip = drawnTwice(canvas, canvas);
    EXPECT_EQ(strip.copy(0, 0, frameSize, frameSize),
              strip.copy(frameSize, 0, frameSize, frameSize));
}

TEST_F(PaletteFrameTest, HalfwayBetweenTwoStepsHalfTheBayerCellTakesTheUpperStep) {
    ASSERT_GT(step, 0);
    const QImage strip =
        drawnTwice(canvasOf(static_cast<float>(step) / 2.0f), canvasOf(static_cast<float>(step)));
    int white = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            white += strip.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
    EXPECT_EQ(white, 8);
    EXPECT_EQ(strip.pixel(frameSize + 1, 1), qRgb(255, 255, 255)); // at the step itself
}

TEST_F(PixelArtTest, ScaleEnlargesFramesCellsAndMetadata) {
    DesignDocument design = sampleDesigns().front().design;
    design.FrameCount = 3;
    const QString designFile = writeDesign(design, QStringLiteral("burst"));
    const CommandResult plain = run({QStringLiteral("render"), designFile, QStringLiteral("-o"),
                                     path(QStringLiteral("plain.png"))});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    const CommandResult scaled =
        run({QStringLiteral("render"), designFile, QStringLiteral("-o"),
             path(QStringLiteral("scaled.png")), QStringLiteral("--scale"), QStringLiteral("3"),
             QStringLiteral("--metadata"), QStringLiteral("json-array")});
    ASSERT_EQ(scaled.exitCode, 0) << scaled.err;
    const QImage small(path(QStringLiteral("plain.png")));
    const QImage large(path(QStringLiteral("scaled.png")));
    ASSERT_EQ(large.size(), small.size() * 3);
    EXPECT_EQ(large, small.scaled(small.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    QFile json(path(QStringLiteral("scaled.json")));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QJsonObject frame =
        QJsonDocument::fromJson(json.readAll())[QStringLiteral("frames")][1].toObject();
    EXPECT_EQ(frame[QStringLiteral("frame")].toObject(),
              (QJsonObject{{QStringLiteral("x"), design.FrameSize * 3},
                           {QStringLiteral("y"), 0},
                           {QStringLiteral("w"), design.FrameSize * 3},
                           {QStringLiteral("h"), design.FrameSize * 3}}));
    EXPECT_NE(scaled.out.find(std::to_string(design.FrameSize * 3) + " x " +
                              std::to_string(design.FrameSize * 3) + " pixels"),
              std::string::npos);
}

TEST_F(PixelArtTest, APaletteSheetIsAnIndexedPngWithTransparencyForStraightAlpha) {
    const QString designFile = writeDesign(sampleDesigns().front().design, QStringLiteral("b"));
    struct Row {
        QStringList options;
        int colourType;
        bool transparency;
    };
    const Row rows[] = {
        {{QStringLiteral("--palette"), QStringLiteral("pico-8")}, 3, false},
        {{QStringLiteral("--palette"), QStringLiteral("pico-8"), QStringLiteral("--alpha"),
          QStringLiteral("straight")},
         3,
         true},
        {{}, 2, false},
    };
    for (const Row& row : rows) {
        const QString output = path(QStringLiteral("sheet.png"));
        const CommandResult result =
            run(QStringList{QStringLiteral("render"), designFile, QStringLiteral("-o"), output} +
                row.options);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const PngChunks chunks = pngChunks(output);
        EXPECT_EQ(chunks.colourType, row.colourType)
            << row.options.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(chunks.types.contains("PLTE"), row.colourType == 3);
        EXPECT_EQ(chunks.types.contains("tRNS"), row.transparency);
    }
}

TEST_F(PixelArtTest, PixelArtOptionsThatCannotBeMetAreRefused) {
    const QString designFile = writeDesign(sampleDesigns().front().design, QStringLiteral("b"));
    const QString output = path(QStringLiteral("out.png"));
    const QString missing = path(QStringLiteral("missing.hex"));
    const auto words = [&](QStringList options) {
        return QStringList{QStringLiteral("render"), designFile, QStringLiteral("-o"), output} +
               options;
    };
    const common::test::ExpectedRun rows[] = {
        {words({QStringLiteral("--dither"), QStringLiteral("ordered")}), 2, "",
         "--dither ordered needs --palette"},
        {words({QStringLiteral("--dither"), QStringLiteral("noise")}), 2, "", "--dither expects"},
        {words({QStringLiteral("--scale"), QStringLiteral("17")}), 2, "", "--scale"},
        {words({QStringLiteral("--palette"), QStringLiteral("pico-8"), QStringLiteral("--colour"),
                QStringLiteral("intensity")}),
         2, "", "--palette does not go with --colour intensity"},
        {words({QStringLiteral("--scale"), QStringLiteral("2"), QStringLiteral("--motion-vectors"),
                QStringLiteral("unity")}),
         2, "", "--scale 2 does not go with --motion-vectors unity"},
        {words({QStringLiteral("--palette"), missing}), 1, "", "missing.hex"},
    };
    for (const common::test::ExpectedRun& row : rows) {
        common::test::expectRun(row, run(row.arguments));
        EXPECT_FALSE(QFile::exists(output));
    }
}

} // namespace
} // namespace kirabellum
