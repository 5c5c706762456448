#include "common/palettes/IndexedImage.h"

#include "common/palettes/Palette.h"

#include <QHash>

namespace common {

QImage indexedImage(const QImage& image) {
    const QImage source = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                        : QImage::Format_RGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    QHash<QRgb, int> indices;
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* target = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            auto found = indices.constFind(line[x]);
            if (found == indices.constEnd()) {
                if (table.size() == Palette::MaximumColours)
                    return QImage();
                found = indices.insert(line[x], static_cast<int>(table.size()));
                table.push_back(line[x]);
            }
            target[x] = static_cast<uchar>(*found);
        }
    }
    indexed.setColorTable(table);
    indexed.setDotsPerMeterX(source.dotsPerMeterX());
    indexed.setDotsPerMeterY(source.dotsPerMeterY());
    for (const QString& key : source.textKeys())
        indexed.setText(key, source.text(key));
    return indexed;
}

} // namespace common
