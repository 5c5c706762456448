#include "cli/CommandLine.h"
#include "common/ImageFile.h"

#include "CommandRun.h"
#include "TestFiles.h"
#include "TestImages.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace koratune {
namespace {

const QRgb black = qRgb(0, 0, 0);

using common::test::CommandResult;

CommandResult run(const QStringList& arguments) {
    return common::test::captureCommandLine(runCommandLine, arguments);
}

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

    QString writeInput(const char* name, const QImage& image) const {
        const QString file = path(name);
        EXPECT_TRUE(common::writeImage(file, image).ok());
        return file;
    }

    QString writeBytes(const char* name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QImage read(const QString& file) const {
        QImage image;
        EXPECT_TRUE(common::readImage(file, image).ok()) << file.toStdString();
        return image;
    }

    QStringList files() const { return QDir(folder_.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir folder_;
};

TEST_F(CommandLine, HelpVersionAndUsage) {
    const CommandResult help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, ExitSuccess);
    EXPECT_NE(help.out.find("koratune process INPUT -o OUT"), std::string::npos);
    EXPECT_NE(help.out.find("--sequence"), std::string::npos);

    const CommandResult version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, ExitSuccess);
    EXPECT_EQ(version.out, "Koratune v1.1\n");

    const CommandResult nothing = run({});
    EXPECT_EQ(nothing.exitCode, ExitUsage);
    EXPECT_TRUE(nothing.out.empty());
    EXPECT_NE(nothing.err.find("Usage:"), std::string::npos);

    const CommandResult unknown = run({QStringLiteral("render")});
    EXPECT_EQ(unknown.exitCode, ExitUsage);
    EXPECT_NE(unknown.err.find("unknown command \"render\""), std::string::npos);
}

TEST_F(CommandLine, ValuesOutsideTheConsolesRangesAreUsageErrors) {
    const QString input = writeInput("strip.bmp", numberedFrames(24, 4, 3));
    const QString output = path("sheet.bmp");
    const struct {
        std::vector<const char*> words;
        const char* messagePart;
    } cases[] = {
        {{"--frame-size", "23"}, "--frame-size must be from 24 to 512, not 23"},
        {{"--frame-size", "513"}, "--frame-size must be from 24 to 512"},
        {{"--frame-size", "big"}, "--frame-size expects a whole number, not \"big\""},
        {{"--frames", "0"}, "--frames must be from 1 to 256"},
        {{"--frames", "257"}, "--frames must be from 1 to 256"},
        {{"--start", "10"}, "--start must be from 0 to 9, not 10"},
        {{"--frames", "4", "--start", "-1"}, "--start must be from 0 to 3"},
        {{"--skip", "0"}, "--skip must be from 1 to 9"},
        {{"--skip", "10"}, "--skip must be from 1 to 9"},
        {{"--frames", "1", "--skip", "2"}, "--skip must be from 1 to 1"},
        {{"--hue", "1530"}, "--hue must be from 0 to 1529"},
        {{"--hue", "-1"}, "--hue must be from 0 to 1529"},
        {{"--saturation", "256"}, "--saturation must be from -255 to 255"},
        {{"--saturation", "-256"}, "--saturation must be from -255 to 255"},
        {{"--columns", "0"}, "--columns must be from 1 to 10"},
        {{"--skip", "3", "--columns", "5"}, "--columns must be from 1 to 4"},
        {{"--frame-size", "512", "--frames", "256", "--columns", "64"}, "32768x2048"},
        {{"--hue"}, "--hue expects a value"},
        {{"--hue="}, "--hue expects a value"},
        {{"--flip-h=1"}, "--flip-h takes no value"},
        {{"--mirror"}, "unknown option \"--mirror\""},
        {{"extra.bmp"}, "expected one INPUT image"},
    };
    for (const auto& c : cases) {
        QStringList arguments = {QStringLiteral("process"), input, QStringLiteral("-o"), output};
        for (const char* word : c.words)
            arguments << QString::fromLatin1(word);
        const CommandResult result = run(arguments);
        EXPECT_EQ(result.exitCode, ExitUsage) << c.messagePart;
        EXPECT_NE(result.err.find(c.messagePart), std::string::npos) << result.err;
    }

    const struct {
        QStringList arguments;
        const char* messagePart;
    } shapes[] = {
        {{QStringLiteral("process")}, "expected the INPUT image"},
        {{QStringLiteral("process"), input}, "expected -o OUT"},
        {{QStringLiteral("process"), input, QStringLiteral("-o"), path("sheet.tga")},
         "cannot tell the format of"},
        {{QStringLiteral("process"), input, QStringLiteral("-o"), path("sheet")},
         "use .bmp, .png, .gif, .apng or .webp"},
    };
    for (const auto& shape : shapes) {
        const CommandResult result = run(shape.arguments);
        EXPECT_EQ(result.exitCode, ExitUsage) << shape.messagePart;
        EXPECT_NE(result.err.find(shape.messagePart), std::string::npos) << result.err;
    }
    EXPECT_EQ(files(), QStringList{QStringLiteral("strip.bmp")});
}

TEST_F(CommandLine, OptionsTakeTheirValueAsTheNextWordOrAfterAnEquals) {
    const QString input = writeInput("strip.bmp", numberedFrames(24, 4, 3));
    const QString out = path("sheet.bmp");
    ASSERT_EQ(run({QStringLiteral("process"), input, QStringLiteral("-o"), path("expected.bmp"),
                   QStringLiteral("--frame-size"), QStringLiteral("24"), QStringLiteral("--hue"),
                   QStringLiteral("40")})
                  .exitCode,
              ExitSuccess);
    const QImage expected = read(path("expected.bmp"));
    const QStringList spellings[] = {
        {QStringLiteral("-o"), out, QStringLiteral("--frame-size=24"), QStringLiteral("--hue=40")},
        {QStringLiteral("--output"), out, QStringLiteral("--frame-size"), QStringLiteral("24"),
         QStringLiteral("--hue=40")},
        {QStringLiteral("--hue"), QStringLiteral("40"), QStringLiteral("--output=") + out,
         QStringLiteral("--frame-size=24")},
        {QStringLiteral("-o") + out, QStringLiteral("--frame-size=24"), QStringLiteral("--hue"),
         QStringLiteral("40")},
    };
    for (const QStringList& spelling : spellings) {
        QFile::remove(out);
        const CommandResult result = run(QStringList{QStringLiteral("process"), input} + spelling);
        ASSERT_EQ(result.exitCode, ExitSuccess) << result.err;
        EXPECT_EQ(read(out), expected) << spelling.join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(CommandLine, HelpIsPerCommandAndABadOptionIsNamed) {
    const QString process = QStringLiteral("process");
    const QString input = writeInput("strip.bmp", numberedFrames(24, 4, 3));
    const common::test::ExpectedRun cases[] = {
        {{process, QStringLiteral("--help")}, 0, "Usage: koratune process INPUT -o OUT", ""},
        {{process, input, QStringLiteral("-h")}, 0, "--sequence", ""},
        {{QStringLiteral("-h")}, 0, "koratune process --help", ""},
        {{process, input, QStringLiteral("-o"), path("x.bmp"), QStringLiteral("--mirror")},
         2,
         "",
         "koratune process: unknown option \"--mirror\""},
        {{process, QStringLiteral("-x"), input}, 2, "", "unknown option \"-x\""},
        {{QStringLiteral("--frobnicate")}, 2, "", "koratune: unknown option \"--frobnicate\""},
        {{process, input, QStringLiteral("--output")}, 2, "", "--output expects a value"},
        {{process, input, QStringLiteral("--help=yes")}, 2, "", "--help takes no value"},
    };
    for (const auto& c : cases) {
        const CommandResult result = run(c.arguments);
        common::test::expectRun(c, result);
        EXPECT_EQ(result.out.empty(), c.exitCode != 0) << result.out;
    }
    EXPECT_EQ(files(), QStringList{QStringLiteral("strip.bmp")});
}

TEST_F(CommandLine, WritesTheSheetWithTheStartValues) {
    const QImage strip = numberedFrames(160, 4, 3);
    const QString input = writeInput("strip.bmp", strip);
    const QString output = path("sheet.bmp");
    const CommandResult result =
        run({QStringLiteral("process"), input, QStringLiteral("-o"), output});
    ASSERT_EQ(result.exitCode, ExitSuccess) << result.err;
    EXPECT_TRUE(result.err.empty());

    const QImage sheet = read(output);
    ASSERT_EQ(sheet.size(), QSize(640, 480));
    EXPECT_EQ(sheet.copy(0, 0, 640, 320), strip.copy(0, 0, 640, 320));
    EXPECT_EQ(sheet.copy(0, 320, 320, 160), strip.copy(0, 320, 320, 160));
    EXPECT_TRUE(blockIs(sheet, QRect(320, 320, 320, 160), black));

    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 28), 24);
}

TEST_F(CommandLine, LaysOutSkippedAndMirroredFramesInTheChosenColumns) {
    const QImage strip = numberedFrames(24, 4, 3);
    const QString input = writeInput("strip.png", strip);
    const QString output = path("sheet.png");
    const CommandResult result =
        run({QStringLiteral("process"), input, QStringLiteral("--output"), output,
             QStringLiteral("--frame-size"), QStringLiteral("24"), QStringLiteral("--skip=3"),
             QStringLiteral("--columns"), QStringLiteral("3"), QStringLiteral("--flip-v"),
             QStringLiteral("--start"), QStringLiteral("1")});
    ASSERT_EQ(result.exitCode, ExitSuccess) << result.err;

    // Frames 1, 4 and 7, each upside down in its own cell.
    const QImage sheet = read(output);
    ASSERT_EQ(sheet.size(), QSize(72, 24));
    const int frames[] = {1, 4, 7};
    for (int cell = 0; cell < 3; ++cell) {
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x)
                ASSERT_EQ(sheet.pixel(24 * cell + x, y), numberedPixel(frames[cell], x, 23 - y));
        }
    }
}

