#include "core/render/StripLayout.h"

#include <QCoreApplication>

#include "common/ImageFile.h"

#include "core/document/DesignDocument.h"

#include <algorithm>

namespace kirabellum {

namespace {

common::Status checkRange(const char* label, int value, int minimum, int maximum) {
    if (value >= minimum && value <= maximum)
        return common::Status::success();
    return common::Status::failure(QStringLiteral("%1 %2 is outside %3 to %4")
                                       .arg(QString::fromUtf8(label))
                                       .arg(value)
                                       .arg(minimum)
                                       .arg(maximum));
}

} // namespace

int stripColumns(int frameSize, int widthLimit) {
    return frameSize > 0 ? std::max(widthLimit / frameSize, 1) : 1;
}

common::Status layOutStrip(const DesignDocument& document, StripLayout& layout) {
    return layOutStrip(document, document.FrameCount, layout);
}

common::Status layOutStrip(const DesignDocument& document, int frameCount, StripLayout& layout) {
    for (const common::Status& status :
         {checkRange("The frame size", document.FrameSize, FrameSizeMinimum, FrameSizeMaximum),
          checkRange("The frame count", document.FrameCount, FrameCountMinimum, FrameCountMaximum),
          checkRange("The width limit", document.WidthLimit, WidthLimitMinimum, WidthLimitMaximum)})
        if (!status.ok())
            return status;

    StripLayout result;
    result.FrameSize = document.FrameSize;
    result.FrameCount = frameCount;
    result.Columns =
        std::min(stripColumns(document.FrameSize, document.WidthLimit), result.FrameCount);
    result.Rows = result.grid().rows(result.FrameCount);
    if (result.width() > common::MaximumImageEdge || result.height() > common::MaximumImageEdge)
        return common::Status::failure(
            QCoreApplication::translate(
                "kirabellum::StripLayout",
                "The frame strip would be %1 x %2 pixels; at most %3 fit in each "
                "direction. Lower the frame count or the frame size, or raise the "
                "width limit")
                .arg(result.width())
                .arg(result.height())
                .arg(common::MaximumImageEdge));
    layout = result;
    return common::Status::success();
}

} // namespace kirabellum
