#pragma once

#include <QObject>

class QScrollBar;

namespace common {

// The steps a scroll bar that sets a value takes from the mouse wheel and the
// keyboard: one arrow step for each notch of the wheel (a scroll area's bar
// takes several), and a large step for Page Up and Page Down, a tenth of the
// bar's range in whole arrow steps and never less than its page step. Wheel up
// and Page Up move the value as the right arrow does, also on a bar laid out
// right to left. The bar takes the keyboard focus when clicked or tabbed to,
// so that the keys reach it. Lives as long as the bar.
class ValueBarSteps : public QObject {
    Q_OBJECT
public:
    explicit ValueBarSteps(QScrollBar* bar);

    int largeStep() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Moves the value by `steps` arrow steps of `size` towards the right arrow
    // (away from it when negative), held to the bar's range.
    void move(int steps, int size);

    QScrollBar* bar_;
    // Wheel rotation not yet a whole notch, in eighths of a degree.
    int wheelRest_ = 0;
};

} // namespace common