TEST_F(CommandLine, CompositesTheOverlayAndRecolours) {
    const QString input = writeInput("strip.bmp", filledImage(48, 24, qRgb(200, 100, 50)));
    QImage overlay = filledImage(30, 30, qRgb(0, 0, 255));
    overlay.setPixel(5, 6, qRgb(255, 0, 0));
    overlay.setPixel(29, 23, qRgb(255, 255, 255));
    const QString overlayFile = writeInput("overlay.bmp", overlay);

    const struct {
        const char* hue;
        const char* saturation;
        QRgb strip, red;
    } cases[] = {
        {"0", "0", qRgb(200, 100, 50), qRgb(255, 0, 0)},
        {"510", "0", qRgb(50, 200, 100), qRgb(0, 255, 0)},
        {"0", "-128", qRgb(162, 112, 88), qRgb(191, 64, 64)},
        {"0", "128", qRgb(225, 91, 25), qRgb(255, 0, 0)},
        {"765", "-255", qRgb(125, 125, 125), qRgb(128, 128, 128)},
    };
    for (const auto& c : cases) {
        const QString output = path("sheet.bmp");
        const CommandResult result =
            run({QStringLiteral("process"), input, QStringLiteral("-o"), output,
                 QStringLiteral("--overlay"), overlayFile, QStringLiteral("--frame-size"),
                 QStringLiteral("24"), QStringLiteral("--frames"), QStringLiteral("2"),
                 QStringLiteral("--hue"), QString::fromLatin1(c.hue),
                 QStringLiteral("--saturation"), QString::fromLatin1(c.saturation)});
        ASSERT_EQ(result.exitCode, ExitSuccess) << result.err;
        const QImage sheet = read(output);
        ASSERT_EQ(sheet.size(), QSize(48, 24));
        QImage expected = filledImage(48, 24, c.strip);
        expected.setPixel(5, 6, c.red);
        expected.setPixel(29, 23, qRgb(255, 255, 255));
        EXPECT_EQ(sheet, expected) << c.hue << " " << c.saturation;
    }
}

