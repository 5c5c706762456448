// The export window's atlas: a change of its options renders the designs
// again only when it changes what is rendered, and gives the files a fresh
// render gives.
#include "core/render/AtlasExport.h"
#include "common/WorkerPool.h"
#include "core/editing/SampleDesigns.h"
#include "core/render/RandomSource.h"
#include "core/render/RenderRun.h"

#include <gtest/gtest.h>

namespace kirabellum {
namespace {

common::SheetOptions withVariants(int variants, bool crop, bool trim, int padding) {
    common::SheetOptions options;
    options.variants = variants;
    options.crop = crop;
    options.trim = trim;
    options.padding = padding;
    options.metadata = {common::MetadataFormat::JsonHash};
    return options;
}

// The first sample of `frames` frames, as the windows rendered it.
class AtlasExportTest : public ::testing::Test {
protected:
    void render(int frames) {
        design = sampleDesigns().front().design;
        design.FrameCount = static_cast<std::int16_t>(frames);
        ASSERT_TRUE(rendered.PrepareRender(design).ok());
    }
    AtlasExport exportOf() {
        return AtlasExport(workers, design, QStringLiteral("burst"), rendered,
                           QStringLiteral("Kirabellum"), QStringLiteral("1"));
    }

    DesignDocument design;
    common::WorkerPool workers{2};
    RandomSource random;
    RenderRun rendered{random, workers};
};

TEST_F(AtlasExportTest, OnlyAChangeOfWhatIsRenderedRendersAgain) {
    render(6);
    AtlasExport kept = exportOf();
    const struct {
        common::SheetOptions options;
        int renders;
    } steps[] = {
        {withVariants(2, true, false, 0), 1},
        {withVariants(2, false, true, 2), 1},
        {withVariants(2, false, false, 1), 1},
        {withVariants(3, true, false, 0), 2},
    };
    for (const auto& step : steps) {
        common::SheetCompanions files;
        ASSERT_TRUE(kept.sheetFiles({}, step.options, QStringLiteral("out.png"), files).ok());
        EXPECT_EQ(kept.renderCount(), step.renders);
        AtlasExport fresh = exportOf();
        common::SheetCompanions freshFiles;
        ASSERT_TRUE(fresh.sheetFiles({}, step.options, QStringLiteral("out.png"), freshFiles).ok());
        EXPECT_TRUE(files.sheet == freshFiles.sheet) << step.renders;
        EXPECT_EQ(files.description.atlas.frameCount(), freshFiles.description.atlas.frameCount());
    }
}

TEST_F(AtlasExportTest, AStoppedRenderKeepsNothingAndTheNextCallRendersAgain) {
    render(5);
    AtlasExport kept = exportOf();
    const common::SheetOptions options = withVariants(3, true, false, 0);
    std::vector<int> reported;
    const auto stopAtTwo = [&reported](int framesDone, int frameTotal) {
        EXPECT_EQ(frameTotal, 15);
        reported.push_back(framesDone);
        return framesDone < 2;
    };
    common::SheetCompanions stopped;
    EXPECT_FALSE(kept.sheetFiles({}, options, QStringLiteral("out.png"), stopped, stopAtTwo).ok());
    EXPECT_EQ(reported, (std::vector<int>{1, 2}));
    EXPECT_EQ(kept.renderCount(), 0);

    int last = 0;
    common::SheetCompanions files;
    ASSERT_TRUE(kept.sheetFiles({}, options, QStringLiteral("out.png"), files,
                                [&last](int framesDone, int) {
                                    EXPECT_EQ(framesDone, last + 1);
                                    last = framesDone;
                                    return true;
                                })
                    .ok());
    EXPECT_EQ(last, 15);
    EXPECT_EQ(kept.renderCount(), 1);
    AtlasExport fresh = exportOf();
    common::SheetCompanions freshFiles;
    ASSERT_TRUE(fresh.sheetFiles({}, options, QStringLiteral("out.png"), freshFiles).ok());
    EXPECT_TRUE(files.sheet == freshFiles.sheet);
}

} // namespace
} // namespace kirabellum
