// The animated files as tools of their own read them: webpmux and dwebp for
// WebP, apngdis for APNG, gifsicle and Qt's GIF reader for GIF.
#include "common/animation/ApngWriter.h"
#include "common/animation/GifWriter.h"
#include "common/animation/WebPWriter.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
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

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The same pixels: alpha everywhere, colour wherever something shows.
void expectSamePixels(const QImage& decoded, const QImage& expected, int frame) {
    ASSERT_EQ(decoded.size(), expected.size()) << frame;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb got = decoded.pixel(x, y);
            const QRgb want = expected.pixel(x, y);
            ASSERT_EQ(qAlpha(got), qAlpha(want)) << "frame " << frame << " at " << x << ", " << y;
            if (qAlpha(want) > 0) {
                ASSERT_EQ(got, want) << "frame " << frame << " at " << x << ", " << y;
            }
        }
}

// A PAM of RGBA samples, as dwebp writes it.
QImage readPam(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const int end = static_cast<int>(bytes.indexOf("ENDHDR\n")) + 7;
    const QString header = QString::fromLatin1(bytes.left(end));
    const int width =
        QRegularExpression(QStringLiteral("WIDTH (\\d+)")).match(header).captured(1).toInt();
    const int height =
        QRegularExpression(QStringLiteral("HEIGHT (\\d+)")).match(header).captured(1).toInt();
    QImage picture(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto* sample = reinterpret_cast<const unsigned char*>(bytes.constData()) + end +
                                 (static_cast<std::ptrdiff_t>(y) * width + x) * 4;
            picture.setPixel(x, y, qRgba(sample[0], sample[1], sample[2], sample[3]));
        }
    return picture;
}

TEST(AnimatedFiles, LosslessWebPGivesEveryFrameBackWithItsTime) {
    QTemporaryDir folder;
    const Animation animation = movingSpark();
    const QString path = written(folder, "spark.webp",
                                 [&](QIODevice& device) { return writeWebP(device, animation); });
    const QString info = run(QStringLiteral("webpmux"), {QStringLiteral("-info"), path});
    EXPECT_TRUE(info.contains(QStringLiteral("Loop Count : 0"))) << info.toStdString();
    // Each row: number, width, height, alpha, x, y, duration, dispose, blend.
    const QRegularExpression row(QStringLiteral("^\\s*(\\d+):\\s+(\\d+)\\s+(\\d+)\\s+\\w+\\s+(\\d+)"
                                                "\\s+(\\d+)\\s+(\\d+)\\s+(\\w+)\\s+(\\w+)"),
                                 QRegularExpression::MultilineOption);
    QImage canvas(24, 16, QImage::Format_ARGB32);
    canvas.fill(qRgba(0, 0, 0, 0));
    int frame = 0;
    int elapsed = 0;
    QRect toClear;
    for (QRegularExpressionMatchIterator rows = row.globalMatch(info); rows.hasNext(); ++frame) {
        const QRegularExpressionMatch match = rows.next();
        const QString framePath = folder.filePath(QStringLiteral("frame.webp"));
        run(QStringLiteral("webpmux"), {QStringLiteral("-get"), QStringLiteral("frame"),
                                        match.captured(1), path, QStringLiteral("-o"), framePath});
        run(QStringLiteral("dwebp"), {framePath, QStringLiteral("-pam"), QStringLiteral("-o"),
                                      folder.filePath(QStringLiteral("frame.pam"))});
        const QImage part = readPam(folder.filePath(QStringLiteral("frame.pam")));
        const QPoint at(match.captured(4).toInt(), match.captured(5).toInt());
        for (int y = toClear.top(); y <= toClear.bottom(); ++y)
            for (int x = toClear.left(); x <= toClear.right(); ++x)
                canvas.setPixel(x, y, qRgba(0, 0, 0, 0));
        const bool blend = match.captured(8) == QLatin1String("yes");
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x) {
                const QRgb pixel = part.pixel(x, y);
                // A lossless frame blends only where it keeps what was there.
                if (!blend || qAlpha(pixel) == 255)
                    canvas.setPixel(at + QPoint(x, y), pixel);
                else
                    ASSERT_EQ(qAlpha(pixel), 0) << "a blended pixel between";
            }
        toClear =
            match.captured(7) == QLatin1String("background") ? QRect(at, part.size()) : QRect();
        ASSERT_LT(frame, 3);
        expectSamePixels(canvas, animation.frames[static_cast<std::size_t>(frame)], frame);
        elapsed += match.captured(6).toInt();
    }
    EXPECT_EQ(frame, 3);
    EXPECT_EQ(elapsed, 400); // three frames at 7.5 a second
}

TEST(AnimatedFiles, ApngGivesEveryFrameBackAndPlaysAsOften) {
    QTemporaryDir folder;
    Animation animation = movingSpark();
    animation.plays = 2;
    const QString path = written(folder, "spark.png",
                                 [&](QIODevice& device) { return writeApng(device, animation); });
    // A viewer without APNG shows the first frame.
    expectSamePixels(QImage(path).convertToFormat(QImage::Format_ARGB32), animation.frames[0], 0);
    run(QStringLiteral("apngdis"), {path, QStringLiteral("part")});
    const QStringList parts =
        QDir(folder.path()).entryList({QStringLiteral("part*.png")}, QDir::Files, QDir::Name);
    ASSERT_EQ(parts.size(), 3) << parts.join(QLatin1Char(' ')).toStdString();
    for (int frame = 0; frame < 3; ++frame) {
        expectSamePixels(
            QImage(folder.filePath(parts[frame])).convertToFormat(QImage::Format_ARGB32),
            animation.frames[static_cast<std::size_t>(frame)], frame);
        // apngdis writes each delay beside its frame: 2/15 of a second.
        QFile delay(folder.filePath(
            QString(parts[frame]).replace(QStringLiteral(".png"), QStringLiteral(".txt"))));
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
        const QString info = run(QStringLiteral("gifsicle"), {QStringLiteral("--info"), path});
        EXPECT_TRUE(info.contains(QStringLiteral("3 images"))) << info.toStdString();
        EXPECT_TRUE(info.contains(QStringLiteral("loop forever"))) << info.toStdString();
        // 7.5 a second in hundredths: 13, 14, 13.
        EXPECT_EQ(info.count(QStringLiteral("delay 0.13s")), 2) << info.toStdString();
        EXPECT_EQ(info.count(QStringLiteral("delay 0.14s")), 1) << info.toStdString();
        QImageReader reader(path, "gif");
        for (int frame = 0; frame < 3; ++frame) {
            const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
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
