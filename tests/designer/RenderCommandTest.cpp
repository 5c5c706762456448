#include "cli/CommandLine.h"
#include "core/document/DesignFile.h"
#include "core/document/DesignJson.h"
#include "core/editing/SampleDesigns.h"

#include "CommandRun.h"
#include "TestFiles.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace kirabellum {
namespace {

using common::test::CommandResult;

CommandResult run(const QStringList& arguments) {
    return common::test::captureCommandLine(runCommandLine, arguments);
}

class RenderCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        DesignDocument design = sampleDesigns().front().design;
        design.FrameCount = 5;
        designPath = folder.filePath(QStringLiteral("burst.df2"));
        ASSERT_TRUE(WriteDesignFile(designPath, design).ok());
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    QTemporaryDir folder;
    QString designPath;
};

TEST_F(RenderCommandTest, WritesA24BitBitmapAndAPngOfTheSameStrip) {
    const CommandResult bitmap =
        run({QStringLiteral("render"), designPath, QStringLiteral("-o"), path("strip.bmp")});
    ASSERT_EQ(bitmap.exitCode, 0) << bitmap.err;
    const CommandResult png =
        run({QStringLiteral("render"), designPath, QStringLiteral("-o"), path("strip.png"),
             QStringLiteral("--seed"), QStringLiteral("0")});
    ASSERT_EQ(png.exitCode, 0) << png.err;

    QFile file(path("strip.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<int>(bytes[28]), 24);       // bits per pixel
    EXPECT_EQ(bytes.mid(30, 4), QByteArray(4, '\0')); // uncompressed
    const QImage fromBitmap(path("strip.bmp"));
    const QImage fromPng(path("strip.png"));
    EXPECT_EQ(fromBitmap.size(), QSize(512, 256));
    EXPECT_EQ(fromBitmap.convertToFormat(QImage::Format_RGB32),
              fromPng.convertToFormat(QImage::Format_RGB32));
}

TEST_F(RenderCommandTest, SeedChangesTheStrip) {
    ASSERT_EQ(
        run({QStringLiteral("render"), designPath, QStringLiteral("-o"), path("a.png")}).exitCode,
        0);
    ASSERT_EQ(run({QStringLiteral("render"), designPath, QStringLiteral("-o"), path("b.png"),
                   QStringLiteral("--seed"), QStringLiteral("99")})
                  .exitCode,
              0);
    EXPECT_NE(QImage(path("a.png")), QImage(path("b.png")));
}

TEST_F(RenderCommandTest, EveryDesignFormatRendersTheSameStrip) {
    // Version 1.1 holds one spark image, which reads into every slot.
    DesignDocument design = sampleDesigns().front().design;
    design.FrameCount = 3;
    for (SparkBitmap& image : design.SparkImage)
        image = design.SparkImage[0];
    ASSERT_TRUE(WriteDesignFile(path("same.df2"), design).ok());
    ASSERT_TRUE(writeDesignJson(path("same.json"), design).ok());
    // A name without a known extension is read as a version 1.2 design file.
    ASSERT_TRUE(WriteDesignFile(path("same.design"), design).ok());
    QFile version12(path("same.df2"));
    ASSERT_TRUE(version12.open(QIODevice::ReadOnly));
    const QByteArray bytes = version12.readAll();
    QFile version11(path("same.df1"));
    ASSERT_TRUE(version11.open(QIODevice::WriteOnly));
    version11.write(bytes.left(DesignSparkOffset + DesignSparkImageBytes) +
                    bytes.mid(DesignSparkOffset + LayerTotal * DesignSparkImageBytes));
    version11.close();

    QImage first;
    for (const char* name : {"same.df2", "same.df1", "same.json", "same.design"}) {
        const CommandResult result =
            run({QStringLiteral("render"), path(name), QStringLiteral("-o"), path("strip.png")});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const QImage strip(path("strip.png"));
        if (first.isNull())
            first = strip;
        EXPECT_EQ(strip, first) << name;
    }
}

TEST_F(RenderCommandTest, OptionsTakeTheirValueAsTheNextWordOrAfterAnEquals) {
    const QString out = path("strip.png");
    ASSERT_EQ(run({QStringLiteral("render"), designPath, QStringLiteral("-o"), path("seed3.png"),
                   QStringLiteral("--seed"), QStringLiteral("3")})
                  .exitCode,
              0);
    const QImage expected(path("seed3.png"));
    const QStringList spellings[] = {
        {QStringLiteral("-o"), out, QStringLiteral("--seed=3")},
        {QStringLiteral("--output"), out, QStringLiteral("--seed"), QStringLiteral("3")},
        {QStringLiteral("--seed=3"), QStringLiteral("--output=") + out},
        {QStringLiteral("-o") + out, QStringLiteral("--seed=3")},
    };
    for (const QStringList& spelling : spellings) {
        QFile::remove(out);
        const CommandResult result =
            run(QStringList{QStringLiteral("render"), designPath} + spelling);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(QImage(out), expected) << spelling.join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(RenderCommandTest, HelpIsPerCommandAndABadOptionIsNamed) {
    const QString render = QStringLiteral("render");
    const QString convert = QStringLiteral("convert");
    const common::test::ExpectedRun cases[] = {
        {{render, QStringLiteral("--help")}, 0, "Usage: kirabellum render DESIGN -o OUT", ""},
        {{render, designPath, QStringLiteral("-h")}, 0, "--seed N", ""},
        {{convert, QStringLiteral("--help")},
         0,
         ".df1    Kirabellum Data File-v1.1, read only",
         ""},
        {{QStringLiteral("-h")}, 0, "kirabellum COMMAND --help", ""},
        {{render, designPath, QStringLiteral("-o"), path("x.png"), QStringLiteral("--fast")},
         2,
         "",
         "kirabellum render: unknown option \"--fast\""},
        {{render, QStringLiteral("-x"), designPath}, 2, "", "unknown option \"-x\""},
        {{convert, QStringLiteral("--into"), designPath, path("x.json")},
         2,
         "",
         "kirabellum convert: unknown option \"--into\""},
        {{QStringLiteral("--frobnicate")}, 2, "", "kirabellum: unknown option \"--frobnicate\""},
        {{render, designPath, QStringLiteral("--output")}, 2, "", "--output expects a value"},
        {{render, designPath, QStringLiteral("-o"), path("x.png"), QStringLiteral("--seed=")},
         2,
         "",
         "--seed expects a value"},
        {{render, designPath, QStringLiteral("--help=yes")}, 2, "", "--help takes no value"},
    };
    for (const auto& c : cases) {
        const CommandResult result = run(c.arguments);
        common::test::expectRun(c, result);
        EXPECT_EQ(result.out.empty(), c.exitCode != 0) << result.out;
        EXPECT_FALSE(QFile::exists(path("x.png")));
    }
}

TEST_F(RenderCommandTest, UsageErrorsExitTwo) {
    const QStringList cases[] = {
        {QStringLiteral("render")},
        {QStringLiteral("render"), designPath},
        {QStringLiteral("render"), designPath, QStringLiteral("-o")},
        {QStringLiteral("render"), designPath, QStringLiteral("-o"), path("x.tga")},
        {QStringLiteral("render"), designPath, QStringLiteral("-o"), path("x.png"),
         QStringLiteral("--seed"), QStringLiteral("-1")},
        {QStringLiteral("render"), designPath, QStringLiteral("-o"), path("x.png"),
         QStringLiteral("--fast")},
        {QStringLiteral("render"), designPath, designPath, QStringLiteral("-o"), path("x.png")},
        {QStringLiteral("paint")},
    };
    for (const QStringList& arguments : cases) {
        const CommandResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_NE(result.err.find("Usage"), std::string::npos) << result.err;
        EXPECT_FALSE(QFile::exists(path("x.png")));
    }
}

TEST_F(RenderCommandTest, UnreadableOrUnrenderableDesignsExitOne) {
    QFile damaged(path("damaged.df2"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(100, 'x'));
    damaged.close();
    DesignDocument badColour = sampleDesigns().front().design;
    badColour.SparkImage[1].at(3, 3) = common::makeColour(1, 2, 254);
    ASSERT_TRUE(WriteDesignFile(path("badcolour.df2"), badColour).ok());
    DesignDocument oversized = sampleDesigns().front().design;
    oversized.FrameSize = 512;
    oversized.FrameCount = 256;
    ASSERT_TRUE(WriteDesignFile(path("oversized.df2"), oversized).ok());

    const struct {
        QString design;
        const char* words;
    } cases[] = {
        {path("missing.df2"), "missing.df2"},
        {path("damaged.df2"), "too short"},
        {path("badcolour.df2"), "The Fire of layer 2 uses a colour outside the palette"},
        {path("oversized.df2"), "32767"},
        {designPath.left(designPath.size() - 1) + QStringLiteral("1"), "burst.df1"},
    };
    for (const auto& c : cases) {
        const CommandResult result =
            run({QStringLiteral("render"), c.design, QStringLiteral("-o"), path("out.png")});
        EXPECT_EQ(result.exitCode, 1) << c.words;
        EXPECT_NE(result.err.find(c.words), std::string::npos) << result.err;
        EXPECT_FALSE(QFile::exists(path("out.png")));
    }
}

TEST_F(RenderCommandTest, UnwritableOutputExitsOneAndKeepsTheOldFile) {
    const CommandResult missingFolder =
        run({QStringLiteral("render"), designPath, QStringLiteral("-o"),
             path("no/such/folder/strip.png")});
    EXPECT_EQ(missingFolder.exitCode, 1);
    EXPECT_NE(missingFolder.err.find("no/such/folder/strip.png"), std::string::npos);

    // A folder, a pipe or a device in the output's place is neither replaced
    // nor written into.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken.png")));
    ASSERT_TRUE(common::test::makePipe(path("pipe.bmp")));
    const bool haveDevice = common::test::makeNullDevice(path("null.bmp"));
    const struct {
        const char* output;
        const char* message;
        unsigned kind;
    } cases[] = {
        {"taken.png", "taken.png\": it is a folder, not a regular file", S_IFDIR},
        {"pipe.bmp", "pipe.bmp\": it is a pipe (FIFO), not a regular file", S_IFIFO},
        {"null.bmp", "null.bmp\": it is a device, not a regular file", S_IFCHR},
    };
    for (const auto& c : cases) {
        if (!haveDevice && c.kind == S_IFCHR)
            continue;
        const CommandResult taken =
            run({QStringLiteral("render"), designPath, QStringLiteral("-o"), path(c.output)});
        EXPECT_EQ(taken.exitCode, 1) << c.output;
        EXPECT_NE(taken.err.find(c.message), std::string::npos) << taken.err;
        EXPECT_EQ(common::test::fileKind(path(c.output)), c.kind) << c.output;
    }
    EXPECT_TRUE(QDir(path("taken.png")).isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::System).size(), haveDevice ? 3 : 2);
}

TEST(RenderCommandProcess, ShowsProgressOnlyWhenAskedAndExitsZero) {
    QTemporaryDir folder;
    DesignDocument design = sampleDesigns().front().design;
    design.FrameCount = 3;
    const QString designPath = folder.filePath(QStringLiteral("d.df2"));
    ASSERT_TRUE(WriteDesignFile(designPath, design).ok());
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCommandLine({QStringLiteral("render"), designPath, QStringLiteral("-o"),
                              folder.filePath(QStringLiteral("s.png"))},
                             out, err, true),
              0);
    EXPECT_NE(err.str().find("frame 3 of 3"), std::string::npos) << err.str();

    const common::test::ProgramResult program = common::test::runProgramWithoutDisplay(
        QStringLiteral(KIRABELLUM_EXECUTABLE),
        {QStringLiteral("render"), designPath, QStringLiteral("-o"),
         folder.filePath(QStringLiteral("p.bmp"))});
    EXPECT_EQ(program.exitCode, 0) << program.err.toStdString();
    EXPECT_EQ(QImage(folder.filePath(QStringLiteral("p.bmp"))).size(), QSize(384, 128));
}

} // namespace
} // namespace kirabellum
