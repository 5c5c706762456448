// kirabellum render with the sheet options: what reaches the files and the
// terminal, and what is refused.
#include "cli/CommandLine.h"
#include "common/AtomicFile.h"
#include "common/ImageFile.h"
#include "common/sheets/FrameStripInfo.h"
#include "core/document/DesignFile.h"
#include "core/editing/SampleDesigns.h"
#include "core/render/RenderRun.h"

#include "CommandRun.h"
#include "SheetPixels.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kirabellum {
namespace {

using common::test::CommandResult;

class RenderSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        design = sampleDesigns().front().design;
        design.FrameCount = 5;
        design.RefreshRate = 2; // "30fps"
        // A background other than black, to be made transparent.
        design.ColorRamp[0] = common::makeColour(30, 20, 60);
        designPath = path("burst.df2");
        ASSERT_TRUE(WriteDesignFile(designPath, design).ok());
        design.RenderCancel = 1;
        RandomSource random(0);
        RenderRun run(random);
        ASSERT_TRUE(run.PrepareRender(design).ok());
        run.RunFrames(design);
        strip = run.strip();
        layout = run.layout();
        background = run.engine().paletteColour(0);
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    CommandResult render(const char* output, const QStringList& options,
                         bool terminal = false) const {
        const QStringList arguments =
            QStringList{QStringLiteral("render"), designPath, QStringLiteral("-o"), path(output)} +
            options;
        return common::test::captureCommand([&](std::ostream& out, std::ostream& err) {
            return runCommandLine(arguments, out, err, terminal);
        });
    }
    QByteArray bytesOf(const char* name) const {
        QByteArray content;
        EXPECT_TRUE(common::readWholeFile(path(name), content).ok()) << name;
        return content;
    }

    QTemporaryDir folder;
    DesignDocument design;
    QString designPath;
    QImage strip;
    StripLayout layout;
    common::Colour background = 0;
};

TEST_F(RenderSheetTest, WithTheSheetOptionsAtTheirDefaultsTheStripIsWrittenAsBefore) {
    // The strip, with what a PNG says of its frames (a bitmap has no room for it).
    const QImage labelled =
        common::FrameStripInfo{layout.FrameSize, layout.FrameCount, 30}.labelled(strip);
    for (const char* name : {"strip.png", "strip.bmp"}) {
        QBuffer before;
        before.open(QIODevice::WriteOnly);
        ASSERT_TRUE(
            common::writeImage(before, labelled, *common::imageFormatFor(QString::fromUtf8(name)))
                .ok());
        ASSERT_EQ(render(name, {}).exitCode, 0);
        EXPECT_EQ(bytesOf(name), before.data()) << name;
        ASSERT_EQ(render(name, {QStringLiteral("--alpha=additive"), QStringLiteral("--padding=0")})
                      .exitCode,
                  0);
        EXPECT_EQ(bytesOf(name), before.data()) << name;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("burst.df2"), QStringLiteral("strip.bmp"),
                           QStringLiteral("strip.png")}));
}

