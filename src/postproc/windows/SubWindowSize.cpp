#include "windows/SubWindowSize.h"

#include <QMdiSubWindow>

namespace koratune {

void fitSubWindowToContent(QWidget* content) {
    auto* subWindow = qobject_cast<QMdiSubWindow*>(content->parentWidget());
    if (!subWindow)
        return;
    content->setFixedSize(content->sizeHint());
    subWindow->setMinimumSize(0, 0);
    subWindow->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    subWindow->adjustSize();
    subWindow->setFixedSize(subWindow->size());
}

} // namespace koratune
