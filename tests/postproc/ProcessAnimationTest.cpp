// koratune process to animated files: the sheet's frames in play order (start,
// skip, mirroring and frame step included), as tools of their own decode them,
// and the options an animation refuses.
#include "cli/CommandLine.h"
#include "common/ImageFile.h"

#include "AnimationDecoding.h"
#include "CommandRun.h"
#include "TestImages.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace koratune {
namespace {

using common::test::CommandResult;

class ProcessAnimationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        input = path("strip.png");
        ASSERT_TRUE(common::writeImage(input, numberedFrames(24, 4, 3)).ok());
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    CommandResult process(const QString& output, const QStringList& options) const {
        return common::test::captureCommandLine(
            runCommandLine, QStringList{QStringLiteral("process"), input, QStringLiteral("-o"),
                                        output, QStringLiteral("--frame-size=24")} +
                                options);
    }
    // The frames of the PNG sheet of one column written with `options`.
    std::vector<QImage> sheetFrames(const QStringList& options) const {
        const QString sheet = path("sheet.png");
        EXPECT_EQ(process(sheet, options + QStringList{QStringLiteral("--columns=1")}).exitCode, 0);
        return common::test::columnFrames(QImage(sheet), 24);
    }

    QTemporaryDir folder;
    QString input;
};

TEST_F(ProcessAnimationTest, EveryFormatHoldsTheSheetsFramesInPlayOrder) {
    const QString straight = QStringLiteral("--alpha=straight");
    const QString premultiplied = QStringLiteral("--alpha=premultiplied");
    const QStringList selection = {QStringLiteral("--start=1"), QStringLiteral("--skip=2"),
                                   QStringLiteral("--flip-h"), QStringLiteral("--frame-step=2")};
    const struct {
        const char* output;
        QStringList options;
        // The sheet whose frames the animation holds; for a GIF the additive one.
        QStringList sheetOptions;
        bool lossless;
        const char* summary;
    } cases[] = {
        {"frames.gif", {}, {}, false, "Wrote 10 frames of 24 x 24 pixels to "},
        {"frames.gif", selection + QStringList{straight}, selection, false,
         "(GIF, 7.5 fps, forever)"},
        {"frames.apng", {premultiplied}, {premultiplied}, true, "(APNG, 15 fps, forever)"},
        {"frames.png",
         {QStringLiteral("--animation=apng"), straight, QStringLiteral("--repeat=2")},
         {straight},
         true,
         "(APNG, 15 fps, 2 plays)"},
        {"frames.webp", selection + QStringList{premultiplied},
         selection + QStringList{premultiplied}, true, "Wrote 3 frames"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.output + row.options.join(QLatin1Char(' ')).toStdString());
        const QString output = path(row.output);
        const CommandResult result = process(output, row.options);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_NE(result.out.find(row.summary), std::string::npos) << result.out;
        std::vector<QImage> expected = sheetFrames(row.sheetOptions);
        // A straight GIF: the background (the top-left pixel) transparent,
        // everything else opaque.
        if (row.options.contains(straight) && output.endsWith(QLatin1String(".gif"))) {
            const QRgb background = QImage(input).pixel(0, 0);
            for (QImage& frame : expected)
                for (int y = 0; y < frame.height(); ++y)
                    for (int x = 0; x < frame.width(); ++x)
                        if (frame.pixel(x, y) == background)
                            frame.setPixel(x, y, 0);
        }
        QTemporaryDir parts;
        common::test::expectFrames(common::test::decodedFrames(output, parts.path()), expected,
                                   row.lossless);
    }
}

TEST_F(ProcessAnimationTest, DiffusionDitheringWarnsThatAnAnimationShimmers) {
    const QStringList palette = {QStringLiteral("--palette=1-bit")};
    const CommandResult diffused =
        process(path("a.gif"), palette + QStringList{QStringLiteral("--dither=diffusion")});
    ASSERT_EQ(diffused.exitCode, 0) << diffused.err;
    EXPECT_NE(diffused.err.find("koratune process: warning: diffusion dithering shimmers"),
              std::string::npos)
        << diffused.err;
    const CommandResult ordered =
        process(path("b.gif"), palette + QStringList{QStringLiteral("--dither=ordered")});
    EXPECT_EQ(ordered.err.find("shimmers"), std::string::npos) << ordered.err;
}

TEST_F(ProcessAnimationTest, OptionsWithoutMeaningForTheOutputAreUsageErrors) {
    const struct {
        const char* output;
        QStringList options;
        const char* message;
    } cases[] = {
        {"a.gif", {QStringLiteral("--metadata=godot")}, "--metadata applies to a sheet"},
        {"a.webp", {QStringLiteral("--columns=2")}, "--columns applies to a sheet"},
        {"a.apng", {QStringLiteral("--padding=2")}, "--padding applies to a sheet"},
        {"a.apng", {QStringLiteral("--quality=2")}, "--quality needs a .webp output"},
        {"a.gif", {QStringLiteral("--alpha=premultiplied")}, "a GIF has one transparent colour"},
        {"a.png", {QStringLiteral("--repeat=2")}, "--repeat applies to an animation"},
        {"a.tga", {}, "use .bmp, .png, .gif, .apng or .webp"},
    };
    for (const auto& row : cases) {
        const CommandResult result = process(path(row.output), row.options);
        EXPECT_EQ(result.exitCode, 2) << row.message;
        EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("strip.png")});
}

} // namespace
} // namespace koratune
