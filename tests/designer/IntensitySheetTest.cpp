// Intensity sheets: ramp indices on the colour sheet's grid, and the ramp image
// that colours them back into the colour sheet.
#include "core/render/IntensitySheet.h"
#include "cli/CommandLine.h"
#include "common/AtomicFile.h"
#include "common/Colour.h"
#include "common/WorkerPool.h"
#include "common/sheets/SheetImage.h"
#include "core/document/DesignJson.h"
#include "core/render/RecordingRerun.h"
#include "core/render/RenderRun.h"

#include "CommandRun.h"
#include "RenderDesigns.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace kirabellum {
namespace {

using common::test::CommandResult;

// What an engine shows of `indices` (grey, or R, G, B for the ramp image's
// rows): each channel's index looked up in its row, the rows' colours added
// channel by channel and held to 255; a single row's colour as it is, alpha too.
QImage lookedUp(const QImage& indices, const QImage& ramp) {
    QImage colours(indices.size(), ramp.format());
    for (int y = 0; y < indices.height(); ++y)
        for (int x = 0; x < indices.width(); ++x) {
            const QRgb pixel = indices.pixel(x, y);
            const int index[] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
            QRgb colour = ramp.pixel(index[0], 0);
            for (int row = 1; row < ramp.height(); ++row) {
                const QRgb added = ramp.pixel(index[row], row);
                colour = qRgb(std::min(qRed(colour) + qRed(added), 255),
                              std::min(qGreen(colour) + qGreen(added), 255),
                              std::min(qBlue(colour) + qBlue(added), 255));
            }
            colours.setPixel(x, y, colour);
        }
    return colours;
}

// A random design with effects whose used layers have at most two ramps of
// their own, so that its canvases fit the three channels.
DesignDocument randomDesignWithLayerRamps(std::uint32_t seed) {
    DesignDocument design = randomEffectsDesign(seed);
    int ramps = 0;
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        LayerSettings& settings = design.layer(layer);
        if (settings.Ramp.empty() || settings.LayerUse == 0)
            continue;
        if (++ramps > 2)
            settings.LayerUse = 0;
    }
    return design;
}

// A small design whose first `ownRamps` layers burst with ramps of their own.
DesignDocument designWithOwnRamps(int ownRamps) {
    DesignDocument design = emptyDesign(32, 16);
    const std::vector<common::Colour> ramp(design.ColorRamp.begin(),
                                           design.ColorRamp.begin() + design.RampLength);
    for (int layer = 1; layer <= ownRamps + 1; ++layer) {
        discSpark(design, layer, 5.0);
        design.layer(layer).LayerUse = 1;
        if (layer <= ownRamps)
            design.layer(layer).Ramp = ramp;
    }
    return design;
}

TEST(IntensitySheet, BothEnginesRecordTheRampIndicesThatColourTheirStrip) {
    int withLayerRamps = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        DesignDocument design = randomDesignWithLayerRamps(seed);
        design.RenderCancel = 1;
        RenderMode mode;
        mode.seed = seed;
        mode.recordIntensity = true;
        QImage indices[2];
        int kind = 0;
        for (const EngineKind engine : {EngineKind::Fast, EngineKind::Reference}) {
            RandomSource random;
            RenderRun run(random, engine, 2);
            ASSERT_TRUE(run.PrepareRender(design, mode).ok());
            run.RunFrames(design);
            // The strip's own grid: the sheet is the strip.
            const StripLayout& strip = run.layout();
            common::SheetGrid grid;
            ASSERT_TRUE(common::SheetGrid::layOut(
                            {strip.FrameCount, strip.FrameSize, strip.Columns}, {}, grid)
                            .ok());
            common::SheetCompanions files{{}, {}, {}};
            files.description.atlas = common::SheetAtlas::onGrid(grid);
            ASSERT_TRUE(addIntensitySheet({&run}, common::AlphaMode::Additive,
                                          QStringLiteral("s.png"), files)
                            .ok());
            ASSERT_EQ(files.images.size(), 1u);
            ASSERT_EQ(lookedUp(files.sheet, files.images.front().image), run.strip());
            indices[kind++] = run.intensityStrip();
            withLayerRamps += files.description.intensityRamp->channels > 1 ? 1 : 0;
        }
        EXPECT_EQ(indices[0], indices[1]);
    }
    EXPECT_GT(withLayerRamps, 0);
}

