#pragma once

#include <QImage>
#include <QString>

namespace kirabellum {

// The filter of the spark and ramp picture dialogs.
QString editorPictureFilter();

// `source` scaled to `size` without smoothing: each target pixel takes the
// source pixel its position falls in, so every source pixel becomes a block.
QImage stretchWithoutSmoothing(const QImage& source, QSize size);

} // namespace kirabellum
