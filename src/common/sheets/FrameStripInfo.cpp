#include "common/sheets/FrameStripInfo.h"

#include "common/AtomicFile.h"
#include "common/sheets/SheetFiles.h"
#include "common/sheets/SheetOptions.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace common {

namespace {

// The three values when all are positive (the rate a finite number).
std::optional<FrameStripInfo> positive(int frameSize, int frameCount, double framesPerSecond) {
    if (frameSize <= 0 || frameCount <= 0 || !std::isfinite(framesPerSecond) ||
        framesPerSecond <= 0)
        return std::nullopt;
    return FrameStripInfo{frameSize, frameCount, framesPerSecond};
}

int textNumber(const QImage& image, const char* key) {
    return image.text(QString::fromLatin1(key)).toInt();
}

} // namespace

QImage FrameStripInfo::labelled(const QImage& image) const {
    QImage result = image;
    result.setText(QString::fromLatin1(FrameSizeKey), QString::number(frameSize));
    result.setText(QString::fromLatin1(FrameCountKey), QString::number(frameCount));
    result.setText(QString::fromLatin1(FrameRateKey), frameRateText(framesPerSecond));
    return result;
}

std::optional<FrameStripInfo> FrameStripInfo::fromText(const QImage& image) {
    return positive(textNumber(image, FrameSizeKey), textNumber(image, FrameCountKey),
                    image.text(QString::fromLatin1(FrameRateKey)).toDouble());
}

std::optional<FrameStripInfo> FrameStripInfo::fromAtlasJson(const QByteArray& json) {
    const QJsonObject meta = QJsonDocument::fromJson(json).object().value(u"meta").toObject();
    const QJsonObject grid = meta.value(u"grid").toObject();
    return positive(grid.value(u"cellWidth").toInt(), grid.value(u"frameCount").toInt(),
                    meta.value(u"frameRate").toDouble());
}

std::optional<FrameStripInfo> FrameStripInfo::of(const QString& path, const QImage& image) {
    if (const std::optional<FrameStripInfo> own = fromText(image))
        return own;
    QByteArray json;
    if (!readWholeFile(metadataPath(path, MetadataFormat::JsonHash), json).ok())
        return std::nullopt;
    return fromAtlasJson(json);
}

} // namespace common