TEST_F(RenderSheetTest, EveryRectangleOfTheMetadataHoldsItsFrame) {
    const QStringList cases[] = {
        {QStringLiteral("--metadata=json-hash")},
        {QStringLiteral("--alpha=straight"), QStringLiteral("--padding=3"),
         QStringLiteral("--columns=2"), QStringLiteral("--metadata=json-array")},
        {QStringLiteral("--alpha=premultiplied"), QStringLiteral("--power-of-two"),
         QStringLiteral("--max-size=512"), QStringLiteral("--padding=1"),
         QStringLiteral("--metadata=json-hash")},
    };
    for (const QStringList& options : cases) {
        const CommandResult result = render("sheet.png", options);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const QImage sheet = QImage(path("sheet.png")).convertToFormat(QImage::Format_ARGB32);
        const QJsonObject root = QJsonDocument::fromJson(bytesOf("sheet.json")).object();
        const QJsonObject meta = root[QStringLiteral("meta")].toObject();
        const QString alpha = meta[QStringLiteral("blend")].toString();
        EXPECT_EQ(meta[QStringLiteral("frameRate")].toInt(), 30);
        const QJsonValue frames = root[QStringLiteral("frames")];
        QImage covered(sheet.size(), QImage::Format_Mono);
        covered.fill(0);
        for (int frame = 0; frame < layout.FrameCount; ++frame) {
            const QString name = QStringLiteral("sheet_00%1").arg(frame);
            QJsonObject entry = frames[name].toObject();
            if (frames.isArray())
                entry = frames.toArray()[frame].toObject();
            const QJsonObject rect = entry[QStringLiteral("frame")].toObject();
            const QPoint at(rect[QStringLiteral("x")].toInt(), rect[QStringLiteral("y")].toInt());
            ASSERT_EQ(rect[QStringLiteral("w")].toInt(), layout.FrameSize) << name.toStdString();
            const QPoint origin = layout.cellOrigin(frame);
            for (int y = 0; y < layout.FrameSize; ++y)
                for (int x = 0; x < layout.FrameSize; ++x) {
                    covered.setPixel(at.x() + x, at.y() + y, 1);
                    const QRgb pixel = sheet.pixel(at + QPoint(x, y));
                    const QRgb shown =
                        alpha == QStringLiteral("additive")
                            ? pixel
                            : common::test::overBackground(
                                  pixel, alpha == QStringLiteral("premultiplied"), background);
                    const QRgb drawn = strip.pixel(origin + QPoint(x, y));
                    ASSERT_LE(common::test::channelDistance(shown, drawn),
                              alpha == QStringLiteral("additive") ? 0 : 1)
                        << options.join(QLatin1Char(' ')).toStdString() << " "
                        << name.toStdString();
                }
        }
        if (alpha == QStringLiteral("additive"))
            continue;
        // Gutters, empty cells and the edge beyond the grid are transparent.
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                if (covered.pixelIndex(x, y) == 0) {
                    ASSERT_EQ(qAlpha(sheet.pixel(x, y)), 0) << x << ", " << y;
                }
    }
}

TEST_F(RenderSheetTest, ATerminalShowsTheTilesAndPowerOfTwoEdgesAroundAnotherGridAreSaid) {
    const CommandResult plain = render("a.png", {QStringLiteral("--columns=5")});
    EXPECT_EQ(plain.err.find("tiles"), std::string::npos) << plain.err;
    const CommandResult fitting =
        render("b.png", {QStringLiteral("--columns=4"), QStringLiteral("--power-of-two")}, true);
    ASSERT_EQ(fitting.exitCode, 0) << fitting.err;
    EXPECT_NE(fitting.err.find("\n4 x 2 tiles of 128 x 128 px, 30 fps\n"), std::string::npos)
        << fitting.err;
    EXPECT_EQ(fitting.err.find("warning"), std::string::npos) << fitting.err;
    const CommandResult wide =
        render("c.png", {QStringLiteral("--columns=5"), QStringLiteral("--power-of-two")});
    ASSERT_EQ(wide.exitCode, 0) << wide.err;
    EXPECT_NE(wide.err.find("warning: the 5 x 1 tiles take 640 x 128 pixels of the 1024 x 128"),
              std::string::npos)
        << wide.err;
    EXPECT_EQ(QImage(path("c.png")).size(), QSize(1024, 128));
}

