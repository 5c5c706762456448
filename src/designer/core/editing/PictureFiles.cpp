#include "core/editing/PictureFiles.h"

#include "common/Colour.h"

#include <algorithm>

namespace kirabellum {

common::FileFilters editorPictureFilter() {
    return {{QString(), {QStringLiteral("*.bmp")}}};
}

bool isRampPicture(const QImage& picture) {
    return picture.width() <= RampCapacity && picture.height() == 1;
}

std::vector<common::Colour> rampFromPicture(const QImage& picture) {
    std::vector<common::Colour> ramp;
    for (int index = 0; index < picture.width(); ++index)
        ramp.push_back(common::colourFromRgb(picture.pixel(index, 0)));
    return ramp;
}

void takeRampFromPicture(const QImage& picture, DesignDocument& document) {
    const std::vector<common::Colour> ramp = rampFromPicture(picture);
    document.RampLength = static_cast<std::int16_t>(ramp.size());
    std::copy(ramp.begin(), ramp.end(), document.ColorRamp.begin());
}

bool isSparkPicture(const QImage& picture) {
    return picture.width() == picture.height() && picture.width() <= SparkEdge;
}

void takeSparkFromPicture(const QImage& picture, SparkBitmap& spark) {
    const int edge = picture.width();
    for (int y = 0; y < SparkEdge; ++y)
        for (int x = 0; x < SparkEdge; ++x)
            spark.at(x, y) = x < edge && y < edge ? common::colourFromRgb(picture.pixel(x, y)) : 0;
}

QImage stretchWithoutSmoothing(const QImage& source, QSize size) {
    QImage target(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const int sourceY = y * source.height() / size.height();
        for (int x = 0; x < size.width(); ++x)
            target.setPixel(x, y, source.pixel(x * source.width() / size.width(), sourceY));
    }
    return target;
}

} // namespace kirabellum
