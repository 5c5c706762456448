#include "common/sheets/FlipbookBlend.h"

#include <gtest/gtest.h>

namespace common {
namespace {

constexpr int CellSize = 16;
constexpr QRgb Line = qRgb(200, 150, 100);

// A cell with one bright column (across) or row (down) at `at`.
QImage lineCell(bool across, int at) {
    QImage cell(CellSize, CellSize, QImage::Format_RGB32);
    cell.fill(qRgb(0, 0, 0));
    for (int step = 0; step < CellSize; ++step)
        cell.setPixel(across ? at : step, across ? step : at, Line);
    return cell;
}

QImage vectorCell(int red, int green) {
    QImage cell(CellSize, CellSize, QImage::Format_ARGB32);
    cell.fill(qRgba(red, green, 0, 255));
    return cell;
}

TEST(FlipbookBlend, CrossFadeMixesEachChannelAndRounds) {
    QImage from(1, 1, QImage::Format_ARGB32);
    QImage to(1, 1, QImage::Format_ARGB32);
    from.setPixel(0, 0, qRgba(0, 255, 10, 0));
    to.setPixel(0, 0, qRgba(255, 0, 13, 100));
    EXPECT_EQ(crossFadeCells(from, to, 0.25).pixel(0, 0), qRgba(64, 191, 11, 25));
    EXPECT_EQ(crossFadeCells(from, to, 0.0).pixel(0, 0), from.pixel(0, 0));
    EXPECT_EQ(crossFadeCells(from, to, 1.0).pixel(0, 0), to.pixel(0, 0));
}

TEST(FlipbookBlend, WithoutDisplacementMotionBlendingIsTheCrossFade) {
    const QImage from = lineCell(true, 3);
    const QImage to = lineCell(false, 11);
    EXPECT_EQ(motionBlendCells(from, vectorCell(255, 0), to, vectorCell(0, 255), 0.0, 0.4),
              crossFadeCells(from, to, 0.4));
}

// A line that moves four pixels between the two cells, with the vector of that
// move everywhere in both vector cells (full strength, a quarter of the cell),
// lands where it is at each blend, and nowhere else.
TEST(FlipbookBlend, ALineMovedAlongItsVectorLandsWhereItIsBetweenTheFrames) {
    const struct {
        bool across; // a column moving sideways, or a row moving up or down
        int step;    // pixels, right or down
        int red;
        int green; // up
    } moves[] = {
        {true, 4, 255, 128}, {true, -4, 0, 128}, {false, 4, 128, 0}, {false, -4, 128, 255}};
    const double scale = 4.0 / CellSize;
    for (const auto& move : moves) {
        const QImage vectors = vectorCell(move.red, move.green);
        for (const double blend : {0.25, 0.5, 0.75}) {
            const QImage shown =
                motionBlendCells(lineCell(move.across, 6), vectors,
                                 lineCell(move.across, 6 + move.step), vectors, scale, blend);
            const int at = 6 + int(move.step * blend);
            EXPECT_EQ(shown, lineCell(move.across, at))
                << "step " << move.step << (move.across ? " across" : " down") << " at " << blend;
        }
    }
}

} // namespace
} // namespace common
