#pragma once

#include <QLabel>
#include <QWidget>

#include <array>
#include <cstddef>

namespace kirabellum {

// Lays `controls` out in one row of `row`, each after its label (whose buddy
// it becomes), close together and to the left, as the preview's rows of
// options stand.
void layOutControlRow(QWidget& row, QLabel* const* labels, QWidget* const* controls,
                      std::size_t count);

template <std::size_t Count>
void layOutControlRow(QWidget& row, const std::array<QLabel*, Count>& labels,
                      const std::array<QWidget*, Count>& controls) {
    layOutControlRow(row, labels.data(), controls.data(), Count);
}

} // namespace kirabellum
