#include "cli/CommandLine.h"

#include "core/document/DesignFile.h"
#include "core/document/DesignJson.h"

#include "RandomDesign.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

namespace kirabellum {
namespace {

struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

Outcome run(const QStringList& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = runCommandLine(arguments, out, err);
    return {exitCode, out.str(), err.str()};
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

TEST_F(ConvertCommand, Version11FileBecomesVersion12WithItsImageInEverySlot) {
    DesignDocument source = newDesign();
    for (int y = 0; y < SparkEdge; ++y)
        for (int x = 0; x < SparkEdge; ++x)
            source.SparkImage[0].at(x, y) = common::makeColour(x * 8, y * 8, 99);
    source.layer(2).LayerCount = 1024;
    const QByteArray full = designFileBytes(source);
    const QByteArray version11 = full.left(DesignSparkOffset + DesignSparkImageBytes) +
                                 full.mid(DesignSparkOffset + LayerTotal * DesignSparkImageBytes);
    writeContents(path("old.df1"), version11);

    ASSERT_EQ(run({QStringLiteral("convert"), path("old.df1"), path("new.df2")}).exitCode,
              ExitSuccess);
    DesignDocument expected = source;
    for (SparkBitmap& image : expected.SparkImage)
        image = source.SparkImage[0];
    EXPECT_EQ(contentsOf(path("new.df2")), designFileBytes(expected));

    ASSERT_EQ(run({QStringLiteral("convert"), path("old.df1"), path("new.json")}).exitCode,
              ExitSuccess);
    DesignDocument fromJson;
    ASSERT_TRUE(readDesignJson(path("new.json"), fromJson).ok());
    EXPECT_EQ(designFileBytes(fromJson), designFileBytes(expected));
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
struct ProcessOutcome {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

ProcessOutcome runProgram(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(KIRABELLUM_EXECUTABLE), arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << process.errorString().toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST_F(ConvertCommand, TheProgramConvertsToJsonAndBack) {
    const QByteArray original = designFileBytes(randomDesign(77));
    writeContents(path("a.df2"), original);
    const ProcessOutcome toJson =
        runProgram({QStringLiteral("convert"), path("a.df2"), path("a.json")});
    EXPECT_EQ(toJson.exitCode, 0) << toJson.err.toStdString();
    const ProcessOutcome back =
        runProgram({QStringLiteral("convert"), path("a.json"), path("b.df2")});
    EXPECT_EQ(back.exitCode, 0) << back.err.toStdString();
    EXPECT_EQ(contentsOf(path("b.df2")), original);
    EXPECT_TRUE(toJson.out.isEmpty() && back.out.isEmpty());

    EXPECT_EQ(runProgram({QStringLiteral("--version")}).out, "Kirabellum v1.22\n");
}

TEST_F(ConvertCommand, TheProgramReportsFailuresOnStandardError) {
    writeContents(path("bad.json"), "{ \"FrameSize\": 160 }");
    const ProcessOutcome failed =
        runProgram({QStringLiteral("convert"), path("bad.json"), path("out.df2")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains("bad.json"));
    EXPECT_TRUE(failed.err.contains("\"AfterimageOn\" is missing"));
    EXPECT_FALSE(QFile::exists(path("out.df2")));

    EXPECT_EQ(runProgram({QStringLiteral("convert"), path("bad.json")}).exitCode, 2);
}

} // namespace
} // namespace kirabellum
