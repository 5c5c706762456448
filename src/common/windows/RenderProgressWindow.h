#pragma once

#include "common/RenderProgress.h"

#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

namespace common {

// The progress of a render a window waits for: a progress window over
// `parent`, modal to it, shown only once the render has lasted a moment, with a
// button that cancels it. Reporting lets pending events through, so that the
// window repaints and the button answers.
class RenderProgressWindow {
public:
    RenderProgressWindow(QWidget* parent, QString label, QString cancelText);
    ~RenderProgressWindow();
    RenderProgressWindow(const RenderProgressWindow&) = delete;
    RenderProgressWindow& operator=(const RenderProgressWindow&) = delete;

    // The render's report; false once the button was pressed.
    bool report(int framesDone, int frameTotal);
    RenderProgress progress() {
        return [this](int framesDone, int frameTotal) { return report(framesDone, frameTotal); };
    }
    bool cancelled() const { return cancelled_; }

    // How long a render runs before the window shows.
    static constexpr int ShowAfterMilliseconds = 400;

private:
    QWidget* parent_;
    QString label_;
    QString cancelText_;
    std::unique_ptr<QProgressDialog> window_;
    bool cancelled_ = false;
};

} // namespace common