// The render runs every frame; the sheet keeps frames 0, K, 2K, ... and states
// the rate over K unless --fps says otherwise.
TEST_F(RenderSheetTest, AFrameStepKeepsEveryKthFrameAndStatesTheRateOverIt) {
    const struct {
        QStringList options;
        std::vector<int> kept;
        double rate;
        int duration;
        const char* tiles;
        const char* speed;
    } rows[] = {
        {{QStringLiteral("--frame-step=2")},
         {0, 2, 4},
         15,
         67,
         "3 x 1 tiles of 128 x 128 px, 15 fps",
         "\"speed\": 15.0\n"},
        {{QStringLiteral("--frame-step=4")},
         {0, 4},
         7.5,
         133,
         "2 x 1 tiles of 128 x 128 px, 7.5 fps",
         "\"speed\": 7.5\n"},
        {{QStringLiteral("--frame-step=3"), QStringLiteral("--fps=12")},
         {0, 3},
         12,
         83,
         "2 x 1 tiles of 128 x 128 px, 12 fps",
         "\"speed\": 12.0\n"},
    };
    for (const auto& row : rows) {
        const CommandResult result =
            render("sheet.png",
                   row.options + QStringList{QStringLiteral("--metadata=json-array"),
                                             QStringLiteral("--metadata=godot")},
                   true);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_NE(result.err.find(row.tiles), std::string::npos) << result.err;
        const auto keptCount = static_cast<int>(row.kept.size());
        EXPECT_NE(result.out.find("Wrote " + std::to_string(keptCount) + " frames"),
                  std::string::npos)
            << result.out;
        const QImage sheet(path("sheet.png"));
        EXPECT_EQ(common::FrameStripInfo::fromText(sheet),
                  (common::FrameStripInfo{layout.FrameSize, keptCount, row.rate}));
        const QJsonObject root = QJsonDocument::fromJson(bytesOf("sheet.json")).object();
        const QJsonObject meta = root[QStringLiteral("meta")].toObject();
        EXPECT_EQ(meta[QStringLiteral("frameRate")].toDouble(), row.rate);
        EXPECT_EQ(meta[QStringLiteral("grid")][QStringLiteral("frameCount")].toInt(), keptCount);
        const QJsonArray frames = root[QStringLiteral("frames")].toArray();
        ASSERT_EQ(frames.size(), keptCount);
        for (int cell = 0; cell < keptCount; ++cell) {
            const QJsonObject entry = frames[cell].toObject();
            EXPECT_EQ(entry[QStringLiteral("duration")].toInt(), row.duration);
            const QJsonObject rect = entry[QStringLiteral("frame")].toObject();
            const QRect frameRect(rect[QStringLiteral("x")].toInt(),
                                  rect[QStringLiteral("y")].toInt(), layout.FrameSize,
                                  layout.FrameSize);
            EXPECT_EQ(sheet.copy(frameRect).convertToFormat(QImage::Format_RGB32),
                      strip.copy(layout.grid().cellRect(row.kept[static_cast<std::size_t>(cell)]))
                          .convertToFormat(QImage::Format_RGB32))
                << "cell " << cell;
        }
        EXPECT_TRUE(bytesOf("sheet.tres").contains(row.speed));
    }
}

// --cycles records several periods; the frames are kept over all of them.
TEST_F(RenderSheetTest, InALoopTheFrameStepMustDivideThePeriod) {
    const CommandResult uneven =
        render("loop.png", {QStringLiteral("--loop"), QStringLiteral("--frame-step=2")});
    EXPECT_EQ(uneven.exitCode, 2);
    EXPECT_NE(uneven.err.find("--frame-step 2 does not divide the loop's 5 frames"),
              std::string::npos)
        << uneven.err;
    EXPECT_FALSE(QFile::exists(path("loop.png")));
    const CommandResult even =
        render("loop.png", {QStringLiteral("--loop"), QStringLiteral("--cycles=2"),
                            QStringLiteral("--frame-step=5"), QStringLiteral("--metadata=godot")});
    ASSERT_EQ(even.exitCode, 0) << even.err;
    const QByteArray resource = bytesOf("loop.tres");
    EXPECT_EQ(resource.count("[sub_resource type=\"AtlasTexture\""), 2);
    EXPECT_TRUE(resource.contains("\"loop\": true,"));
}

TEST_F(RenderSheetTest, EveryValueOutsideItsRangeIsAUsageErrorNamingItsOption) {
    const struct {
        QStringList options;
        const char* output;
        const char* message;
    } cases[] = {
        {{QStringLiteral("--alpha=glow")},
         "s.png",
         "--alpha expects additive, straight or premultiplied, not \"glow\""},
        {{QStringLiteral("--alpha=straight")}, "s.bmp", "--alpha straight needs a .png output"},
        {{QStringLiteral("--columns=6")}, "s.png", "--columns must be from 1 to 5, not 6"},
        {{QStringLiteral("--columns=two")}, "s.png", "--columns expects a whole number"},
        {{QStringLiteral("--max-size=0")}, "s.png", "--max-size must be from 1 to 32767"},
        {{QStringLiteral("--max-size=383")},
         "s.png",
         "--max-size 383 cannot hold a sheet of 5 frames of 128 x 128 pixels; the smallest size "
         "that would is 384"},
        {{QStringLiteral("--padding=257")}, "s.png", "--padding must be from 0 to 256"},
        {{QStringLiteral("--metadata=xml")},
         "s.png",
         "--metadata expects json-hash, json-array or godot, not \"xml\""},
        {{QStringLiteral("--metadata=json-hash"), QStringLiteral("--metadata=json-array")},
         "s.png",
         "--metadata json-hash and json-array"},
        {{QStringLiteral("--fps=1001")}, "s.png", "--fps must be from 1 to 1000"},
        {{QStringLiteral("--frame-step=17")}, "s.png", "--frame-step must be from 1 to 16"},
        {{QStringLiteral("--power-of-two=yes")}, "s.png", "--power-of-two takes no value"},
        {{QStringLiteral("--background=#000000")}, "s.png", "unknown option \"--background\""},
        {{QStringLiteral("--motion-vectors=optical")},
         "s.png",
         "--motion-vectors expects unity or raw16, not \"optical\""},
    };
    for (const auto& row : cases) {
        const CommandResult result = render(row.output, row.options);
        EXPECT_EQ(result.exitCode, 2) << row.message;
        EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("burst.df2")});
}

