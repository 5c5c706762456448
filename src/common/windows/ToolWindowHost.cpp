#include "common/windows/ToolWindowHost.h"

#include "common/ScreenUnits.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace common {

ToolWindowHost::ToolWindowHost(QMdiArea& area, int kindCount)
    : QObject(&area), area_(area), slots_(static_cast<std::size_t>(kindCount)) {}

void ToolWindowHost::registerWindow(int kind, Kind settings) {
    slot(kind).settings = std::move(settings);
    if (slot(kind).viewAction)
        slot(kind).viewAction->setEnabled(true);
}

bool ToolWindowHost::isAvailable(int kind) const {
    return bool(slot(kind).settings.create);
}

void ToolWindowHost::setViewAction(int kind, QAction* action) {
    slot(kind).viewAction = action;
    action->setCheckable(true);
    action->setEnabled(isAvailable(kind));
    tick(kind);
}

void ToolWindowHost::tick(int kind) {
    if (QAction* action = slot(kind).viewAction)
        action->setChecked(window(kind) != nullptr);
}

QWidget* ToolWindowHost::window(int kind) const {
    return slot(kind).window.data();
}

QMdiSubWindow* ToolWindowHost::frame(int kind) const {
    return slot(kind).frame.data();
}

QWidget* ToolWindowHost::open(int kind) {
    Slot& entry = slot(kind);
    if (entry.window)
        return entry.window;
    if (!entry.settings.create)
        return nullptr;

    QWidget* content = entry.settings.create();
    auto* frame = new QMdiSubWindow;
    frame->setWidget(content);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    // A fixed size and no maximize button.
    frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | entry.settings.frameButtons);
    // A window without an icon of its own shows the program's.
    if (!content->testAttribute(Qt::WA_SetWindowIcon))
        frame->setWindowIcon(area_.window()->windowIcon());
    area_.addSubWindow(frame);
    entry.frame = frame;
    entry.window = content;

    if (entry.settings.load)
        entry.settings.load(*content);
    fitToContents(*content);
    place(kind);
    frame->show();

    tick(kind);
    connect(frame, &QObject::destroyed, this, [this, kind] {
        if (QAction* action = slot(kind).viewAction)
            action->setChecked(false);
    });
    Q_EMIT opened(kind);
    return content;
}

void ToolWindowHost::showAndFocus(int kind) {
    if (QWidget* content = open(kind)) {
        area_.setActiveSubWindow(slot(kind).frame);
        slot(kind).frame->raise();
        content->setFocus();
    }
    // A click on the checkable menu item toggled its tick; it follows the window.
    tick(kind);
}

void ToolWindowHost::place(int kind) {
    const Slot& entry = slot(kind);
    if (entry.frame && entry.settings.positionTwips) {
        const QPoint twips = entry.settings.positionTwips();
        entry.frame->move(twipsToPixels(twips.x()), twipsToPixels(twips.y()));
    }
}

void ToolWindowHost::fitToContents(QWidget& window) {
    window.adjustSize();
    window.setFixedSize(window.sizeHint());
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window.parentWidget())) {
        // Release the old fixed size before taking the new one.
        frame->setMinimumSize(0, 0);
        frame->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        frame->adjustSize();
        frame->setFixedSize(frame->sizeHint());
    }
}

} // namespace common