TEST_F(CommandLine, WritesASequenceNamedAfterTheOutput) {
    const QImage strip = numberedFrames(24, 4, 3);
    const QString input = writeInput("strip.bmp", strip);
    for (const char* chosen : {"fire.bmp", "fire", "fire.BMP"}) {
        const CommandResult result = run({QStringLiteral("process"), input, QStringLiteral("-o"),
                                          path(chosen), QStringLiteral("--frame-size"),
                                          QStringLiteral("24"), QStringLiteral("--sequence")});
        ASSERT_EQ(result.exitCode, ExitSuccess) << result.err;
        QStringList expected = {QStringLiteral("strip.bmp")};
        for (int number = 0; number < 10; ++number)
            expected << QStringLiteral("fire%1.bmp").arg(number, 3, 10, QLatin1Char('0'));
        expected.sort();
        ASSERT_EQ(files(), expected) << chosen;
        for (int number = 0; number < 10; ++number)
            EXPECT_EQ(read(folder_.filePath(expected[number])),
                      strip.copy(24 * (number % 4), 24 * (number / 4), 24, 24));
        for (int number = 0; number < 10; ++number)
            QFile::remove(folder_.filePath(expected[number]));
    }
}

TEST_F(CommandLine, SequenceFilesBeyondTheLaidOutFramesAreBlack) {
    const QImage strip = numberedFrames(24, 4, 3);
    const QString input = writeInput("strip.bmp", strip);
    const CommandResult result =
        run({QStringLiteral("process"), input, QStringLiteral("-o"), path("spark.bmp"),
             QStringLiteral("--frame-size"), QStringLiteral("24"), QStringLiteral("--frames"),
             QStringLiteral("4"), QStringLiteral("--start"), QStringLiteral("2"),
             QStringLiteral("--sequence")});
    ASSERT_EQ(result.exitCode, ExitSuccess) << result.err;
    EXPECT_EQ(read(path("spark000.bmp")), strip.copy(48, 0, 24, 24));
    EXPECT_EQ(read(path("spark001.bmp")), strip.copy(72, 0, 24, 24));
    for (const char* name : {"spark002.bmp", "spark003.bmp"}) {
        const QImage frame = read(path(name));
        EXPECT_TRUE(blockIs(frame, QRect(0, 0, 24, 24), black)) << name;
    }
    EXPECT_EQ(files().size(), 5);
}

