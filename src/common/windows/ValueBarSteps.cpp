#include "common/windows/ValueBarSteps.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace common {

namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr int WheelNotch = 120;
constexpr int LargeStepsPerRange = 10;

} // namespace

ValueBarSteps::ValueBarSteps(QScrollBar* bar) : QObject(bar), bar_(bar) {
    bar_->setFocusPolicy(Qt::StrongFocus);
    bar_->installEventFilter(this);
}

int ValueBarSteps::largeStep() const {
    const int step = std::max(1, bar_->singleStep());
    const int tenth = (bar_->maximum() - bar_->minimum()) / LargeStepsPerRange;
    return std::max({bar_->pageStep(), step, tenth / step * step});
}

void ValueBarSteps::move(int steps, int size) {
    const int towardsRight = bar_->layoutDirection() == Qt::RightToLeft ? -1 : 1;
    bar_->setValue(bar_->value() + towardsRight * steps * size);
}

bool ValueBarSteps::eventFilter(QObject* watched, QEvent* event) {
    if (watched != bar_ || !bar_->isEnabled())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint delta = wheel->angleDelta();
        wheelRest_ += delta.y() != 0 ? delta.y() : delta.x();
        const int notches = wheelRest_ / WheelNotch;
        wheelRest_ -= notches * WheelNotch;
        move(notches, bar_->singleStep());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            move(key == Qt::Key_PageUp ? 1 : -1, largeStep());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace common
