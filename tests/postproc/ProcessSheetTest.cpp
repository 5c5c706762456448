// koratune process with the sheet options: the used frames in play order in
// the metadata's rectangles, and what is refused.
#include "cli/CommandLine.h"
#include "common/AtomicFile.h"
#include "common/ImageFile.h"

#include "CommandRun.h"
#include "SheetPixels.h"
#include "TestImages.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace koratune {
namespace {

using common::test::CommandResult;

class ProcessSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        input = folder.filePath(QStringLiteral("strip.png"));
        ASSERT_TRUE(common::writeImage(input, numberedFrames(24, 4, 3)).ok());
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    CommandResult process(const char* output, const QStringList& options,
                          bool terminal = false) const {
        const QStringList arguments =
            QStringList{QStringLiteral("process"), input, QStringLiteral("-o"), path(output),
                        QStringLiteral("--frame-size=24")} +
            options;
        return common::test::captureCommand([&](std::ostream& out, std::ostream& err) {
            return runCommandLine(arguments, out, err, terminal);
        });
    }

    QTemporaryDir folder;
    QString input;
};

TEST_F(ProcessSheetTest, TheMetadataNamesTheUsedFramesInPlayOrder) {
    // Frames 1, 3, 5, 7 and 9, mirrored, with the top-left pixel as background.
    const CommandResult result = process(
        "sheet.png",
        {QStringLiteral("--start=1"), QStringLiteral("--skip=2"), QStringLiteral("--flip-h"),
         QStringLiteral("--alpha=straight"), QStringLiteral("--padding=2"),
         QStringLiteral("--columns=2"), QStringLiteral("--metadata=json-array")},
        true);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("2 x 3 tiles of 28 x 28 px, 15 fps"), std::string::npos)
        << result.err;
    const QImage sheet = QImage(path("sheet.png")).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(sheet.size(), QSize(56, 84));
    QByteArray json;
    ASSERT_TRUE(common::readWholeFile(path("sheet.json"), json).ok());
    const QJsonArray frames =
        QJsonDocument::fromJson(json).object()[QStringLiteral("frames")].toArray();
    ASSERT_EQ(frames.size(), 5);
    const QRgb background = numberedPixel(0, 0, 0);
    for (int used = 0; used < 5; ++used) {
        const QJsonObject rect = frames[used][QStringLiteral("frame")].toObject();
        EXPECT_EQ(frames[used][QStringLiteral("filename")].toString(),
                  QStringLiteral("sheet_00%1").arg(used));
        const QPoint at(rect[QStringLiteral("x")].toInt(), rect[QStringLiteral("y")].toInt());
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x) {
                const QRgb shown = common::test::overBackground(
                    sheet.pixel(at + QPoint(x, y)), false, common::colourFromRgb(background));
                ASSERT_LE(
                    common::test::channelDistance(shown, numberedPixel(1 + 2 * used, 23 - x, y)), 1)
                    << used << " at " << x << ", " << y;
            }
    }
    EXPECT_EQ(qAlpha(sheet.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(sheet.pixel(55, 83)), 0); // the empty cell
}

// The frame step keeps every K-th of the frames the start and skip select.
TEST_F(ProcessSheetTest, AFrameStepKeepsEveryKthUsedFrameAndStatesTheRateOverIt) {
    const struct {
        QStringList options;
        std::vector<int> kept;
        double rate;
        const char* tiles;
    } rows[] = {
        {{QStringLiteral("--start=1"), QStringLiteral("--skip=2"),
          QStringLiteral("--frame-step=2")},
         {1, 5, 9},
         7.5,
         "2 x 2 tiles of 24 x 24 px, 7.5 fps"},
        {{QStringLiteral("--frame-step=3")}, {0, 3, 6, 9}, 5, "2 x 2 tiles of 24 x 24 px, 5 fps"},
        {{QStringLiteral("--start=2"), QStringLiteral("--skip=3"), QStringLiteral("--frame-step=2"),
          QStringLiteral("--fps=24")},
         {2, 8},
         24,
         "2 x 1 tiles of 24 x 24 px, 24 fps"},
    };
    for (const auto& row : rows) {
        const CommandResult result = process(
            "sheet.png", row.options + QStringList{QStringLiteral("--metadata=json-array")}, true);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_NE(result.err.find(row.tiles), std::string::npos) << result.err;
        const QImage sheet(path("sheet.png"));
        QByteArray json;
        ASSERT_TRUE(common::readWholeFile(path("sheet.json"), json).ok());
        const QJsonObject root = QJsonDocument::fromJson(json).object();
        EXPECT_EQ(root[QStringLiteral("meta")][QStringLiteral("frameRate")].toDouble(), row.rate);
        const QJsonArray frames = root[QStringLiteral("frames")].toArray();
        ASSERT_EQ(frames.size(), static_cast<qsizetype>(row.kept.size()));
        for (qsizetype cell = 0; cell < frames.size(); ++cell) {
            const QJsonObject rect = frames[cell][QStringLiteral("frame")].toObject();
            const QPoint at(rect[QStringLiteral("x")].toInt(), rect[QStringLiteral("y")].toInt());
            const int frame = row.kept[static_cast<std::size_t>(cell)];
            for (const QPoint inside : {QPoint(0, 0), QPoint(23, 0), QPoint(5, 17), QPoint(23, 23)})
                EXPECT_EQ(sheet.pixel(at + inside), numberedPixel(frame, inside.x(), inside.y()))
                    << "cell " << cell << " holds frame " << frame;
        }
    }
}

