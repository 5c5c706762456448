#include "core/SheetLayout.h"

#include "common/FrameGrid.h"
#include "common/ImageFile.h"
#include "common/Rounding.h"
#include "core/FrameSelection.h"

#include <QCoreApplication>

#include <cmath>

namespace koratune {

SheetLayout::SheetLayout(const SharedSettings& settings, int columns)
    : frameSize_(settings.FrameSize), framesUsed_(FrameSelection(settings).count()),
      columns_(columns),
      rows_(columns > 0 ? common::FrameGrid(frameSize_, columns).rows(framesUsed_) : 0) {}

int SheetLayout::initialColumns(int framesUsed) {
    return common::ceilToInt(std::sqrt(static_cast<double>(framesUsed)));
}

QString SheetLayout::sizeText() const {
    return QStringLiteral("%1x%2").arg(width()).arg(height());
}

common::Status SheetLayout::check() const {
    if (framesUsed_ < 1)
        return common::Status::failure(
            QCoreApplication::translate("koratune::SheetLayout", "no frames to lay out"));
    if (columns_ < 1 || columns_ > framesUsed_)
        return common::Status::failure(
            QCoreApplication::translate("koratune::SheetLayout",
                                        "the sheet can have 1 to %1 columns, not %2")
                .arg(framesUsed_)
                .arg(columns_));
    if (width() > common::MaximumImageEdge || height() > common::MaximumImageEdge)
        return common::Status::failure(
            (width() > common::MaximumImageEdge
                 ? QCoreApplication::translate("koratune::SheetLayout",
                                               "the sheet would be %1x%2 pixels; at most %3 pixels "
                                               "each way are possible, so choose fewer columns")
                 : QCoreApplication::translate("koratune::SheetLayout",
                                               "the sheet would be %1x%2 pixels; at most %3 pixels "
                                               "each way are possible, so choose more columns"))
                .arg(width())
                .arg(height())
                .arg(common::MaximumImageEdge));
    return common::Status::success();
}

} // namespace koratune
