#include "common/sheets/EngineBlend.h"

#include "common/sheets/AlphaConversion.h"

#include <QPainter>

namespace common {

QImage drawAsEngine(const QImage& sheetPixels, AlphaMode mode, const QImage& scene) {
    QImage shown = scene.convertToFormat(QImage::Format_RGB32);
    QImage source = sheetPixels.convertToFormat(
        mode == AlphaMode::Additive ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    // A premultiplied sheet holds premultiplied values in a straight format,
    // as it is written: the painter must read them as what they are.
    if (mode == AlphaMode::Premultiplied)
        source.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&shown);
    painter.setCompositionMode(mode == AlphaMode::Additive ? QPainter::CompositionMode_Plus
                                                           : QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(0, 0), source);
    return shown;
}

QImage engineView(const QImage& frame, AlphaMode mode, Colour key, const SceneBackground& scene) {
    return drawAsEngine(withAlpha(frame, mode, key), mode, scene.image(frame.size()));
}

} // namespace common
