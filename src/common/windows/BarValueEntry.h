#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace common {

// Typing a bar's value: a double-click on the label that shows the value
// opens a field over it with the number shown; Enter (or leaving the field)
// sets the bar to the number typed, held to the bar's range and step, as if its
// arrows had been clicked there; Escape closes the field and changes nothing.
// The label shows the bar's value (with or without a unit, such as "128x128" or
// "-20%"), or `shownFrom` minus it when `shownFrom` is not 0 (the particle
// editor shows life and deceleration counted down from 255 and 100, the render
// settings the afterimage from 110), or the value times a scale (koratune's hue
// in degrees and saturation in percent, to tenths), and is kept wide enough for
// the value at either end of the bar.
class BarValueEntry : public QObject {
    Q_OBJECT
public:
    BarValueEntry(QLabel* label, QScrollBar* bar, int shownFrom = 0);

    // The label shows the value times `shownPerValue`, which may be typed with
    // decimals.
    void setScale(double shownPerValue);

    // The bar value that the typed number `shown` stands for, in range and step.
    int barValueFor(double shown) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The number the label shows for the bar value `value`.
    double shownFor(int value) const;
    void reserveWidth();
    // The label's tip, in the language installed now.
    void showTip();
    void open();
    void close(bool apply);

    QLabel* label_;
    QScrollBar* bar_;
    int shownFrom_;
    double shownPerValue_ = 1.0;
    QLineEdit* field_ = nullptr;
};

} // namespace common