TEST_F(RenderSheetTest, MotionVectorsLieOnTheSheetsGridAndTheMetadataSaysHowToReadThem) {
    const struct {
        const char* preset;
        QImage::Format format;
    } cases[] = {{"unity", QImage::Format_ARGB32}, {"raw16", QImage::Format_RGBX64}};
    for (const auto& c : cases) {
        const CommandResult result = render(
            "sheet.png", {QStringLiteral("--motion-vectors=%1").arg(QLatin1String(c.preset)),
                          QStringLiteral("--padding=2"), QStringLiteral("--metadata=json-hash")});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const QImage vectors(path("sheet_mv.png"));
        EXPECT_EQ(vectors.size(), QImage(path("sheet.png")).size()) << c.preset;
        EXPECT_EQ(vectors.format(), c.format) << c.preset;
        const QJsonObject motion = QJsonDocument::fromJson(bytesOf("sheet.json"))
                                       .object()[QStringLiteral("meta")]
                                       .toObject()[QStringLiteral("motionVectors")]
                                       .toObject();
        EXPECT_EQ(motion[QStringLiteral("image")].toString(), QStringLiteral("sheet_mv.png"));
        EXPECT_EQ(motion[QStringLiteral("preset")].toString(), QLatin1String(c.preset));
        EXPECT_EQ(motion[QStringLiteral("frameStep")].toInt(), 1);
        const double scale = motion[QStringLiteral("motionVectorScale")].toDouble();
        // The burst flies apart: a unity sheet states a scale, and the terminal too.
        if (QLatin1String(c.preset) == QLatin1String("unity")) {
            EXPECT_GT(scale, 0.0);
            EXPECT_LT(scale, 1.0);
            EXPECT_NE(
                result.out.find(
                    "Motion vector scale: " +
                    QString::number(scale, 'g', QLocale::FloatingPointShortest).toStdString()),
                std::string::npos)
                << result.out;
        }
    }
}

// Godot replays the frames only of a loop render; a burst plays once.
TEST_F(RenderSheetTest, GodotMetadataLoopsOnlyALoopRender) {
    const struct {
        const char* output;
        const char* resource;
        QStringList options;
        const char* loop;
    } rows[] = {
        {"burst.png", "burst.tres", {}, "\"loop\": false,"},
        {"loop.png", "loop.tres", {QStringLiteral("--loop")}, "\"loop\": true,"},
    };
    for (const auto& row : rows) {
        const CommandResult result =
            render(row.output, row.options + QStringList{QStringLiteral("--metadata=godot")});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const QByteArray resource = bytesOf(row.resource);
        EXPECT_TRUE(resource.contains(row.loop)) << resource.toStdString();
    }
}

TEST_F(RenderSheetTest, AnOutputFolderThatCannotBeWrittenFailsAndLeavesNothing) {
    ASSERT_TRUE(common::writeFileAtomically(path("file"), QByteArray("a file")).ok());
    for (const char* output : {"file/sheet.png", "missing/sheet.png"}) {
        const CommandResult result =
            render(output, {QStringLiteral("--alpha=straight"), QStringLiteral("--metadata=godot"),
                            QStringLiteral("--metadata=json-hash")});
        EXPECT_EQ(result.exitCode, 1) << output;
        EXPECT_NE(result.err.find("Cannot write"), std::string::npos) << result.err;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("burst.df2"), QStringLiteral("file")}));
    EXPECT_EQ(bytesOf("file"), QByteArray("a file"));
}

} // namespace
} // namespace kirabellum
