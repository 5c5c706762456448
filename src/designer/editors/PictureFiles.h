#pragma once

#include "document/Status.h"

#include <QImage>
#include <QString>

namespace kirabellum {

// The filter of the spark and ramp picture dialogs.
QString editorPictureFilter();

// Reads any picture Qt can read (bitmaps of every depth, PNG, ...) as opaque
// 32-bit pixels. A file that is missing or not a picture gives a failure that
// names it.
Status readEditorPicture(const QString& path, QImage& picture);

// Writes the picture pixel for pixel as a 24-bit Windows bitmap under exactly
// the given name, whatever its ending. An existing file is replaced only once
// the new one is complete.
Status writeEditorPicture(const QString& path, const QImage& picture);

// `source` scaled to `size` without smoothing: each target pixel takes the
// source pixel its position falls in, so every source pixel becomes a block.
QImage stretchWithoutSmoothing(const QImage& source, QSize size);

} // namespace kirabellum
