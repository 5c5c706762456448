#include "windows/tools/ToolWindowHost.h"

#include "core/session/DesignerSession.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QStatusBar>

namespace kirabellum {

namespace {

constexpr int KindCount = 7;

// Where each window's top-left corner goes, in twips of the main window's
// client area, in the order of ToolKind.
constexpr QPoint placements[] = {
    {128, 128},   // particle editor
    {128, 3800},  // gravity editor
    {4800, 3300}, // colour editor
    {4800, 4300}, // spark editor
    {4800, 128},  // render settings
    {6900, 4300}, // preview player
    {128, 7275},  // layer effects, below the gravity editor
};

int number(ToolKind kind) {
    return static_cast<int>(kind);
}

} // namespace

ToolWindowHost::ToolWindowHost(QMdiArea& area, DesignerSession& session)
    : common::ToolWindowHost(area, KindCount), session_(session) {
    connect(&session.events, &DesignerEvents::statusShown, this, &ToolWindowHost::showStatus);
}

void ToolWindowHost::registerWindow(ToolKind kind, Factory factory) {
    Kind settings;
    settings.create = [this, factory = std::move(factory)]() -> QWidget* {
        ToolWindow* toolWindow = factory(session_);
        toolWindow->host_ = this;
        return toolWindow;
    };
    settings.positionTwips = [kind] { return placements[number(kind)]; };
    settings.load = [](QWidget& window) { static_cast<ToolWindow&>(window).Form_Load(); };
    // The player has neither a minimize nor a maximize button, the others no
    // maximize button.
    if (kind != ToolKind::Preview)
        settings.frameButtons = Qt::WindowMinimizeButtonHint;
    common::ToolWindowHost::registerWindow(number(kind), std::move(settings));
}

bool ToolWindowHost::isAvailable(ToolKind kind) const {
    return common::ToolWindowHost::isAvailable(number(kind));
}

void ToolWindowHost::setViewAction(ToolKind kind, QAction* action) {
    common::ToolWindowHost::setViewAction(number(kind), action);
}

ToolWindow* ToolWindowHost::window(ToolKind kind) const {
    return static_cast<ToolWindow*>(common::ToolWindowHost::window(number(kind)));
}

void ToolWindowHost::addMainWindowAction(QAction* action) {
    area().addAction(action);
}

void ToolWindowHost::showStatus(const QString& text) {
    constexpr int ShownMilliseconds = 10000;
    if (auto* mainWindow = qobject_cast<QMainWindow*>(area().window()))
        mainWindow->statusBar()->showMessage(text, ShownMilliseconds);
}

ToolWindow* ToolWindowHost::open(ToolKind kind) {
    return static_cast<ToolWindow*>(common::ToolWindowHost::open(number(kind)));
}

void ToolWindowHost::showAndFocus(ToolKind kind) {
    common::ToolWindowHost::showAndFocus(number(kind));
}

void ToolWindowHost::openClosedWindows() {
    for (ToolKind kind : {ToolKind::Preview, ToolKind::Animation, ToolKind::Color, ToolKind::Hinoko,
                          ToolKind::Gravity, ToolKind::Editer})
        open(kind);
}

namespace {

constexpr ToolKind refreshOrder[] = {ToolKind::Gravity,   ToolKind::Editer, ToolKind::Effect,
                                     ToolKind::Animation, ToolKind::Hinoko, ToolKind::Color,
                                     ToolKind::Preview};

} // namespace

void ToolWindowHost::refresh(ToolKind kind) {
    if (ToolWindow* toolWindow = window(kind))
        toolWindow->DRefresh();
}

void ToolWindowHost::refreshAll() {
    for (ToolKind kind : refreshOrder)
        refresh(kind);
}

void ToolWindowHost::refreshDocumentViews() {
    for (ToolKind kind : refreshOrder)
        if (kind != ToolKind::Preview)
            refresh(kind);
}

} // namespace kirabellum
