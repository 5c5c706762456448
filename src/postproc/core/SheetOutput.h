#pragma once

#include "common/Status.h"
#include "core/SharedSettings.h"

#include <QImage>
#include <QString>

#include <functional>

namespace koratune {

// Whether the frames of a sheet written here loop, as its metadata says: a
// frame image holds no word of it, and the strips that come here are the
// designer's bursts, which play once and stop on their last frame.
constexpr bool SheetFramesLoop = false;

// Called after each frame laid out; windows let pending events in here.
using FrameDoneHook = std::function<void()>;

// Lays the used frames of the work image out on a new black sheet of
// `columns` columns, row by row, each frame mirrored inside its own cell as
// the settings say. Cells after the last frame stay black, and so do frames
// whose cell lies outside the work image. Fails, leaving `sheet` untouched,
// when the layout is impossible (see SheetLayout::check).
common::Status ComposeSheet(const QImage& work, const SharedSettings& settings, int columns,
                            QImage& sheet, const FrameDoneHook& frameDone = {});

// The file of sequence frame `number`: the chosen name without a final
// ".bmp" (in any case), then the number in three digits, then ".bmp":
// "fire.bmp", "fire" and "fire.BMP" all give "fire000.bmp", "fire001.bmp", ...
QString SequenceFileName(const QString& chosenName, int number);

// Sequence frame `number`: the sheet's cell `number`, counted row by row, as
// an image of one frame. Cells without a frame, also beyond the sheet, are black.
QImage SequenceFrame(const QImage& sheet, int frameSize, int number);

// Writes the sheet as FrameCount sequence files, each one replaced whole. All
// the names are checked first: when any of them is a folder, a device, a pipe
// or a socket, nothing is written. A failure stops at the file concerned; the
// files before it stay written.
common::Status writeSequence(const QString& chosenName, const QImage& sheet,
                             const SharedSettings& settings);

} // namespace koratune
