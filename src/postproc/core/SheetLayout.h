#pragma once

#include "common/Status.h"
#include "core/SharedSettings.h"

#include <QString>

namespace koratune {

// How the output lays the used frames out on a new sheet: the chosen number
// of columns, as many rows as the frames need, cells of FrameSize pixels.
class SheetLayout {
public:
    SheetLayout(const SharedSettings& settings, int columns);

    // The columns offered first for `framesUsed` frames: ceil(sqrt(framesUsed)).
    static int initialColumns(int framesUsed);

    int framesUsed() const { return framesUsed_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int width() const { return columns_ * frameSize_; }
    int height() const { return rows_ * frameSize_; }
    // The sheet's size as shown to the user, e.g. "1600x160".
    QString sizeText() const;

    // Fails when there is no frame to lay out, the columns are not from 1 to
    // the frames used, or the sheet would exceed 32767 pixels either way.
    common::Status check() const;

private:
    int frameSize_;
    int framesUsed_;
    int columns_;
    int rows_;
};

} // namespace koratune
