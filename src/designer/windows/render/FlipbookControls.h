#pragma once

#include "common/sheets/FlipbookBlend.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QSpinBox;

namespace kirabellum {

// The preview's controls for playing the strip as an engine plays a sheet
// that keeps fewer frames: which frames are kept (every Nth), how the engine
// fills the time between two kept frames (off, a cross-fade, or motion
// vectors) and how much slower than the frame rate it plays (1 to 1/8).
class FlipbookControls : public QWidget {
    Q_OBJECT
public:
    explicit FlipbookControls(QWidget* parent = nullptr);

    common::FlipbookBlend blend() const;
    // 1, 2, 4 or 8: each frame of the render lasts that many ticks.
    int slowDown() const;
    int frameStep() const;

    // In the order of common::FlipbookBlend.
    QComboBox* blendBox() const { return blend_; }
    // 1, 1/2, 1/4, 1/8.
    QComboBox* speedBox() const { return speed_; }
    QSpinBox* frameStepBox() const { return frameStep_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::array<QLabel*, 3> labels_{};
    QComboBox* blend_;
    QComboBox* speed_;
    QSpinBox* frameStep_;
};

} // namespace kirabellum
