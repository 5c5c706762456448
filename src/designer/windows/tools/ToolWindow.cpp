#include "windows/tools/ToolWindow.h"

#include <QMdiSubWindow>

namespace kirabellum {

ToolWindow::ToolWindow(DesignerSession& session, ToolKind kind, const QString& caption)
    : session_(session), kind_(kind) {
    setWindowTitle(caption);
}

void ToolWindow::fitToContents() {
    adjustSize();
    setFixedSize(sizeHint());
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        // Release the old fixed size before taking the new one.
        frame->setMinimumSize(0, 0);
        frame->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        frame->adjustSize();
        frame->setFixedSize(frame->sizeHint());
    }
}

} // namespace kirabellum
