#include "core/render/StripLayout.h"

#include "common/ImageFile.h"

#include "core/document/DesignDocument.h"

#include <QCoreApplication>

#include <algorithm>

namespace kirabellum {

namespace {

// `refusal` is a message marked for translation, with the value and the range
// as %1 to %3.
common::Status checkRange(const char* refusal, int value, int minimum, int maximum) {
    if (value >= minimum && value <= maximum)
        return common::Status::success();
    return common::Status::failure(QCoreApplication::translate("kirabellum::StripLayout", refusal)
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
         {checkRange(
              QT_TRANSLATE_NOOP("kirabellum::StripLayout", "The frame size %1 is outside %2 to %3"),
              document.FrameSize, FrameSizeMinimum, FrameSizeMaximum),
          checkRange(QT_TRANSLATE_NOOP("kirabellum::StripLayout",
                                       "The frame count %1 is outside %2 to %3"),
                     document.FrameCount, FrameCountMinimum, FrameCountMaximum),
          checkRange(QT_TRANSLATE_NOOP("kirabellum::StripLayout",
                                       "The width limit %1 is outside %2 to %3"),
                     document.WidthLimit, WidthLimitMinimum, WidthLimitMaximum)})
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
