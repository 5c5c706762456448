#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace common {

// What an animated file shows: frames of one size in play order, their rate,
// and how often they play.
struct Animation {
    // Format_ARGB32 pixels, stored as they are held (a premultiplied sheet's
    // values stay premultiplied).
    std::vector<QImage> frames;
    double framesPerSecond = 15.0;
    // How many times the frames play; 0: forever.
    int plays = 0;
    // A short text the file carries where its format has a place for it (a
    // GIF's comment); empty: none.
    QString comment;
};

// When frame `frame` starts, in whole `units` per second (100 for a GIF's
// hundredths, 1000 for milliseconds): rounded from the exact time, so that the
// rounding never adds up over the frames.
int frameStart(int frame, double framesPerSecond, int units);

} // namespace common
