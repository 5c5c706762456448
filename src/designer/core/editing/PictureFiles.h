#pragma once

#include "common/Dialogs.h"
#include "core/document/DesignDocument.h"

#include <QImage>
#include <QString>

#include <vector>

namespace kirabellum {

// The filter of the spark and ramp picture dialogs.
common::FileFilters editorPictureFilter();

// A colour ramp picture is one pixel high and at most RampCapacity wide.
bool isRampPicture(const QImage& picture);
// The picture's pixels, left to right, as the colours of a ramp.
std::vector<common::Colour> rampFromPicture(const QImage& picture);
// Makes the picture's pixels, left to right, the document's ramp: RampLength
// and the first entries of ColorRamp; the entries after them keep their values.
void takeRampFromPicture(const QImage& picture, DesignDocument& document);

// A spark picture is square and at most SparkEdge pixels each way.
bool isSparkPicture(const QImage& picture);
// Makes the picture the spark image: a smaller square picture fills the
// top-left corner and the rest is black.
void takeSparkFromPicture(const QImage& picture, SparkBitmap& spark);

// `source` scaled to `size` without smoothing: each target pixel takes the
// source pixel its position falls in, so every source pixel becomes a block.
QImage stretchWithoutSmoothing(const QImage& source, QSize size);

} // namespace kirabellum
