#include "windows/tools/ToolWindow.h"

#include "common/windows/FileDrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>

namespace kirabellum {

ToolWindow::ToolWindow(DesignerSession& session, ToolKind kind) : session_(session), kind_(kind) {}

void ToolWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ToolWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!common::droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void ToolWindow::dropEvent(QDropEvent* event) {
    const QString path = common::droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    loadDroppedFile(path);
}

} // namespace kirabellum
