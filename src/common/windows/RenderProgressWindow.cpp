#include "common/windows/RenderProgressWindow.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace common {

RenderProgressWindow::RenderProgressWindow(QWidget* parent, QString label, QString cancelText)
    : parent_(parent), label_(std::move(label)), cancelText_(std::move(cancelText)) {}

RenderProgressWindow::~RenderProgressWindow() = default;

bool RenderProgressWindow::report(int framesDone, int frameTotal) {
    if (!window_) {
        window_ = std::make_unique<QProgressDialog>(label_, cancelText_, 0, frameTotal, parent_);
        window_->setWindowTitle(parent_ != nullptr ? parent_->windowTitle() : QString());
        window_->setWindowModality(Qt::WindowModal);
        window_->setMinimumDuration(ShowAfterMilliseconds);
        window_->setValue(0); // the moment counts from here
    }
    // Once shown, the modal progress window lets pending events through as it
    // is set; until then only those that are not the user's (the parent's
    // input waits, as it would behind the window).
    window_->setValue(framesDone);
    if (!window_->isVisible())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    cancelled_ = cancelled_ || window_->wasCanceled();
    return !cancelled_;
}

} // namespace common
