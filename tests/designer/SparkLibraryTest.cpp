#include "core/editing/SparkLibrary.h"
#include "core/editing/LayerRamps.h"
#include "core/editing/RampLibrary.h"
#include "core/render/RenderRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace kirabellum {
namespace {

int brightness(common::Colour colour) {
    return common::colourRed(colour) + common::colourGreen(colour) + common::colourBlue(colour);
}

TEST(RampLibraryTest, EveryRampRisesFromBlackThroughDistinctColours) {
    for (std::size_t index = 0; index < builtInRamps().size(); ++index) {
        SCOPED_TRACE(builtInRamps()[index].name.toStdString());
        DesignDocument design;
        NewDesign(design);
        applyBuiltInRamp(design, index);
        ASSERT_EQ(design.RampLength, BuiltInRampLength);
        EXPECT_EQ(design.ColorRamp[0], 0u);
        const auto* begin = design.ColorRamp.begin();
        EXPECT_EQ(std::set<common::Colour>(begin, begin + BuiltInRampLength).size(),
                  static_cast<std::size_t>(BuiltInRampLength));
        EXPECT_GT(brightness(design.ColorRamp[BuiltInRampLength - 1]), 3 * 220);
        EXPECT_LT(brightness(design.ColorRamp[1]), 3 * 40);
    }
}

// Every built-in spark, painted in every built-in ramp, renders without a
// message and draws something.
TEST(SparkLibraryTest, EverySparkRendersInEveryRamp) {
    for (std::size_t ramp = 0; ramp < builtInRamps().size(); ++ramp) {
        for (std::size_t spark = 0; spark < builtInSparks().size(); ++spark) {
            SCOPED_TRACE(builtInRamps()[ramp].name.toStdString() + " " +
                         builtInSparks()[spark].name.toStdString());
            DesignDocument design;
            NewDesign(design);
            design.FrameSize = 48;
            design.FrameCount = 2;
            design.WidthLimit = 320;
            design.AddRate = 0.5f;
            design.RenderCancel = 1;
            applyBuiltInRamp(design, ramp);
            LayerSettings& layer = design.layer(1);
            layer.LayerUse = 1;
            layer.LayerCount = 8;
            applyBuiltInSpark(design, 0, spark);

            RandomSource random(1);
            RenderRun run(random);
            const common::Status prepared = run.PrepareRender(design);
            ASSERT_TRUE(prepared.ok()) << prepared.message().toStdString();
            run.RunFrames(design);
            const QImage strip = run.strip();
            bool drawn = false;
            for (int y = 0; y < strip.height() && !drawn; ++y)
                for (int x = 0; x < strip.width() && !drawn; ++x)
                    drawn = (strip.pixel(x, y) & 0xFFFFFFu) != 0;
            EXPECT_TRUE(drawn);
        }
    }
}

// A spark drawn in one ramp keeps its places in the next, so it still renders;
// one holding a foreign colour is left alone.
TEST(RampLibraryTest, ANewRampCarriesTheSparksOver) {
    DesignDocument design;
    NewDesign(design);
    fillRamp(design, 20, {common::makeColour(255, 0, 0)});
    paintGlowSpark(design, 0, 6.0, 19, 1.0);
    design.SparkImage[1].at(3, 3) = common::makeColour(1, 2, 3);
    const DesignDocument before = design;
    applyBuiltInRamp(design, 4);

    const auto* begin = before.ColorRamp.begin();
    for (std::size_t pixel = 0; pixel < before.SparkImage[0].pixels.size(); ++pixel) {
        const auto place = std::find(begin, begin + 20, before.SparkImage[0].pixels[pixel]) - begin;
        ASSERT_LT(place, 20);
        const auto carried =
            static_cast<std::size_t>(std::lround(static_cast<double>(place) * 63.0 / 19.0));
        ASSERT_EQ(design.SparkImage[0].pixels[pixel], design.ColorRamp[carried]) << pixel;
    }
    EXPECT_EQ(design.SparkImage[1].pixels, before.SparkImage[1].pixels);
}

TEST(SparkLibraryTest, ASparkPeaksAtTheRampsLastEntryAndFadesToItsFirst) {
    DesignDocument design;
    NewDesign(design);
    applyBuiltInRamp(design, 2);
    applyBuiltInSpark(design, 4, 0);
    const SparkBitmap& image = design.SparkImage[4];
    EXPECT_EQ(image.at(15, 15), design.ColorRamp[BuiltInRampLength - 1]);
    EXPECT_EQ(image.at(0, 0), design.ColorRamp[0]);
    EXPECT_EQ(design.SparkImage[3].at(15, 15), 0u); // other layers keep theirs
}

TEST(SparkLibraryTest, ADesignWithoutARampIsGivenTheFirstBuiltInOne) {
    DesignDocument design;
    NewDesign(design); // 16 black entries
    applyBuiltInSpark(design, 0, 0);
    DesignDocument gold;
    NewDesign(gold);
    applyBuiltInRamp(gold, 0);
    EXPECT_EQ(design.RampLength, gold.RampLength);
    EXPECT_EQ(design.ColorRamp, gold.ColorRamp);
    EXPECT_NE(design.SparkImage[0].at(15, 15), 0u);
}

// Whether every pixel of the spark is a colour of the ramp.
bool paintedIn(const SparkBitmap& spark, const std::vector<common::Colour>& ramp) {
    return std::all_of(spark.pixels.begin(), spark.pixels.end(), [&ramp](common::Colour colour) {
        return std::find(ramp.begin(), ramp.end(), colour) != ramp.end();
    });
}

// A spark always holds colours of the ramp its layer is coloured through, as
// that ramp changes: its layer's own, the design's, and back.
TEST(LayerRampsTest, EachRampChangeCarriesTheSparksOfTheLayersThatUseIt) {
    DesignDocument design;
    NewDesign(design);
    applyBuiltInRamp(design, 0);
    applyBuiltInSpark(design, 0, 0);
    applyBuiltInSpark(design, 1, 0);
    const SparkBitmap painted = design.SparkImage[0];

    giveLayerOwnRamp(design, 1); // a copy of a ramp that starts black: nothing moves
    EXPECT_EQ(design.layer(1).Ramp, designRamp(design));
    EXPECT_EQ(design.SparkImage[0].pixels, painted.pixels);

    applyBuiltInLayerRamp(design, 1, 2);
    EXPECT_TRUE(paintedIn(design.SparkImage[0], design.layer(1).Ramp));
    EXPECT_EQ(design.SparkImage[1].pixels, painted.pixels);

    applyBuiltInRamp(design, 4); // the design's ramp leaves layer 1's spark alone
    EXPECT_TRUE(paintedIn(design.SparkImage[0], design.layer(1).Ramp));
    EXPECT_TRUE(paintedIn(design.SparkImage[1], designRamp(design)));

    returnLayerToDesignRamp(design, 1);
    EXPECT_TRUE(design.layer(1).Ramp.empty());
    EXPECT_EQ(design.SparkImage[0].pixels, design.SparkImage[1].pixels);
}

TEST(LayerRampsTest, AnOwnRampStartsBlackEvenWhenTheDesignsDoesNot) {
    const struct {
        std::vector<common::Colour> designRamp;
        std::vector<common::Colour> own;
    } cases[] = {
        {{0x00112233, 0x00FFFFFF}, {0, 0x00FFFFFF}},
        {{}, {0}},
    };
    for (const auto& each : cases) {
        DesignDocument design;
        NewDesign(design);
        design.RampLength = static_cast<std::int16_t>(each.designRamp.size());
        std::copy(each.designRamp.begin(), each.designRamp.end(), design.ColorRamp.begin());
        giveLayerOwnRamp(design, 3);
        EXPECT_EQ(design.layer(3).Ramp, each.own);
    }
}

} // namespace
} // namespace kirabellum
