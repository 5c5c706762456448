#include "cli/CommandLine.h"

#include "core/document/DesignFile.h"
#include "core/document/DesignJson.h"

#include "CommandRun.h"
#include "EffectsDesign.h"
#include "RandomDesign.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

namespace kirabellum {
namespace {

using Outcome = common::test::CommandResult;

Outcome run(const QStringList& arguments) {
    return common::test::captureCommandLine(runCommandLine, arguments);
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeContents(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray designFileBytes(const DesignDocument& document) {
    std::ostringstream stream;
    EXPECT_TRUE(WriteDesignFile(stream, document).ok());
    return QByteArray::fromStdString(stream.str());
}

DesignDocument newDesign() {
    DesignDocument document;
    NewDesign(document);
    return document;
}

class ConvertCommand : public ::testing::Test {
protected:
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    // Runs `convert IN OUT` with an OUT that already holds other bytes and checks
    // that the command fails with exit 1, names `words`, and leaves OUT alone.
    void expectFailureKeepsOutput(const QString& in, const QString& out, const char* words) {
        const QByteArray precious = "an earlier design that must survive";
        writeContents(out, precious);
        const Outcome outcome = run({QStringLiteral("convert"), in, out});
        EXPECT_EQ(outcome.exitCode, ExitFailure) << words;
        EXPECT_NE(outcome.err.find(words), std::string::npos)
            << "stderr: " << outcome.err << "\nexpected: " << words;
        EXPECT_TRUE(outcome.out.empty());
        EXPECT_EQ(contentsOf(out), precious) << words;
    }

    QTemporaryDir folder;
};

TEST_F(ConvertCommand, DesignFileToJsonAndBackIsByteForByte) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        const QByteArray original = designFileBytes(randomDesign(seed));
        writeContents(path("original.df2"), original);
        const Outcome toJson =
            run({QStringLiteral("convert"), path("original.df2"), path("design.json")});
        ASSERT_EQ(toJson.exitCode, ExitSuccess) << toJson.err;
        EXPECT_TRUE(toJson.err.empty());
        const Outcome back =
            run({QStringLiteral("convert"), path("design.json"), path("back.DF2")});
        ASSERT_EQ(back.exitCode, ExitSuccess) << back.err;
        EXPECT_EQ(contentsOf(path("back.DF2")), original) << "seed " << seed;

        // JSON to JSON rewrites the same text.
        ASSERT_EQ(
            run({QStringLiteral("convert"), path("design.json"), path("again.JSON")}).exitCode,
            ExitSuccess);
        EXPECT_EQ(contentsOf(path("again.JSON")), contentsOf(path("design.json")));
    }
}

// A version 1.1 file: the version 1.2 layout with only the first spark image.
QByteArray version11Bytes(const DesignDocument& document) {
    const QByteArray full = designFileBytes(document);
    return full.left(DesignSparkOffset + DesignSparkImageBytes) +
           full.mid(DesignSparkOffset + LayerTotal * DesignSparkImageBytes);
}

QByteArray jsonBytes(const DesignDocument& document) {
    QByteArray json;
    EXPECT_TRUE(designToJson(document, json).ok());
    return json;
}

TEST_F(ConvertCommand, EveryFormatConvertsToEveryWritableOne) {
    // Version 1.1 holds one spark image, which reads into every slot.
    DesignDocument design = randomDesign(5);
    for (SparkBitmap& image : design.SparkImage)
        image = design.SparkImage[0];
    const struct {
        const char* name;
        QByteArray bytes;
    } inputs[] = {{"in.df2", designFileBytes(design)},
                  {"in.DF1", version11Bytes(design)},
                  {"in.json", jsonBytes(design)}},
      outputs[] = {{"out.df2", designFileBytes(design)}, {"out.Json", jsonBytes(design)}};
    for (const auto& in : inputs) {
        writeContents(path(in.name), in.bytes);
        for (const auto& out : outputs) {
            const Outcome outcome = run({QStringLiteral("convert"), path(in.name), path(out.name)});
            ASSERT_EQ(outcome.exitCode, ExitSuccess) << outcome.err;
            EXPECT_EQ(contentsOf(path(out.name)), out.bytes) << in.name << " to " << out.name;
        }
    }
}

TEST_F(ConvertCommand, ContentNotMatchingTheExtensionSaysWhatWasExpected) {
    const QByteArray version12 = designFileBytes(newDesign());
    const struct {
        const char* name;
        QByteArray bytes;
        const char* words;
    } cases[] = {
        {"json.df2", jsonBytes(newDesign()),
         "expected a version 1.2 design file, but the file holds JSON text"},
        {"json.df1", jsonBytes(newDesign()),
         "expected a version 1.1 design file, but the file holds JSON text"},
        {"binary.json", version12,
         "expected a JSON design, but the text is not valid JSON: illegal value at line 1"},
        {"new.df1", version12,
         "expected a version 1.1 design file, but the file holds a version 1.2 design"},
        {"old.df2", version11Bytes(newDesign()),
         "expected a version 1.2 design file, but the file holds a version 1.1 design"},
    };
    for (const auto& c : cases) {
        writeContents(path(c.name), c.bytes);
        expectFailureKeepsOutput(path(c.name), path("out.json"), c.words);
        const Outcome render =
            run({QStringLiteral("render"), path(c.name), QStringLiteral("-o"), path("strip.png")});
        EXPECT_EQ(render.exitCode, ExitFailure) << c.name;
        EXPECT_NE(render.err.find(c.words), std::string::npos) << render.err;
        EXPECT_FALSE(QFile::exists(path("strip.png")));
    }
}

TEST_F(ConvertCommand, DefectiveJsonExitsOneNamingFileAndKeyAndKeepsTheOutput) {
    QByteArray good;
    ASSERT_TRUE(designToJson(newDesign(), good).ok());
    const struct {
        const char* from;
        const char* to;
        const char* named;
    } defects[] = {
        {"\"RefreshRate\": 4,", "", "the key \"RefreshRate\" is missing"},
        {"\"FrameSize\": 160", "\"FrameSize\": \"160\"", "\"FrameSize\" must be a whole number"},
        {"\"FrameCount\": 10", "\"FrameCount\": 70000", "\"FrameCount\" must be a whole number"},
        {"\"#000000\"", "\"#00000\"", "\"ColorRamp[0]\" must be a colour"},
        {"\"RampLength\": 16", "\"RampLength\": 300", "\"RampLength\" is 300, outside 0 to 256"},
        {"\"RampLength\": 16", "\"RampLength\": 15", "\"ColorRamp\" holds 16 entries"},
        {"\"LayerShape\": [", "\"LayerShape\": [1, ", "\"Layers[0].LayerShape\" holds 37"},
        {"{", "[", "not valid JSON"},
    };
    for (const auto& defect : defects) {
        QByteArray json = good;
        const qsizetype at = json.indexOf(defect.from);
        ASSERT_GE(at, 0) << defect.from;
        json.replace(at, qsizetype(std::strlen(defect.from)), defect.to);
        writeContents(path("bad.json"), json);
        expectFailureKeepsOutput(path("bad.json"), path("out.df2"), defect.named);
        expectFailureKeepsOutput(path("bad.json"), path("out.df2"),
                                 path("bad.json").toUtf8().constData());
    }
}

TEST_F(ConvertCommand, DamagedOrMissingInputExitsOneAndKeepsTheOutput) {
    const QByteArray good = designFileBytes(newDesign());
    writeContents(path("short.df2"), good.left(good.size() - 1));
    expectFailureKeepsOutput(path("short.df2"), path("out.df2"), "this file has 33602 bytes");
    expectFailureKeepsOutput(path("short.df2"), path("out.json"), "short.df2");
    writeContents(path("tiny.df2"), good.left(100));
    expectFailureKeepsOutput(path("tiny.df2"), path("out.json"), "too short");
    writeContents(path("long.df2"), good + "x");
    expectFailureKeepsOutput(path("long.df2"), path("out.json"), "33604 bytes");
    expectFailureKeepsOutput(path("none.df2"), path("out.json"), "none.df2");
    expectFailureKeepsOutput(path("none.json"), path("out.df2"), "none.json");
}

TEST_F(ConvertCommand, DesignTheTextCannotHoldExitsOneAndKeepsTheOutput) {
    DesignDocument damaged = newDesign();
    damaged.SparkImage[5].at(3, 4) = 0x7F000000;
    writeContents(path("damaged.df2"), designFileBytes(damaged));
    expectFailureKeepsOutput(path("damaged.df2"), path("out.json"), "\"SparkImage[5][4][3]\"");
}

TEST_F(ConvertCommand, LayerEffectsReachADesignFileOnlyWhenDropped) {
    DesignDocument trailOnly = newDesign();
    trailOnly.layer(4).Trail = LayerTrail{2, 50};
    const struct {
        DesignDocument design;
        const char* named;
    } cases[] = {{designWithEffects(5), "uses child bursts, layer ramps, trails, which a .df2 file "
                                        "cannot hold; convert it to .json to keep them, or give "
                                        "--drop-extras to leave them out"},
                 {trailOnly, "uses trails, which"}};
    for (const auto& c : cases) {
        writeContents(path("effects.json"), jsonBytes(c.design));
        expectFailureKeepsOutput(path("effects.json"), path("out.df2"), c.named);
        const Outcome dropped = run({QStringLiteral("convert"), path("effects.json"),
                                     path("out.df2"), QStringLiteral("--drop-extras")});
        ASSERT_EQ(dropped.exitCode, ExitSuccess) << dropped.err;
        EXPECT_EQ(contentsOf(path("out.df2")), designFileBytes(c.design));
    }
}

TEST_F(ConvertCommand, OutputInAMissingFolderExitsOneNamingIt) {
    writeContents(path("good.df2"), designFileBytes(newDesign()));
    for (const char* name : {"no/such/folder/out.json", "no/such/folder/out.df2"}) {
        const Outcome outcome = run({QStringLiteral("convert"), path("good.df2"), path(name)});
        EXPECT_EQ(outcome.exitCode, ExitFailure);
        EXPECT_NE(outcome.err.find(path(name).toStdString()), std::string::npos) << outcome.err;
        EXPECT_FALSE(QFile::exists(path(name)));
    }
}

TEST_F(ConvertCommand, UsageErrorsExitTwoAndWriteNothing) {
    writeContents(path("good.df2"), designFileBytes(newDesign()));
    const QString convert = QStringLiteral("convert");
    const QStringList usages[] = {
        {},
        {convert},
        {convert, path("good.df2")},
        {convert, path("good.df2"), path("out.json"), path("extra.json")},
        {convert, path("good.txt"), path("out.df2")},
        {convert, path("good.df2"), path("out.df1")},
        {convert, path("good.df2"), path("out.bmp")},
        {convert, path("good.df2"), path("out")},
        {QStringLiteral("transmogrify"), path("good.df2"), path("out.df2")},
    };
    for (const QStringList& arguments : usages) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.exitCode, ExitUsage) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(outcome.err.empty());
        EXPECT_TRUE(outcome.out.empty());
    }
    for (const char* name : {"out.json", "out.df1", "out.df2", "out.bmp", "out"})
        EXPECT_FALSE(QFile::exists(path(name))) << name;
}