TEST_F(CommandLine, BadImagesFailWithAMessageAndWriteNothing) {
    const QString good = writeInput("strip.bmp", numberedFrames(24, 2, 1));
    const QString corrupt = writeBytes("corrupt.bmp", QByteArray("BM") + QByteArray(60, '\x7f'));
    const QString text = writeBytes("notes.bmp", "not an image at all");
    QByteArray zeroSize(54, '\0');
    zeroSize[0] = 'B';
    zeroSize[1] = 'M';
    zeroSize[14] = 40;
    zeroSize[26] = 1;
    zeroSize[28] = 24;
    const QString empty = writeBytes("zero.bmp", zeroSize);
    const QString previous = path("previous.bmp");
    ASSERT_TRUE(common::writeImage(previous, filledImage(5, 5, qRgb(1, 2, 3))).ok());
    const QStringList before = files();

    const struct {
        QString input;
        QString overlay;
        QString output;
        QString named; // the file the message must name
    } cases[] = {
        {path("missing.bmp"), {}, previous, path("missing.bmp")},
        {corrupt, {}, previous, corrupt},
        {empty, {}, previous, empty},
        {text, {}, previous, text},
        {good, text, previous, text},
        {good, path("missing.png"), previous, path("missing.png")},
        {good, {}, path("no/such/folder/sheet.bmp"), path("no/such/folder/sheet.bmp")},
        {good, {}, path("no/such/folder/fire"), path("no/such/folder/fire000.bmp")},
    };
    for (const auto& c : cases) {
        QStringList arguments = {QStringLiteral("process"),      c.input,
                                 QStringLiteral("-o"),           c.output,
                                 QStringLiteral("--frame-size"), QStringLiteral("24"),
                                 QStringLiteral("--frames"),     QStringLiteral("2")};
        if (!c.overlay.isEmpty())
            arguments << QStringLiteral("--overlay") << c.overlay;
        if (!c.output.endsWith(QStringLiteral(".bmp")))
            arguments << QStringLiteral("--sequence");
        const CommandResult result = run(arguments);
        EXPECT_EQ(result.exitCode, ExitFailure) << c.named.toStdString();
        EXPECT_EQ(result.err.rfind("koratune: ", 0), 0u) << result.err;
        EXPECT_NE(result.err.find(" \"" + c.named.toStdString() + "\": "), std::string::npos)
            << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_EQ(files(), before);
        EXPECT_EQ(read(previous), filledImage(5, 5, qRgb(1, 2, 3)));
    }
}

