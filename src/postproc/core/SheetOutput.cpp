#include "core/SheetOutput.h"

#include "common/ImageFile.h"
#include "core/FrameImageGrid.h"
#include "core/FrameSelection.h"
#include "core/SheetLayout.h"

#include <vector>

namespace koratune {

common::Status ComposeSheet(const QImage& work, const SharedSettings& settings, int columns,
                            QImage& sheet, const FrameDoneHook& frameDone) {
    const SheetLayout layout(settings, columns);
    const common::Status status = layout.check();
    if (!status.ok())
        return status;

    QImage composed(layout.width(), layout.height(), QImage::Format_RGB32);
    composed.fill(qRgb(0, 0, 0));
    const FrameImageGrid source(ImageWidth(work.width()), FrameSize(settings.FrameSize));
    const FrameImageGrid destination(ImageWidth(composed.width()), FrameSize(settings.FrameSize));
    const Mirroring mirroring{settings.FlipHorizontal, settings.FlipVertical};
    const std::vector<int> frames = FrameSelection(settings).frames();
    for (int cell = 0; cell < static_cast<int>(frames.size()); ++cell) {
        source.drawFrame(work, frames[cell], composed, destination.originOf(cell), mirroring);
        if (frameDone)
            frameDone();
    }
    sheet = composed;
    return common::Status::success();
}

QString SequenceFileName(const QString& chosenName, int number) {
    QString baseName = chosenName;
    if (baseName.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        baseName.chop(4);
    const QString digits = QStringLiteral("000%1").arg(number).right(3);
    return baseName + digits + QStringLiteral(".bmp");
}

QImage SequenceFrame(const QImage& sheet, int frameSize, int number) {
    QImage frame(frameSize, frameSize, QImage::Format_RGB32);
    FrameImageGrid(ImageWidth(sheet.width()), FrameSize(frameSize))
        .drawFrame(sheet, number, frame, QPoint(0, 0));
    return frame;
}

common::Status writeSequence(const QString& chosenName, const QImage& sheet,
                             const SharedSettings& settings) {
    for (int number = 0; number < settings.FrameCount; ++number) {
        const common::Status free = common::checkImageOutput(SequenceFileName(chosenName, number));
        if (!free.ok())
            return free;
    }
    for (int number = 0; number < settings.FrameCount; ++number) {
        const common::Status status = common::writeImage(
            SequenceFileName(chosenName, number), SequenceFrame(sheet, settings.FrameSize, number),
            common::ImageFormat::Bmp);
        if (!status.ok())
            return status;
    }
    return common::Status::success();
}

} // namespace koratune