// The export window's files: the design rendered again for the ramp indices of
// the strip it shows.
TEST(IntensitySheet, TheExportColoursTheSameSheetWithItsRamp) {
    DesignDocument design = randomRenderDesign(3);
    design.RenderCancel = 1;
    common::WorkerPool workers(2);
    RandomSource random;
    RenderRun rendered(random, workers);
    ASSERT_TRUE(rendered.PrepareRender(design).ok());
    rendered.RunFrames(design);
    common::SheetOptions options;
    options.alpha = common::AlphaMode::Premultiplied;
    options.padding = 2;
    options.colour = common::SheetColour::Intensity;
    const StripLayout& strip = rendered.layout();
    common::SheetGrid grid;
    ASSERT_TRUE(
        common::SheetGrid::layOut({strip.FrameCount, strip.FrameSize, strip.Columns}, options, grid)
            .ok());
    const common::Colour background = rendered.engine().paletteColour(0);
    const QImage colours =
        common::makeSheet({rendered.strip(), strip.grid(), strip.FrameCount, background}, grid,
                          options.alpha, background);
    common::SheetCompanions files{colours, {}, {}};
    files.description.atlas = common::SheetAtlas::onGrid(grid);
    RecordingRerun rerun(workers);
    ASSERT_TRUE(rerun
                    .addCompanions(design, rendered, rendered.strip(), options,
                                   QStringLiteral("out/burst.png"), files)
                    .ok());
    ASSERT_EQ(files.images.size(), 1u);
    EXPECT_EQ(files.images.front().path, QStringLiteral("out/burst_ramp.png"));
    EXPECT_EQ(files.sheet.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(lookedUp(files.sheet, files.images.front().image), colours);
}

TEST(IntensitySheet, ARenderThatRecordsNoIntensityHasNoIntensityStrip) {
    DesignDocument design = designWithOwnRamps(0);
    RandomSource random;
    RenderRun run(random);
    ASSERT_TRUE(run.PrepareRender(design).ok());
    EXPECT_TRUE(run.intensityStrip().isNull());
}

class IntensitySheetCommand : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString path(const QString& name) const { return folder.filePath(name); }
    CommandResult render(const DesignDocument& design, const QString& output,
                         const QStringList& options) const {
        EXPECT_TRUE(writeDesignJson(path(QStringLiteral("design.json")), design).ok());
        const QStringList arguments =
            QStringList{QStringLiteral("render"), path(QStringLiteral("design.json")),
                        QStringLiteral("-o"), path(output)} +
            options;
        return common::test::captureCommand([&](std::ostream& out, std::ostream& err) {
            return runCommandLine(arguments, out, err, false);
        });
    }
    // Renders the design's colour sheet and its intensity sheet with the same
    // options and checks that the ramp colours the one into the other.
    void expectRampGivesColourSheet(const DesignDocument& design, const QStringList& options,
                                    int channels) {
        SCOPED_TRACE(options.join(QLatin1Char(' ')).toStdString());
        const CommandResult colour = render(design, QStringLiteral("colour.png"), options);
        ASSERT_EQ(colour.exitCode, 0) << colour.err;
        const CommandResult intensity =
            render(design, QStringLiteral("indices.png"),
                   options + QStringList{QStringLiteral("--colour=intensity")});
        ASSERT_EQ(intensity.exitCode, 0) << intensity.err;
        const QImage sheet(path(QStringLiteral("indices.png")));
        const QImage ramp(path(QStringLiteral("indices_ramp.png")));
        EXPECT_EQ(sheet.format(), channels == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
        ASSERT_EQ(ramp.height(), channels);
        ASSERT_EQ(lookedUp(sheet, ramp), QImage(path(QStringLiteral("colour.png"))));
    }

    QTemporaryDir folder;
};

TEST_F(IntensitySheetCommand, TheRampGivesTheColourSheetBackInEveryAlphaMode) {
    const QStringList grids[] = {
        {},
        {QStringLiteral("--padding=2"), QStringLiteral("--columns=3")},
        {QStringLiteral("--power-of-two"), QStringLiteral("--padding=1"),
         QStringLiteral("--frame-step=3")},
    };
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        DesignDocument design = randomRenderDesign(seed);
        // A background other than black (black sparks then take the palette's extra entry).
        if (seed % 2 == 0 && design.ColorRamp[0] == 0)
            design.ColorRamp[0] = common::makeColour(30, 20, 60);
        for (const QString& alpha : common::alphaModeNames())
            expectRampGivesColourSheet(
                design, grids[seed % 3] + QStringList{QStringLiteral("--alpha=") + alpha}, 1);
    }
}

