// kirabellum render to animated files: the sheet's frames in play order, as
// tools of their own decode them, and the options an animation refuses.
#include "cli/CommandLine.h"
#include "core/document/DesignFile.h"
#include "core/editing/SampleDesigns.h"

#include "AnimationDecoding.h"
#include "CommandRun.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace kirabellum {
namespace {

using common::test::CommandResult;

class RenderAnimationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        DesignDocument design = sampleDesigns().front().design;
        design.FrameCount = 5;
        design.RefreshRate = 2; // "30fps"
        // A background other than black, to be made transparent.
        design.ColorRamp[0] = common::makeColour(30, 20, 60);
        frameSize = design.FrameSize;
        designPath = path("burst.df2");
        ASSERT_TRUE(WriteDesignFile(designPath, design).ok());
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    CommandResult render(const QString& output, const QStringList& options) const {
        return common::test::captureCommandLine(
            runCommandLine,
            QStringList{QStringLiteral("render"), designPath, QStringLiteral("-o"), output} +
                options);
    }
    // The frames of the PNG sheet of one column written with `options`.
    std::vector<QImage> sheetFrames(const QStringList& options) const {
        const QString sheet = path("sheet.png");
        EXPECT_EQ(render(sheet, options + QStringList{QStringLiteral("--columns=1")}).exitCode, 0);
        return common::test::columnFrames(QImage(sheet), frameSize);
    }

    QTemporaryDir folder;
    QString designPath;
    int frameSize = 0;
};

TEST_F(RenderAnimationTest, EveryFormatHoldsTheSheetsFramesInPlayOrder) {
    const QString straight = QStringLiteral("--alpha=straight");
    const QString premultiplied = QStringLiteral("--alpha=premultiplied");
    const QString step = QStringLiteral("--frame-step=2");
    const struct {
        const char* output;
        QStringList options;
        // The sheet whose frames the animation holds; for a GIF the additive one.
        QStringList sheetOptions;
        bool lossless;
        const char* summary;
    } cases[] = {
        {"burst.gif", {}, {}, false, "Wrote 5 frames of 128 x 128 pixels to "},
        {"burst.gif", {straight, step}, {step}, false, "(GIF, 15 fps, forever)"},
        {"burst.apng", {premultiplied}, {premultiplied}, true, "(APNG, 30 fps, forever)"},
        {"burst.png",
         {QStringLiteral("--animation=apng"), straight, QStringLiteral("--repeat=3")},
         {straight},
         true,
         "(APNG, 30 fps, 3 plays)"},
        {"burst.webp", {straight, step}, {straight, step}, true, "(WebP, 15 fps, forever)"},
        {"burst.webp", {}, {}, true, "Wrote 5 frames"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.output + row.options.join(QLatin1Char(' ')).toStdString());
        const QString output = path(row.output);
        const CommandResult result = render(output, row.options);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_NE(result.out.find(row.summary), std::string::npos) << result.out;
        std::vector<QImage> expected = sheetFrames(row.sheetOptions);
        // A straight GIF: the background transparent, everything else opaque.
        if (row.options.contains(straight) && output.endsWith(QLatin1String(".gif")))
            for (QImage& frame : expected)
                for (int y = 0; y < frame.height(); ++y)
                    for (int x = 0; x < frame.width(); ++x)
                        if (frame.pixel(x, y) == qRgb(30, 20, 60))
                            frame.setPixel(x, y, 0);
        QTemporaryDir parts;
        common::test::expectFrames(common::test::decodedFrames(output, parts.path()), expected,
                                   row.lossless);
    }
}

TEST_F(RenderAnimationTest, RepeatCountsPlaysAndALoopSaysSoInItsGif) {
    const QString gif = path("burst.gif");
    ASSERT_EQ(render(gif, {QStringLiteral("--repeat=2")}).exitCode, 0);
    QString info =
        common::test::runTool(QStringLiteral("gifsicle"), {QStringLiteral("--info"), gif});
    EXPECT_TRUE(info.contains(QStringLiteral("loop count 1"))) << info.toStdString();
    EXPECT_FALSE(info.contains(QStringLiteral("comment"))) << info.toStdString();
    ASSERT_EQ(render(gif, {QStringLiteral("--loop")}).exitCode, 0);
    info = common::test::runTool(QStringLiteral("gifsicle"), {QStringLiteral("--info"), gif});
    EXPECT_TRUE(info.contains(QStringLiteral("loop forever"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("comment loop"))) << info.toStdString();
    const QString webp = path("burst.webp");
    ASSERT_EQ(render(webp, {QStringLiteral("--repeat=4"), QStringLiteral("--quality=80")}).exitCode,
              0);
    info = common::test::runTool(QStringLiteral("webpmux"), {QStringLiteral("-info"), webp});
    EXPECT_TRUE(info.contains(QStringLiteral("Loop Count : 4"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("lossy"))) << info.toStdString();
}

TEST_F(RenderAnimationTest, DiffusionDitheringWarnsThatAnAnimationShimmers) {
    const QStringList palette = {QStringLiteral("--palette=1-bit")};
    const CommandResult diffused =
        render(path("a.gif"), palette + QStringList{QStringLiteral("--dither=diffusion")});
    ASSERT_EQ(diffused.exitCode, 0) << diffused.err;
    EXPECT_NE(diffused.err.find("kirabellum render: warning: diffusion dithering shimmers"),
              std::string::npos)
        << diffused.err;
    const CommandResult ordered =
        render(path("b.gif"), palette + QStringList{QStringLiteral("--dither=ordered")});
    EXPECT_EQ(ordered.err.find("shimmers"), std::string::npos) << ordered.err;
}

TEST_F(RenderAnimationTest, OptionsWithoutMeaningForTheOutputAreUsageErrors) {
    const struct {
        const char* output;
        QStringList options;
        const char* message;
    } cases[] = {
        {"a.gif", {QStringLiteral("--metadata=json-hash")}, "--metadata applies to a sheet"},
        {"a.webp", {QStringLiteral("--columns=2")}, "--columns applies to a sheet"},
        {"a.apng", {QStringLiteral("--max-size=512")}, "--max-size applies to a sheet"},
        {"a.gif", {QStringLiteral("--power-of-two")}, "--power-of-two applies to a sheet"},
        {"a.gif", {QStringLiteral("--padding=1")}, "--padding applies to a sheet"},
        {"a.webp", {QStringLiteral("--motion-vectors=unity")}, "--motion-vectors applies to"},
        {"a.gif", {QStringLiteral("--colour=intensity")}, "--colour intensity applies to a sheet"},
        {"a.gif", {QStringLiteral("--crop")}, "--crop applies to a sheet"},
        {"a.webp", {QStringLiteral("--trim")}, "--trim applies to a sheet"},
        {"a.gif", {QStringLiteral("--quality=50")}, "--quality needs a .webp output"},
        {"a.webp", {QStringLiteral("--animation=apng")}, "--animation apng needs a .png output"},
        {"a.gif", {QStringLiteral("--alpha=premultiplied")}, "a GIF has one transparent colour"},
        {"a.png", {QStringLiteral("--repeat=2")}, "--repeat applies to an animation"},
        {"a.bmp", {QStringLiteral("--quality=2")}, "--quality applies to an animation"},
        {"a.tga", {}, "use .bmp, .png, .gif, .apng or .webp"},
    };
    for (const auto& row : cases) {
        const CommandResult result = render(path(row.output), row.options);
        EXPECT_EQ(result.exitCode, 2) << row.message;
        EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("burst.df2")});
}

} // namespace
} // namespace kirabellum
