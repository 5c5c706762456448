#pragma once

#include "common/Status.h"

#include <QImage>

class QIODevice;

namespace common {

// Writes a PNG of 8-bit channels with libpng: an image of 32-bit RGB as RGB,
// every other as RGBA with straight alpha (a picture in another format is
// converted to 32-bit ARGB first), with the image's texts as text chunks
// (tEXt, iTXt for text beyond Latin-1). Sheets are large and their frames
// mostly flat areas of one colour, so the rows are left unfiltered and zlib
// compresses at level 3: several times faster than Qt's PNG writer at its
// default (adaptive filters, level 6), and smaller files for such pictures.
Status writePng(QIODevice& device, const QImage& image);

} // namespace common
