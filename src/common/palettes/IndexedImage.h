#pragma once

#include <QImage>

namespace common {

// The image as Format_Indexed8 whose colour table holds its pixel values
// (alpha included) in the order they first appear, row by row, when it has
// at most 256 of them; a null image otherwise. Qt writes it as an indexed PNG
// (colour type 3), the table's alpha as a tRNS chunk.
QImage indexedImage(const QImage& image);

} // namespace common