TEST_F(CommandLine, ReadsAStripOfMoreThanQtsDefaultAllocationLimit) {
    // 127 frames of 512 pixels as the designer lays them out in a width limit
    // of 1600: 3 columns, 43 rows, 135 MB decoded.
    const QImage strip = numberedFrames(512, 3, 43);
    ASSERT_EQ(strip.size(), QSize(1536, 22016));
    const QString input = writeInput("strip.bmp", strip);
    const CommandResult result =
        run({QStringLiteral("process"), input, QStringLiteral("-o"), path("sheet.bmp"),
             QStringLiteral("--frame-size"), QStringLiteral("512"), QStringLiteral("--frames"),
             QStringLiteral("127"), QStringLiteral("--skip"), QStringLiteral("63")});
    ASSERT_EQ(result.exitCode, ExitSuccess) << result.err;

    // Frames 0, 63 and 126, the last one from the strip's bottom row.
    const QImage sheet = read(path("sheet.bmp"));
    ASSERT_EQ(sheet.size(), QSize(1024, 1024));
    const int frames[] = {0, 63, 126};
    for (int cell = 0; cell < 3; ++cell)
        EXPECT_EQ(sheet.copy(512 * (cell % 2), 512 * (cell / 2), 512, 512),
                  strip.copy(512 * (frames[cell] % 3), 512 * (frames[cell] / 3), 512, 512))
            << frames[cell];
    EXPECT_TRUE(blockIs(sheet, QRect(512, 512, 512, 512), black));
}

TEST_F(CommandLine, PicturesOverTheMemoryLimitAreRefusedByTheirHeader) {
    const struct {
        qint32 width, height;
        const char* message;
    } cases[] = {
        {30000, 30000, "30000 x 30000 pixels, which needs 3434 MB decoded; the limit is 256 MB"},
        {16000, -16000, "16000 x 16000 pixels, which needs 977 MB decoded; the limit is 256 MB"},
    };
    const QString good = writeInput("strip.bmp", numberedFrames(24, 2, 1));
    const QString sheet = path("sheet.bmp");
    for (const auto& c : cases) {
        const QString huge = writeBytes("huge.bmp", common::test::bitmapHeader(c.width, c.height));
        const QStringList runs[] = {
            {QStringLiteral("process"), huge, QStringLiteral("-o"), sheet},
            {QStringLiteral("process"), good, QStringLiteral("-o"), sheet,
             QStringLiteral("--overlay"), huge},
        };
        for (const QStringList& arguments : runs) {
            const CommandResult result = run(arguments);
            EXPECT_EQ(result.exitCode, ExitFailure);
            EXPECT_NE(result.err.find("Cannot read the picture \"" + huge.toStdString() +
                                      "\": the picture is " + c.message),
                      std::string::npos)
                << result.err;
        }
    }
    EXPECT_FALSE(QFile::exists(path("sheet.bmp")));
}

TEST_F(CommandLine, OutputsThatAreNoRegularFilesAreRefusedAndLeftAlone) {
    const QString input = writeInput("strip.bmp", numberedFrames(24, 4, 3));
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("folder.bmp")));
    ASSERT_TRUE(common::test::makePipe(path("pipe.bmp")));
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("fire001.bmp")));
    ASSERT_TRUE(common::test::makePipe(path("spark009.bmp")));
    const bool haveDevice = common::test::makeNullDevice(path("null.bmp"));
    const QStringList before =
        QDir(folder_.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);

    const struct {
        const char* output;
        bool sequence;
        const char* message;
    } cases[] = {
        {"folder.bmp", false, "folder.bmp\": it is a folder, not a regular file"},
        {"pipe.bmp", false, "pipe.bmp\": it is a pipe (FIFO), not a regular file"},
        {"null.bmp", false, "null.bmp\": it is a device, not a regular file"},
        {"fire", true, "fire001.bmp\": it is a folder, not a regular file"},
        {"spark.bmp", true, "spark009.bmp\": it is a pipe (FIFO), not a regular file"},
    };
    for (const auto& c : cases) {
        if (!haveDevice && std::string(c.output) == "null.bmp")
            continue;
        QStringList arguments = {QStringLiteral("process"),      input,
                                 QStringLiteral("-o"),           path(c.output),
                                 QStringLiteral("--frame-size"), QStringLiteral("24")};
        if (c.sequence)
            arguments << QStringLiteral("--sequence");
        const CommandResult result = run(arguments);
        EXPECT_EQ(result.exitCode, ExitFailure) << c.output;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(
            QDir(folder_.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
            before);
    }
    EXPECT_EQ(common::test::fileKind(path("pipe.bmp")), unsigned{S_IFIFO});
    EXPECT_EQ(common::test::fileKind(path("spark009.bmp")), unsigned{S_IFIFO});
    EXPECT_TRUE(QDir(path("folder.bmp")).isEmpty());
    if (haveDevice) {
        EXPECT_EQ(common::test::fileKind(path("null.bmp")), unsigned{S_IFCHR});
    }
}

