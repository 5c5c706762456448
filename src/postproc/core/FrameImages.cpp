#include "core/FrameImages.h"

#include "common/ImageFile.h"

#include <algorithm>
#include <cstring>

namespace koratune {

namespace {

constexpr int OpeningPreviewEdge = 160;

} // namespace

void FrameImages::OpenPic(const QImage& image) {
    work_ = image.convertToFormat(QImage::Format_RGB32);
    base_ = work_;
}

common::Status FrameImages::OpenPic(const QString& path) {
    QImage image;
    const common::Status status = common::readImage(path, image);
    if (status.ok())
        OpenPic(image);
    return status;
}

void FrameImages::UnionPic(const QImage& overlay) {
    overlay_ = overlay.convertToFormat(QImage::Format_RGB32);
    // The base becomes the composited work image below; letting the old one go
    // first spares the work image a copy of itself.
    base_ = QImage();
    if (!overlay_.isNull() && !work_.isNull()) {
        const QRgb key = overlay_.pixel(0, 0);
        const int width = std::min(work_.width(), overlay_.width());
        const int height = std::min(work_.height(), overlay_.height());
        for (int y = 0; y < height; ++y) {
            const auto* source = reinterpret_cast<const QRgb*>(overlay_.constScanLine(y));
            auto* target = reinterpret_cast<QRgb*>(work_.scanLine(y));
            for (int x = 0; x < width; ++x) {
                if (source[x] != key)
                    target[x] = source[x];
            }
        }
    }
    base_ = work_;
}

common::Status FrameImages::UnionPic(const QString& path) {
    QImage image;
    const common::Status status = common::readImage(path, image);
    if (status.ok())
        UnionPic(image);
    return status;
}

QRgb FrameImages::backgroundColour() const {
    return work_.isNull() ? qRgb(0, 0, 0) : work_.pixel(0, 0);
}

QImage FrameImages::openingPreview() const {
    QImage preview(OpeningPreviewEdge, OpeningPreviewEdge, QImage::Format_RGB32);
    preview.fill(backgroundColour());
    const int width = std::min(work_.width(), OpeningPreviewEdge);
    const int height = std::min(work_.height(), OpeningPreviewEdge);
    for (int y = 0; y < height; ++y)
        std::memcpy(preview.scanLine(y), work_.constScanLine(y), width * sizeof(QRgb));
    return preview;
}

} // namespace koratune