TEST(CommandLine, HelpAndVersionExitZero) {
    const Outcome help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, ExitSuccess);
    EXPECT_NE(help.out.find("kirabellum convert IN OUT"), std::string::npos);
    EXPECT_NE(help.out.find(".json"), std::string::npos);
    EXPECT_TRUE(help.err.empty());

    const Outcome version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, ExitSuccess);
    EXPECT_EQ(version.out, "Kirabellum v1.22\n");
}

// The real program: arguments, exit code and streams as a shell sees them.
common::test::ProgramResult runProgram(const QStringList& arguments) {
    return common::test::runProgramWithoutDisplay(QStringLiteral(KIRABELLUM_EXECUTABLE), arguments);
}

TEST_F(ConvertCommand, TheProgramRunsItsCommandsWithoutADisplay) {
    const QByteArray original = designFileBytes(randomDesign(77));
    writeContents(path("a.df2"), original);
    writeContents(path("new.json"), jsonBytes(newDesign()));
    writeContents(path("bad.json"), "{ \"FrameSize\": 160 }");
    const QString convert = QStringLiteral("convert");
    const common::test::ExpectedRun cases[] = {
        {{convert, path("a.df2"), path("a.json")}, 0, "", ""},
        {{convert, path("a.json"), path("b.df2")}, 0, "", ""},
        {{QStringLiteral("render"), path("new.json"), QStringLiteral("-o"), path("strip.png")},
         0,
         "Wrote 10 frames of 160 x 160 pixels",
         ""},
        {{QStringLiteral("--help")}, 0, "kirabellum COMMAND --help", ""},
        {{QStringLiteral("render"), QStringLiteral("--help")}, 0, "kirabellum render DESIGN", ""},
        {{QStringLiteral("--version")}, 0, "Kirabellum v1.22\n", ""},
        {{convert, path("bad.json"), path("out.df2")}, 1, "", "\"AfterimageOn\" is missing"},
        {{convert, path("bad.json")}, 2, "", "expected IN and OUT"},
    };
    for (const auto& c : cases) {
        common::test::expectRun(c, runProgram(c.arguments));
    }
    EXPECT_EQ(contentsOf(path("b.df2")), original);
    EXPECT_EQ(QImage(path("strip.png")).size(), QSize(640, 480));
    EXPECT_FALSE(QFile::exists(path("out.df2")));
}

} // namespace
} // namespace kirabellum
