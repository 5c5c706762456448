#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace common::test {

// Runs a decoding tool, expecting it to succeed; its standard output.
QString runTool(const QString& program, const QStringList& arguments);

// An animated WebP as webpmux and dwebp read it: each frame drawn on the
// canvas as a player shows it, the summary webpmux gives ("Loop Count : 0"),
// and the milliseconds of all frames together. `folder` takes the parts.
struct DecodedWebP {
    std::vector<QImage> frames;
    QString info;
    int milliseconds = 0;
};
DecodedWebP decodeWebP(const QString& path, const QString& folder);

// The frames of an animated PNG as apngdis writes them into `folder`, in play
// order ("part01.png" ...; beside each "part01.txt" holds its delay).
QStringList apngParts(const QString& path, const QString& folder);

// The frames of a GIF as Qt's reader decodes them, as 32-bit ARGB.
std::vector<QImage> gifFrames(const QString& path);

// The frames of an animated file by the tools above, by its extension: .gif,
// .webp, else an animated PNG. `folder` takes the parts.
std::vector<QImage> decodedFrames(const QString& path, const QString& folder);

// The frames of a sheet of one column, top to bottom.
std::vector<QImage> columnFrames(const QImage& sheet, int frameSize);

// Decoded frames against the sheet's: bit for bit (see expectSamePixels), or
// for a GIF transparent exactly where `expected` is, opaque elsewhere, and its
// colours within its palette (off by less than 4 per channel on average).
void expectFrames(const std::vector<QImage>& decoded, const std::vector<QImage>& expected,
                  bool lossless);

// The same pixels: alpha everywhere, colour wherever something shows.
void expectSamePixels(const QImage& decoded, const QImage& expected, int frame);

} // namespace common::test
