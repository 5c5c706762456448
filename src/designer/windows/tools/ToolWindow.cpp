#include "windows/tools/ToolWindow.h"

#include <QEvent>

namespace kirabellum {

ToolWindow::ToolWindow(DesignerSession& session, ToolKind kind) : session_(session), kind_(kind) {}

void ToolWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace kirabellum
