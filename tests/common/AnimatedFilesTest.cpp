// The animated files as tools of their own read them: webpmux and dwebp for
// WebP, apngdis for APNG, gifsicle and Qt's GIF reader for GIF.
#include "AnimationDecoding.h"
#include "common/animation/ApngWriter.h"
#include "common/animation/GifWriter.h"
#include "common/animation/WebPWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace common {
namespace {

// Three frames of a spark moving over a transparent ground, with glow at
// every alpha between, at 7.5 frames a second.
Animation movingSpark() {
    Animation animation;
    animation.framesPerSecond = 7.5;
    for (int frame = 0; frame < 3; ++frame) {
        QImage picture(24, 16, QImage::Format_ARGB32);
        picture.fill(qRgba(0, 0, 0, 0));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 24; ++x) {
                const int distance = std::abs(x - 6 - 5 * frame) + std::abs(y - 8);
                if (distance < 6)
                    picture.setPixel(x, y,
                                     qRgba(255 - 20 * distance, 120 + frame * 40, 30 * distance,
                                           255 - 40 * distance));
            }
        animation.frames.push_back(picture);
    }
    return animation;
}

template <typename Writer>
QString written(const QTemporaryDir& folder, const char* name, Writer write) {
    const QString path = folder.filePath(QString::fromUtf8(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    const Status status = write(file);
    EXPECT_TRUE(status.ok()) << status.message().toStdString();
    return path;
}

TEST(AnimatedFiles, LosslessWebPGivesEveryFrameBackWithItsTime) {
    QTemporaryDir folder;
    const Animation animation = movingSpark();
    const QString path = written(folder, "spark.webp",
                                 [&](QIODevice& device) { return writeWebP(device, animation); });
    const test::DecodedWebP decoded = test::decodeWebP(path, folder.path());
    EXPECT_TRUE(decoded.info.contains(QStringLiteral("Loop Count : 0")))
        << decoded.info.toStdString();
    ASSERT_EQ(decoded.frames.size(), 3U);
    for (int frame = 0; frame < 3; ++frame)
        test::expectSamePixels(decoded.frames[static_cast<std::size_t>(frame)],
                               animation.frames[static_cast<std::size_t>(frame)], frame);
    EXPECT_EQ(decoded.milliseconds, 400); // three frames at 7.5 a second
}
TEST(AnimatedFiles, ApngGivesEveryFrameBackAndPlaysAsOften) {
    QTemporaryDir folder;
    Animation animation = movingSpark();
    animation.plays = 2;
    const QString path = written(folder, "spark.png",
                                 [&](QIODevice& device) { return writeApng(device, animation); });
    // A viewer without APNG shows the first frame.
    test::expectSamePixels(QImage(path).convertToFormat(QImage::Format_ARGB32), animation.frames[0],
                           0);
    const QStringList parts = test::apngParts(path, folder.path());
    ASSERT_EQ(parts.size(), 3) << parts.join(QLatin1Char(' ')).toStdString();
    for (int frame = 0; frame < 3; ++frame) {
        test::expectSamePixels(QImage(parts[frame]).convertToFormat(QImage::Format_ARGB32),
                               animation.frames[static_cast<std::size_t>(frame)], frame);
        // apngdis writes each delay beside its frame: 2/15 of a second.
        QFile delay(QString(parts[frame]).replace(QStringLiteral(".png"), QStringLiteral(".txt")));
        ASSERT_TRUE(delay.open(QIODevice::ReadOnly));
        EXPECT_EQ(delay.readAll().trimmed(), QByteArray("delay=2/15"));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const int control = static_cast<int>(bytes.indexOf("acTL"));
    ASSERT_GT(control, 0);
    EXPECT_EQ(bytes.mid(control + 4, 8), QByteArray::fromHex("0000000300000002"));
}

TEST(AnimatedFiles, GifKeepsTheFramesWithinItsPaletteAndMakesTransparentOnlyTheEmpty) {
    QTemporaryDir folder;
    const Animation animation = movingSpark();
    for (const bool dither : {false, true}) {
        const QString path =
            written(folder, dither ? "dithered.gif" : "plain.gif",
                    [&](QIODevice& device) { return writeGif(device, animation, dither); });
        const QString info =
            test::runTool(QStringLiteral("gifsicle"), {QStringLiteral("--info"), path});
        EXPECT_TRUE(info.contains(QStringLiteral("3 images"))) << info.toStdString();
        EXPECT_TRUE(info.contains(QStringLiteral("loop forever"))) << info.toStdString();
        // 7.5 a second in hundredths: 13, 14, 13.
        EXPECT_EQ(info.count(QStringLiteral("delay 0.13s")), 2) << info.toStdString();
        EXPECT_EQ(info.count(QStringLiteral("delay 0.14s")), 1) << info.toStdString();
        const std::vector<QImage> frames = test::gifFrames(path);
        ASSERT_EQ(frames.size(), 3U);
        for (int frame = 0; frame < 3; ++frame) {
            const QImage& decoded = frames[static_cast<std::size_t>(frame)];
            const QImage& expected = animation.frames[static_cast<std::size_t>(frame)];
            ASSERT_EQ(decoded.size(), expected.size());
            long long error = 0;
            for (int y = 0; y < expected.height(); ++y)
                for (int x = 0; x < expected.width(); ++x) {
                    const QRgb want = expected.pixel(x, y);
                    const QRgb got = decoded.pixel(x, y);
                    ASSERT_EQ(qAlpha(got), qAlpha(want) == 0 ? 0 : 255) << x << ", " << y;
                    if (qAlpha(want) > 0)
                        error += std::abs(qRed(got) - qRed(want)) +
                                 std::abs(qGreen(got) - qGreen(want)) +
                                 std::abs(qBlue(got) - qBlue(want));
                }
            // The frames hold fewer than 256 colours: the palette keeps them nearly.
            EXPECT_LT(error, 2 * 3 * expected.width() * expected.height()) << frame;
        }
    }
}

} // namespace
} // namespace common
