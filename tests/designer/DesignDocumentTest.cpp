#include "core/document/DesignDocument.h"

#include <gtest/gtest.h>

namespace kirabellum {
namespace {

TEST(DesignDocument, ProcessStartIsAllZero) {
    const DesignDocument document;
    EXPECT_EQ(document.RampLength, 0);
    EXPECT_EQ(document.FrameSize, 0);
    EXPECT_EQ(document.layer(1).LayerCount, 0);
    EXPECT_EQ(document.SparkImage[7].at(31, 31), 0u);
}

TEST(DesignDocument, ApplyDefaultsSetsEveryLayerAndForce) {
    DesignDocument document;
    document.RampLength = 5;
    document.ColorRamp[2] = 0x123456;
    document.SparkImage[3].at(4, 5) = 0xFF;
    document.RenderCancel = 1;
    ApplyDefaults(document);

    EXPECT_EQ(document.AfterimageOn, 0);
    EXPECT_EQ(document.Afterimage, 20);
    EXPECT_EQ(document.FrameSize, 160);
    EXPECT_EQ(document.FrameCount, 10);
    EXPECT_EQ(document.RefreshRate, 4);
    EXPECT_EQ(document.AddRate, 1.0f);
    EXPECT_EQ(document.WidthLimit, 640);
    for (int number = 1; number <= LayerTotal; ++number) {
        const LayerSettings& layer = document.layer(number);
        EXPECT_EQ(layer.LayerUse, 0);
        EXPECT_EQ(layer.LayerX, 80);
        EXPECT_EQ(layer.LayerY, 80);
        EXPECT_EQ(layer.LayerCount, 512);
        EXPECT_EQ(layer.LayerRadius, 24);
        EXPECT_EQ(layer.LayerMinSpeed, 0);
        EXPECT_EQ(layer.LayerLife, 35);
        EXPECT_EQ(layer.LayerDecel, 80);
        for (std::int16_t speed : layer.LayerShape)
            EXPECT_EQ(speed, 32);
        EXPECT_EQ(layer.LayerBurstMode, 0);
        EXPECT_EQ(layer.LayerBurstFrom, 0);
        EXPECT_EQ(layer.LayerBurstTo, 0);
        EXPECT_EQ(layer.LayerBurstStep, 1);
    }
    for (const GravityForce& force : document.Gravity) {
        EXPECT_EQ(force.Use, 0);
        EXPECT_EQ(force.Angle, 0.0f);
        EXPECT_EQ(force.Power, 4.0f);
    }
    // Neither the spark images, the ramp nor the run flag belong to the defaults.
    EXPECT_EQ(document.RampLength, 5);
    EXPECT_EQ(document.ColorRamp[2], 0x123456u);
    EXPECT_EQ(document.SparkImage[3].at(4, 5), 0xFFu);
    EXPECT_EQ(document.RenderCancel, 1);
}

TEST(DesignDocument, NewClearsSparksAndGivesSixteenBlackRampEntries) {
    DesignDocument document;
    document.RampLength = 200;
    for (int index = 0; index < 200; ++index)
        document.ColorRamp[static_cast<std::size_t>(index)] = common::makeColour(index, 1, 2);
    for (SparkBitmap& image : document.SparkImage)
        image.pixels.fill(0xABCDEF);
    document.layer(4).LayerUse = 1;
    document.RenderCancel = 1;

    NewDesign(document);

    EXPECT_EQ(document.RampLength, 16);
    for (int index = 0; index < 16; ++index)
        EXPECT_EQ(document.ColorRamp[static_cast<std::size_t>(index)], 0u);
    // Entries past the new length keep their values but lie outside the ramp.
    EXPECT_EQ(document.ColorRamp[16], common::makeColour(16, 1, 2));
    EXPECT_EQ(document.ColorRamp[199], common::makeColour(199, 1, 2));
    for (const SparkBitmap& image : document.SparkImage)
        for (common::Colour pixel : image.pixels)
            ASSERT_EQ(pixel, 0u);
    EXPECT_EQ(document.layer(4).LayerUse, 0);
    EXPECT_EQ(document.RenderCancel, 1);
}

} // namespace
} // namespace kirabellum
