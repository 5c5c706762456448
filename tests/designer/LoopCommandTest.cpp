// kirabellum render's loop mode and seeds, and the design's render settings.
#include "cli/CommandLine.h"
#include "core/document/DesignFile.h"
#include "core/document/DesignJson.h"
#include "core/editing/SampleDesigns.h"

#include "CommandRun.h"
#include "RenderDesigns.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kirabellum {
namespace {

using common::test::CommandResult;

class LoopCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        design = sampleDesigns().front().design;
        design.FrameSize = 48; // ten frames to a row
        design.FrameCount = 5;
        designPath = write("burst.df2", design);
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QString write(const char* name, const DesignDocument& document) const {
        const QString file = path(name);
        const common::Status status = QString::fromUtf8(name).endsWith(QStringLiteral(".json"))
                                          ? writeDesignJson(file, document)
                                          : WriteDesignFile(file, document);
        EXPECT_TRUE(status.ok()) << status.message().toStdString();
        return file;
    }
    // Renders with the options into "strip.png" and reads it back.
    QImage render(const QString& designFile, const QStringList& options) {
        QFile::remove(path("strip.png"));
        const CommandResult result = run(QStringList{QStringLiteral("render"), designFile,
                                                     QStringLiteral("-o"), path("strip.png")} +
                                         options);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return QImage(path("strip.png"));
    }
    static CommandResult run(const QStringList& arguments) {
        return common::test::captureCommandLine(runCommandLine, arguments);
    }

    QTemporaryDir folder;
    DesignDocument design;
    QString designPath;
};

TEST_F(LoopCommandTest, TwoCyclesAreTwoEqualPeriodsAndTheFirstIsTheLoop) {
    const QImage two = render(
        designPath, {QStringLiteral("--loop"), QStringLiteral("--cycles"), QStringLiteral("2")});
    ASSERT_EQ(two.size(), QSize(480, 48));
    const QImage one = render(designPath, {QStringLiteral("--loop")});
    EXPECT_EQ(two.copy(0, 0, 240, 48), two.copy(240, 0, 240, 48));
    EXPECT_EQ(one, two.copy(0, 0, 240, 48));
    EXPECT_NE(one, render(designPath, {}));
}

// The design's own loop mode and fixed seed apply unless the options say
// otherwise: --loop turns loop mode on, --seed replaces the fixed seed.
TEST_F(LoopCommandTest, TheDesignsRenderSettingsApplyAndOptionsOverrideThem) {
    DesignDocument fixed = design;
    fixed.Render = {true, 77u};
    const QString json = write("fixed.json", fixed);
    DesignDocument unfixed = design;
    unfixed.Render = {false, std::nullopt};
    const QString plain = write("plain.json", unfixed);
    const QString loop = QStringLiteral("--loop");
    const QString seed = QStringLiteral("--seed");
    const struct {
        const char* label;
        QString design;
        QStringList options;
        QStringList sameAs; // on the plain design
    } cases[] = {
        {"fixed", json, {}, {loop, seed, QStringLiteral("77")}},
        {"seed given", json, {seed, QStringLiteral("5")}, {loop, seed, QStringLiteral("5")}},
        {"neither", plain, {}, {seed, QStringLiteral("0")}},
        {"binary file", designPath, {seed, QStringLiteral("77")}, {seed, QStringLiteral("77")}},
    };
    for (const auto& c : cases) {
        const QImage strip = render(c.design, c.options);
        EXPECT_EQ(strip, render(plain, c.sameAs)) << c.label;
    }
}

TEST_F(LoopCommandTest, BadLoopOptionsAreUsageErrors) {
    DesignDocument tall = design;
    tall.FrameSize = 512;
    tall.FrameCount = 128;
    tall.WidthLimit = 1600; // 43 rows of 512 pixels, 21 more for each period
    const QString tallPath = write("tall.df2", tall);
    const QString out = path("x.png");
    const QString render = QStringLiteral("render");
    const QString loop = QStringLiteral("--loop");
    const QString cycles = QStringLiteral("--cycles");
    const common::test::ExpectedRun cases[] = {
        {{render, designPath, QStringLiteral("-o"), out, loop, cycles, QStringLiteral("0")},
         2,
         "",
         "--cycles must be from 1 to"},
        {{render, designPath, QStringLiteral("-o"), out, loop, QStringLiteral("--cycles=two")},
         2,
         "",
         "--cycles expects a whole number, not \"two\""},
        {{render, designPath, QStringLiteral("-o"), out, cycles, QStringLiteral("2")},
         2,
         "",
         "--cycles needs --loop"},
        {{render, tallPath, QStringLiteral("-o"), out, loop, cycles, QStringLiteral("2")},
         2,
         "",
         "--cycles 2 makes a strip of 256 frames, taller than 32767 pixels; --cycles may be at "
         "most 1 for this design"},
        {{render, designPath, QStringLiteral("-o"), out, loop, QStringLiteral("--seed"),
          QStringLiteral("18446744073709551616")},
         2,
         "",
         "the seed \"18446744073709551616\" is not a whole number"},
        {{render, QStringLiteral("--help")}, 0, "--cycles K", ""},
    };
    for (const auto& c : cases) {
        common::test::expectRun(c, run(c.arguments));
        EXPECT_FALSE(QFile::exists(out));
    }
}

TEST_F(LoopCommandTest, ALoopThatDoesNotSettleIsWrittenWithAWarning) {
    const QString restless = write("restless.df2", restlessDesign());
    const struct {
        QString design;
        bool warned;
    } cases[] = {{restless, true}, {designPath, false}};
    for (const auto& c : cases) {
        const CommandResult result = run({QStringLiteral("render"), c.design, QStringLiteral("-o"),
                                          path("loop.png"), QStringLiteral("--loop")});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err.find("warning: the loop did not settle within 4096 frames") !=
                      std::string::npos,
                  c.warned)
            << result.err;
        EXPECT_EQ(result.err.find("it may show a seam") != std::string::npos, c.warned);
        EXPECT_TRUE(QFile::exists(path("loop.png")));
    }
}

} // namespace
} // namespace kirabellum