TEST(CommandLineProcess, TheExecutableRunsHeadless) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QImage strip = numberedFrames(24, 4, 3);
    const QString input = folder.filePath(QStringLiteral("strip.bmp"));
    ASSERT_TRUE(common::writeImage(input, strip).ok());
    const QString output = folder.filePath(QStringLiteral("sheet.bmp"));

    const common::test::ProgramResult program = common::test::runProgramWithoutDisplay(
        QStringLiteral(KORATUNE_EXECUTABLE),
        {QStringLiteral("process"), input, QStringLiteral("-o"), output,
         QStringLiteral("--frame-size"), QStringLiteral("24"), QStringLiteral("--flip-h"),
         QStringLiteral("--columns"), QStringLiteral("10")});
    EXPECT_EQ(program.exitCode, 0) << program.err.toStdString();

    QImage sheet;
    ASSERT_TRUE(common::readImage(output, sheet).ok());
    ASSERT_EQ(sheet.size(), QSize(240, 24));
    for (int frame = 0; frame < 10; ++frame)
        EXPECT_EQ(sheet.copy(24 * frame, 0, 24, 24),
                  strip.copy(24 * (frame % 4), 24 * (frame / 4), 24, 24).mirrored(true, false));
}

TEST(CommandLineProcess, WithoutArgumentsTheExecutableStartsItsWindows) {
    // With no display to open them on, starting the windows fails, while the
    // commands above run fine in the same environment.
    const common::test::ProgramResult program =
        common::test::runProgramWithoutDisplay(QStringLiteral(KORATUNE_EXECUTABLE), {});
    EXPECT_NE(program.exitCode, 0);
    EXPECT_FALSE(program.err.contains("Usage:"));
}

TEST(CommandLineProcess, TheExecutableReportsThroughItsExitCodes) {
    const common::test::ExpectedRun cases[] = {
        {{QStringLiteral("--version")}, 0, "Koratune v1.1", ""},
        {{QStringLiteral("--help")}, 0, "koratune process --help", ""},
        {{QStringLiteral("process"), QStringLiteral("--help")}, 0, "--saturation N", ""},
        {{QStringLiteral("process"), QStringLiteral("--fast")}, 2, "", "unknown option \"--fast\""},
        {{QStringLiteral("process"), QStringLiteral("/nonexistent/strip.bmp"), QStringLiteral("-o"),
          QStringLiteral("/nonexistent/sheet.bmp")},
         1,
         "",
         "\"/nonexistent/strip.bmp\""},
    };
    for (const auto& c : cases) {
        common::test::expectRun(c, common::test::runProgramWithoutDisplay(
                                       QStringLiteral(KORATUNE_EXECUTABLE), c.arguments));
    }
}

TEST_F(CommandLine, APaletteMapsEveryPixelAndScaleEnlargesTheSheet) {
    const QString input = writeInput("grey.png", filledImage(48, 48, qRgb(128, 128, 128)));
    struct Row {
        const char* dither;
        QSet<QRgb> colours;
    };
    const Row rows[] = {{"none", {qRgb(255, 255, 255)}},
                        {"ordered", {qRgb(0, 0, 0), qRgb(255, 255, 255)}}};
    for (const Row& row : rows) {
        const CommandResult result =
            run({QStringLiteral("process"), input, QStringLiteral("-o"), path("out.png"),
                 QStringLiteral("--frame-size"), QStringLiteral("24"), QStringLiteral("--frames"),
                 QStringLiteral("4"), QStringLiteral("--palette"), QStringLiteral("1-bit"),
                 QStringLiteral("--dither"), QString::fromLatin1(row.dither),
                 QStringLiteral("--scale"), QStringLiteral("2")});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const QImage sheet = read(path("out.png"));
        EXPECT_EQ(sheet.size(), QSize(96, 96));
        QSet<QRgb> used;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                used.insert(sheet.pixel(x, y));
        EXPECT_EQ(used, row.colours) << row.dither;
    }
}

} // namespace
} // namespace koratune
