#pragma once

#include "core/document/DesignDocument.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace kirabellum {

// One layer's spark index map as the fast engine stamps it: the ramp indices
// row by row, and for each row the runs of non-transparent pixels, so that
// stamping never visits a transparent pixel and needs no test per pixel.
class SparkShape {
public:
    // The widened value of a transparent pixel.
    static constexpr std::int32_t TransparentValue = -(1 << 30);

    // A run of non-transparent pixels of one row: columns begin to end - 1.
    struct Run {
        std::uint8_t begin;
        std::uint8_t end;
    };

    // Takes the ramp indices of the 32 x 32 pixels, row after row; 0 is transparent.
    void build(const std::array<std::uint8_t, SparkEdge * SparkEdge>& indices);

    // The ramp indices of spark row `row`, 32 of them.
    const std::uint8_t* row(int row) const {
        return indices_.data() + static_cast<std::ptrdiff_t>(row) * SparkEdge;
    }
    // The ramp indices of spark row `row` widened to int, with transparent pixels
    // at a value so low that no shift of the intensity lifts them to 1.
    const std::int32_t* widenedRow(int row) const {
        return widened_.data() + static_cast<std::ptrdiff_t>(row) * SparkEdge;
    }
    // The columns from the first to the last non-transparent pixel of the row.
    Run rowSpan(int row) const { return rowSpans_[static_cast<std::size_t>(row)]; }
    // The columns from the first to the last pixel of the row whose ramp index
    // is above `shift`: when a particle's intensities are ramp index - shift,
    // the only pixels that add anything. Empty when there are none.
    Run brightSpan(int row, int shift) const {
        if (shift < 0)
            return rowSpan(row);
        if (shift >= MaximumIndex)
            return Run{0, 0};
        return brightSpans_[static_cast<std::size_t>(row) * MaximumIndex +
                            static_cast<std::size_t>(shift)];
    }
    // The pixels of the bright spans of all rows for `shift`.
    int brightPixels(int shift) const {
        if (shift < 0)
            return rowSpanPixels_;
        return shift >= MaximumIndex ? 0 : brightPixels_[static_cast<std::size_t>(shift)];
    }
    // The rows from the first to the last holding a pixel whose ramp index is
    // above `shift`, as rows begin to end - 1.
    Run brightRows(int shift) const {
        if (shift < 0)
            return Run{static_cast<std::uint8_t>(firstRow_), static_cast<std::uint8_t>(endRow_)};
        if (shift >= MaximumIndex)
            return Run{0, 0};
        return brightRows_[static_cast<std::size_t>(shift)];
    }
    // The bright spans for `shift` as whole groups of PixelGroup pixels, for a
    // spark that lies within the frame's columns: each span widened as
    // groupSpan does within its row (the pixels added add exactly 0 to a
    // shifted particle's stamp). A group is given by its first spark pixel,
    // row × SparkEdge + column, in row and column order: those of spark rows
    // `begin` to `end` - 1 are groupPixels()[starts[begin]] to
    // groupPixels()[starts[end] - 1], with starts = brightGroupStarts(shift).
    const std::uint16_t* groupPixels() const { return groupPixels_.data(); }
    const std::uint16_t* brightGroupStarts(int shift) const {
        return groupStarts_.data() + static_cast<std::size_t>(groupList(shift)) * (SparkEdge + 1);
    }
    const Run* runsBegin(int row) const {
        return runs_.data() + rowRuns_[static_cast<std::size_t>(row)];
    }
    const Run* runsEnd(int row) const {
        return runs_.data() + rowRuns_[static_cast<std::size_t>(row) + 1];
    }

    int opaquePixels() const { return opaquePixels_; }
    // The highest ramp index of the spark: the particle is dark once this one is.
    int brightest() const { return brightest_; }
    // Rows firstRow() to endRow() - 1 hold every non-transparent pixel; empty
    // when the spark is all transparent.
    int firstRow() const { return firstRow_; }
    int endRow() const { return endRow_; }

private:
    static constexpr int MaximumIndex = 255; // the highest ramp index a pixel can hold

    void buildBrightSpans();
    void buildBrightGroups();
    // The list of bright groups for `shift`: one for every shift below 0, one
    // for each shift 0 to MaximumIndex - 1, and an empty one above.
    static int groupList(int shift) { return shift < 0 ? 0 : std::min(shift, MaximumIndex) + 1; }

    std::array<std::uint8_t, SparkEdge * SparkEdge> indices_{};
    std::array<std::int32_t, SparkEdge * SparkEdge> widened_{};
    std::array<Run, SparkEdge> rowSpans_{};
    // At most 16 runs in a row of 32 pixels.
    std::array<Run, SparkEdge * SparkEdge / 2> runs_{};
    // The runs of row r are runs_[rowRuns_[r]] to runs_[rowRuns_[r + 1] - 1].
    std::array<std::uint16_t, SparkEdge + 1> rowRuns_{};
    // brightSpan(row, shift) at row × MaximumIndex + shift, and brightRows(shift),
    // for the shifts 0 to MaximumIndex - 1.
    std::array<Run, SparkEdge * MaximumIndex> brightSpans_{};
    std::array<Run, MaximumIndex> brightRows_{};
    std::array<std::uint16_t, MaximumIndex> brightPixels_{};
    std::vector<std::uint16_t> groupPixels_; // the groups of every list, one list after the other
    // For each list, where the groups of each spark row start in groupPixels_,
    // and where the list ends.
    std::vector<std::uint16_t> groupStarts_;
    int rowSpanPixels_ = 0; // the pixels of all row spans
    int opaquePixels_ = 0;
    int brightest_ = 0;
    int firstRow_ = 0;
    int endRow_ = 0;
};

} // namespace kirabellum
