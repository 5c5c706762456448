// Golden cases: each folder under tests/golden holds a design (design.df2, or
// design.json for a design with layer effects), the seed it is rendered with,
// and the strip it must give. Any change to drawing shows here. The strips are
// the reference engine's; the test draws them with the fast engine.
// After an intended change, look at the strips written to the build folder and
// copy them over the expected ones.
#include "common/ImageFile.h"
#include "core/document/DesignFormat.h"
#include "core/editing/SampleDesigns.h"
#include "core/render/RenderRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <sstream>

namespace kirabellum {
namespace {

const QString goldenFolder = QStringLiteral(KIRABELLUM_SOURCE_DIR "/tests/golden");

QStringList goldenCases() {
    return QDir(goldenFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// Reads a design in the form its file name gives.
common::Status readDesign(const QString& path, DesignDocument& design) {
    return DesignFormat::toRead(path).read(path, design);
}

// The golden case's design file: design.json where there is one, otherwise
// design.df2.
QString goldenDesign(const QDir& folder) {
    const QString json = folder.filePath(QStringLiteral("design.json"));
    return QFileInfo::exists(json) ? json : folder.filePath(QStringLiteral("design.df2"));
}

class GoldenStrip : public ::testing::TestWithParam<QString> {};

TEST_P(GoldenStrip, RendersTheExpectedStrip) {
    const QDir folder(goldenFolder + QLatin1Char('/') + GetParam());
    DesignDocument design;
    ASSERT_TRUE(readDesign(goldenDesign(folder), design).ok());
    QFile seedFile(folder.filePath(QStringLiteral("seed")));
    ASSERT_TRUE(seedFile.open(QIODevice::ReadOnly));
    bool validSeed = false;
    const std::uint64_t seed = seedFile.readAll().trimmed().toULongLong(&validSeed);
    ASSERT_TRUE(validSeed);
    const QImage expected(folder.filePath(QStringLiteral("expected.png")));
    ASSERT_FALSE(expected.isNull());

    design.RenderCancel = 1;
    RandomSource random(seed);
    RenderRun run(random);
    ASSERT_TRUE(run.PrepareRender(design).ok());
    run.RunFrames(design);
    const QImage actual = run.strip();

    ASSERT_EQ(actual.size(), expected.size());
    int differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y) && differing++ == 0)
                first = QPoint(x, y);
    if (differing > 0) {
        const QString written =
            QDir::current().filePath(GetParam() + QStringLiteral("-actual.png"));
        const common::Status kept = common::writeImage(written, actual);
        EXPECT_TRUE(kept.ok()) << kept.message().toStdString();
        FAIL() << differing << " pixels differ, the first at (" << first.x() << ", " << first.y()
               << "); the strip drawn is in " << written.toStdString();
    }
}

// Test names allow letters, digits and underscores only.
INSTANTIATE_TEST_SUITE_P(Cases, GoldenStrip, ::testing::ValuesIn(goldenCases()),
                         [](const auto& testCase) {
                             QString name = testCase.param;
                             return name.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
                         });

TEST(SampleDesignFiles, MatchTheirGenerator) {
    for (const SampleDesign& sample : sampleDesigns()) {
        DesignDocument stored;
        ASSERT_TRUE(
            readDesign(QStringLiteral(KIRABELLUM_SOURCE_DIR "/samples/") + sample.fileName, stored)
                .ok())
            << sample.fileName.toStdString();
        EXPECT_TRUE(stored.sameDesignAs(sample.design)) << sample.fileName.toStdString();
    }
}

// Every sample is also a golden case under its own name, so that a change to
// drawing shows on every effect the samples show.
TEST(SampleDesignFiles, EachIsAGoldenCase) {
    for (const SampleDesign& sample : sampleDesigns()) {
        const QFileInfo file(sample.fileName);
        const QString name = file.completeBaseName();
        DesignDocument golden;
        ASSERT_TRUE(readDesign(goldenFolder + QLatin1Char('/') + name + QStringLiteral("/design.") +
                                   file.suffix(),
                               golden)
                        .ok())
            << name.toStdString();
        EXPECT_TRUE(golden.sameDesignAs(sample.design)) << name.toStdString();
        EXPECT_FALSE(sample.name.isEmpty());
    }
}

} // namespace
} // namespace kirabellum