// A strip says nothing of a loop: its sheet plays once in Godot, as the
// designer's bursts do.
TEST_F(ProcessSheetTest, GodotMetadataPlaysTheFramesOnce) {
    const CommandResult result = process("sheet.png", {QStringLiteral("--metadata=godot")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    QByteArray resource;
    ASSERT_TRUE(common::readWholeFile(path("sheet.tres"), resource).ok());
    EXPECT_TRUE(resource.contains("\"loop\": false,")) << resource.toStdString();
}

// Cut frames lie in the sheet where the metadata says, and every pixel of the
// whole frame outside what is kept is the background; a crop keeps one size.
TEST_F(ProcessSheetTest, ACropOrATrimKeepsWhatEachFrameDrawsAtItsOffset) {
    const QImage frames = spotFrames();
    ASSERT_TRUE(common::writeImage(input, frames).ok());
    const struct {
        QStringList options;
        bool oneSize;
    } rows[] = {
        {{QStringLiteral("--crop")}, true},
        {{QStringLiteral("--crop"), QStringLiteral("--padding=1"), QStringLiteral("--columns=3")},
         true},
        {{QStringLiteral("--trim")}, false},
        {{QStringLiteral("--trim"), QStringLiteral("--padding=1")}, false},
    };
    for (const auto& row : rows) {
        const CommandResult result =
            process("sheet.png", row.options + QStringList{QStringLiteral("--metadata=json-hash")});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const QImage sheet(path("sheet.png"));
        QByteArray json;
        ASSERT_TRUE(common::readWholeFile(path("sheet.json"), json).ok());
        const QJsonObject byName =
            QJsonDocument::fromJson(json).object()[QStringLiteral("frames")].toObject();
        ASSERT_EQ(byName.size(), 10);
        std::vector<QSize> sizes;
        for (int frame = 0; frame < 10; ++frame) {
            const QJsonObject entry = byName[QStringLiteral("sheet_00%1").arg(frame)].toObject();
            const QJsonObject rect = entry[QStringLiteral("frame")].toObject();
            const QJsonObject source = entry[QStringLiteral("spriteSourceSize")].toObject();
            const QRect kept(source[QStringLiteral("x")].toInt(),
                             source[QStringLiteral("y")].toInt(), rect[QStringLiteral("w")].toInt(),
                             rect[QStringLiteral("h")].toInt());
            const QPoint at(rect[QStringLiteral("x")].toInt(), rect[QStringLiteral("y")].toInt());
            sizes.push_back(kept.size());
            EXPECT_TRUE(entry[QStringLiteral("trimmed")].toBool());
            const QPoint origin(frame % 4 * 24, frame / 4 * 24);
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 24; ++x) {
                    const QPoint inFrame(x, y);
                    const QRgb shown = kept.contains(inFrame)
                                           ? sheet.pixel(at + inFrame - kept.topLeft())
                                           : qRgb(0, 0, 0);
                    ASSERT_EQ(shown, frames.pixel(origin + inFrame))
                        << row.options.join(QLatin1Char(' ')).toStdString() << ": frame " << frame
                        << " at " << x << ", " << y;
                }
        }
        EXPECT_EQ(std::all_of(sizes.begin(), sizes.end(),
                              [&](const QSize& size) { return size == sizes.front(); }),
                  row.oneSize);
    }
}

TEST_F(ProcessSheetTest, SheetOptionsOutsideTheirRangesOrWithASequenceAreUsageErrors) {
    const struct {
        QStringList options;
        const char* message;
    } cases[] = {
        {{QStringLiteral("--background=red")}, "--background expects a colour as #RRGGBB"},
        {{QStringLiteral("--background=#12345")}, "--background expects a colour as #RRGGBB"},
        {{QStringLiteral("--max-size=47")},
         "--max-size 47 cannot hold a sheet of 10 frames of 24 x 24 pixels; the smallest size "
         "that would is 96"},
        {{QStringLiteral("--columns=10"), QStringLiteral("--max-size=200")},
         "--columns 10 makes the sheet 240 x 24 pixels"},
        {{QStringLiteral("--sequence"), QStringLiteral("--metadata=godot")},
         "--metadata applies to a sheet, not to --sequence"},
        {{QStringLiteral("--sequence"), QStringLiteral("--alpha=straight")},
         "--alpha applies to a sheet, not to --sequence"},
        {{QStringLiteral("--frame-step=0")}, "--frame-step must be from 1 to 16"},
        {{QStringLiteral("--frame-step=2"), QStringLiteral("--columns=6")},
         "--columns must be from 1 to 5, not 6"},
        {{QStringLiteral("--sequence"), QStringLiteral("--frame-step=2")},
         "--frame-step applies to a sheet, not to --sequence"},
    };
    for (const auto& row : cases) {
        const CommandResult result = process("sheet.png", row.options);
        EXPECT_EQ(result.exitCode, 2) << row.message;
        EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("strip.png")});
}

} // namespace
} // namespace koratune
