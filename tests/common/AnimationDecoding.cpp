#include "AnimationDecoding.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace common::test {

namespace {

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

} // namespace

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

DecodedWebP decodeWebP(const QString& path, const QString& folder) {
    DecodedWebP decoded;
    decoded.info = runTool(QStringLiteral("webpmux"), {QStringLiteral("-info"), path});
    const QRegularExpression canvasSize(QStringLiteral("Canvas size: (\\d+) x (\\d+)"));
    const QRegularExpressionMatch size = canvasSize.match(decoded.info);
    QImage canvas(size.captured(1).toInt(), size.captured(2).toInt(), QImage::Format_ARGB32);
    canvas.fill(qRgba(0, 0, 0, 0));
    // Each row: number, width, height, alpha, x, y, duration, dispose, blend.
    const QRegularExpression row(QStringLiteral("^\\s*(\\d+):\\s+(\\d+)\\s+(\\d+)\\s+\\w+\\s+(\\d+)"
                                                "\\s+(\\d+)\\s+(\\d+)\\s+(\\w+)\\s+(\\w+)"),
                                 QRegularExpression::MultilineOption);
    const QString framePath = QDir(folder).filePath(QStringLiteral("frame.webp"));
    const QString pamPath = QDir(folder).filePath(QStringLiteral("frame.pam"));
    QRect toClear;
    for (QRegularExpressionMatchIterator rows = row.globalMatch(decoded.info); rows.hasNext();) {
        const QRegularExpressionMatch match = rows.next();
        runTool(QStringLiteral("webpmux"),
                {QStringLiteral("-get"), QStringLiteral("frame"), match.captured(1), path,
                 QStringLiteral("-o"), framePath});
        runTool(QStringLiteral("dwebp"),
                {framePath, QStringLiteral("-pam"), QStringLiteral("-o"), pamPath});
        const QImage part = readPam(pamPath);
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
                    EXPECT_EQ(qAlpha(pixel), 0) << "a blended pixel between";
            }
        toClear =
            match.captured(7) == QLatin1String("background") ? QRect(at, part.size()) : QRect();
        decoded.frames.push_back(canvas);
        decoded.milliseconds += match.captured(6).toInt();
    }
    return decoded;
}

QStringList apngParts(const QString& path, const QString& folder) {
    const QString copy = QDir(folder).filePath(QStringLiteral("animation.png"));
    QFile::remove(copy);
    EXPECT_TRUE(QFile::copy(path, copy));
    runTool(QStringLiteral("apngdis"), {copy, QStringLiteral("part")});
    QStringList parts;
    for (const QString& name :
         QDir(folder).entryList({QStringLiteral("part*.png")}, QDir::Files, QDir::Name))
        parts << QDir(folder).filePath(name);
    return parts;
}

std::vector<QImage> gifFrames(const QString& path) {
    std::vector<QImage> frames;
    QImageReader reader(path, "gif");
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read())
        frames.push_back(frame.convertToFormat(QImage::Format_ARGB32));
    return frames;
}

std::vector<QImage> decodedFrames(const QString& path, const QString& folder) {
    if (path.endsWith(QLatin1String(".gif")))
        return gifFrames(path);
    if (path.endsWith(QLatin1String(".webp")))
        return decodeWebP(path, folder).frames;
    std::vector<QImage> frames;
    for (const QString& part : apngParts(path, folder))
        frames.push_back(QImage(part).convertToFormat(QImage::Format_ARGB32));
    return frames;
}

std::vector<QImage> columnFrames(const QImage& sheet, int frameSize) {
    std::vector<QImage> frames;
    for (int top = 0; top + frameSize <= sheet.height(); top += frameSize)
        frames.push_back(
            sheet.copy(0, top, frameSize, frameSize).convertToFormat(QImage::Format_ARGB32));
    return frames;
}

void expectFrames(const std::vector<QImage>& decoded, const std::vector<QImage>& expected,
                  bool lossless) {
    ASSERT_EQ(decoded.size(), expected.size());
    for (std::size_t frame = 0; frame < expected.size(); ++frame) {
        const int number = static_cast<int>(frame);
        if (lossless) {
            expectSamePixels(decoded[frame], expected[frame], number);
            continue;
        }
        const QImage& want = expected[frame];
        ASSERT_EQ(decoded[frame].size(), want.size()) << number;
        long long error = 0;
        for (int y = 0; y < want.height(); ++y)
            for (int x = 0; x < want.width(); ++x) {
                const QRgb wanted = want.pixel(x, y);
                const QRgb got = decoded[frame].pixel(x, y);
                ASSERT_EQ(qAlpha(got), qAlpha(wanted) == 0 ? 0 : 255)
                    << "frame " << number << " at " << x << ", " << y;
                if (qAlpha(wanted) > 0)
                    error += std::abs(qRed(got) - qRed(wanted)) +
                             std::abs(qGreen(got) - qGreen(wanted)) +
                             std::abs(qBlue(got) - qBlue(wanted));
            }
        EXPECT_LT(error, 4LL * 3 * want.width() * want.height()) << number;
    }
}

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

} // namespace common::test
