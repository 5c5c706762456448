#include "windows/tools/ToolWindowHost.h"

#include "common/ScreenUnits.h"
#include "core/document/DesignMath.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

namespace kirabellum {

namespace {

struct Placement {
    int leftTwips;
    int topTwips;
};

// In the order of ToolKind.
constexpr Placement placements[] = {
    {128, 128},   // particle editor
    {128, 3800},  // gravity editor
    {4800, 3300}, // colour editor
    {4800, 4300}, // spark editor
    {4800, 128},  // render settings
    {6900, 4300}, // preview player
};

} // namespace

ToolWindowHost::ToolWindowHost(QMdiArea& area, DesignerSession& session)
    : QObject(&area), area_(area), session_(session) {}

QPoint ToolWindowHost::position(ToolKind kind) {
    const Placement& placement = placements[static_cast<std::size_t>(kind)];
    return {common::twipsToPixels(placement.leftTwips), common::twipsToPixels(placement.topTwips)};
}

void ToolWindowHost::registerWindow(ToolKind kind, Factory factory) {
    slot(kind).factory = std::move(factory);
    if (slot(kind).viewAction)
        slot(kind).viewAction->setEnabled(true);
}

bool ToolWindowHost::isAvailable(ToolKind kind) const {
    return bool(slot(kind).factory);
}

void ToolWindowHost::setViewAction(ToolKind kind, QAction* action) {
    slot(kind).viewAction = action;
    action->setCheckable(true);
    action->setChecked(window(kind) != nullptr);
    action->setEnabled(isAvailable(kind));
}

ToolWindow* ToolWindowHost::window(ToolKind kind) const {
    return slot(kind).window.data();
}

void ToolWindowHost::showStatus(const QString& text) {
    constexpr int ShownMilliseconds = 10000;
    if (auto* mainWindow = qobject_cast<QMainWindow*>(area_.window()))
        mainWindow->statusBar()->showMessage(text, ShownMilliseconds);
}

ToolWindow* ToolWindowHost::open(ToolKind kind) {
    Slot& entry = slot(kind);
    if (entry.window)
        return entry.window;
    if (!entry.factory)
        return nullptr;

    ToolWindow* toolWindow = entry.factory(session_);
    auto* frame = new QMdiSubWindow;
    frame->setWidget(toolWindow);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    // Fixed size, no maximize button.
    Qt::WindowFlags flags =
        Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (toolWindow->hasMinimizeButton())
        flags |= Qt::WindowMinimizeButtonHint;
    frame->setWindowFlags(flags);
    frame->setWindowIcon(area_.window()->windowIcon());
    area_.addSubWindow(frame);
    entry.frame = frame;
    entry.window = toolWindow;

    toolWindow->Form_Load();
    toolWindow->adjustSize();
    toolWindow->setFixedSize(toolWindow->sizeHint());
    frame->adjustSize();
    frame->setFixedSize(frame->sizeHint());
    frame->move(position(kind));
    frame->show();

    if (entry.viewAction)
        entry.viewAction->setChecked(true);
    connect(frame, &QObject::destroyed, this, [this, kind] {
        Slot& closed = slot(kind);
        if (closed.viewAction)
            closed.viewAction->setChecked(false);
    });
    return toolWindow;
}

void ToolWindowHost::showAndFocus(ToolKind kind) {
    if (ToolWindow* toolWindow = open(kind)) {
        area_.setActiveSubWindow(slot(kind).frame);
        toolWindow->setFocus();
    }
    // A click on the checkable menu item toggled its tick; it follows the window.
    if (slot(kind).viewAction)
        slot(kind).viewAction->setChecked(window(kind) != nullptr);
}

void ToolWindowHost::openClosedWindows() {
    for (ToolKind kind : {ToolKind::Preview, ToolKind::Animation, ToolKind::Color, ToolKind::Hinoko,
                          ToolKind::Gravity, ToolKind::Editer})
        open(kind);
}

namespace {

constexpr ToolKind refreshOrder[] = {ToolKind::Gravity, ToolKind::Editer, ToolKind::Animation,
                                     ToolKind::Hinoko,  ToolKind::Color,  ToolKind::Preview};

} // namespace

void ToolWindowHost::refreshAll() {
    for (ToolKind kind : refreshOrder)
        if (ToolWindow* toolWindow = window(kind))
            toolWindow->DRefresh();
}

void ToolWindowHost::refreshDocumentViews() {
    for (ToolKind kind : refreshOrder)
        if (kind != ToolKind::Preview)
            if (ToolWindow* toolWindow = window(kind))
                toolWindow->DRefresh();
}

} // namespace kirabellum