TEST_F(IntensitySheetCommand, LayerRampsArePackedIntoRedGreenAndBlue) {
    const QStringList grids[] = {{},
                                 {QStringLiteral("--padding=3"), QStringLiteral("--columns=5")}};
    for (int ownRamps : {1, 2}) {
        SCOPED_TRACE(std::to_string(ownRamps) + " layer ramps");
        expectRampGivesColourSheet(designWithOwnRamps(ownRamps), grids[ownRamps - 1], ownRamps + 1);
    }
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        DesignDocument design = randomDesignWithLayerRamps(seed);
        RandomSource random;
        RenderRun run(random);
        ASSERT_TRUE(run.PrepareRender(design).ok());
        expectRampGivesColourSheet(design, grids[seed % 2],
                                   run.engine().preparation().canvasCount());
    }
}

TEST_F(IntensitySheetCommand, OptionsAnIntensitySheetCannotTakeAreUsageErrors) {
    const struct {
        DesignDocument design;
        const char* output;
        QStringList options;
        const char* message;
    } rows[] = {
        {designWithOwnRamps(0), "s.bmp", {}, "--colour intensity needs a .png output, not"},
        {designWithOwnRamps(0),
         "s.png",
         {QStringLiteral("--colour=grey")},
         "--colour expects colour or intensity, not \"grey\""},
        {designWithOwnRamps(1),
         "s.png",
         {QStringLiteral("--alpha=premultiplied")},
         "--colour intensity with layers' own ramps needs --alpha additive, not premultiplied"},
        {designWithOwnRamps(3),
         "s.png",
         {},
         "--colour intensity packs at most 3 canvases into R, G and B; this design has 4"},
    };
    for (const auto& row : rows) {
        QStringList options = row.options;
        if (!options.join(QString()).contains(QStringLiteral("--colour")))
            options << QStringLiteral("--colour=intensity");
        const CommandResult result = render(row.design, QString::fromUtf8(row.output), options);
        EXPECT_EQ(result.exitCode, 2) << row.message;
        EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("design.json")});
}

TEST_F(IntensitySheetCommand, TheMetadataAndTheTerminalSayTheSheetHoldsRampIndices) {
    const CommandResult result =
        render(designWithOwnRamps(2), QStringLiteral("burst.png"),
               {QStringLiteral("--colour=intensity"), QStringLiteral("--metadata=json-hash"),
                QStringLiteral("--metadata=godot")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(
        result.out.find("The sheet holds ramp indices; burst_ramp.png (16 x 3) holds the ramp"),
        std::string::npos)
        << result.out;
    QByteArray json;
    ASSERT_TRUE(common::readWholeFile(path(QStringLiteral("burst.json")), json).ok());
    const QJsonObject meta =
        QJsonDocument::fromJson(json).object()[QStringLiteral("meta")].toObject();
    EXPECT_EQ(meta[QStringLiteral("colour")].toObject(),
              (QJsonObject{{QStringLiteral("mode"), QStringLiteral("intensity")},
                           {QStringLiteral("ramp"), QStringLiteral("burst_ramp.png")},
                           {QStringLiteral("rampLength"), 16},
                           {QStringLiteral("channels"), 3}}));
    QByteArray resource;
    ASSERT_TRUE(common::readWholeFile(path(QStringLiteral("burst.tres")), resource).ok());
    EXPECT_TRUE(resource.contains("; The texture holds ramp indices, not colours: "
                                  "\"burst_ramp.png\" colours them\n"))
        << resource.toStdString();
    EXPECT_EQ(QImage(path(QStringLiteral("burst_ramp.png"))).size(), QSize(16, 3));
}

} // namespace
} // namespace kirabellum
