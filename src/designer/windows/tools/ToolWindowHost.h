#pragma once

#include "common/windows/ToolWindowHost.h"
#include "windows/tools/ToolWindow.h"

#include <functional>

namespace kirabellum {

// The designer's tool windows in the main window, on the shared host: each
// kind registers a factory; the commands of the main window and of other
// windows reach the windows only through here.
class ToolWindowHost : public common::ToolWindowHost {
    Q_OBJECT
public:
    using Factory = std::function<ToolWindow*(DesignerSession&)>;

    ToolWindowHost(QMdiArea& area, DesignerSession& session);

    // The window opens at its place in the main window, and loads (most
    // windows redraw themselves from the document) before it is fitted.
    void registerWindow(ToolKind kind, Factory factory);
    // The session whose windows these are.
    DesignerSession& session() const { return session_; }
    // A passing line on the main window's status bar (its "Ready" returns after);
    // the session's status lines show here.
    void showStatus(const QString& text);
    bool isAvailable(ToolKind kind) const;
    // The VIEW menu item that the window ticks while it is open.
    void setViewAction(ToolKind kind, QAction* action);
    // The action's shortcut works anywhere in the main window.
    void addMainWindowAction(QAction* action);

    // The open window of that kind, or null.
    ToolWindow* window(ToolKind kind) const;
    template <class Window> Window* windowAs(ToolKind kind) const {
        return static_cast<Window*>(window(kind));
    }
    // Opens the window if it is closed (see common::ToolWindowHost::open); null
    // when no window of that kind is available.
    ToolWindow* open(ToolKind kind);
    // The VIEW command: open if closed, then give the window the focus.
    void showAndFocus(ToolKind kind);
    template <class Window> Window* openAs(ToolKind kind) {
        return static_cast<Window*>(open(kind));
    }

    // New and Open: first every closed window of the VIEW menu is opened in
    // the order preview, render settings, colour, spark, gravity, particle (New
    // has opened the spark and colour windows before); then the open windows
    // redraw in the order gravity, particle, layer effects, render settings,
    // spark, colour, preview.
    void openClosedWindows();
    // The open window of that kind, if any, redraws from the document.
    void refresh(ToolKind kind);
    void refreshAll();
    // Undo and redo: the open windows that show the document redraw from it, in
    // the order of refreshAll. The preview keeps the strip it shows, which
    // belongs to the last render, not to the document.
    void refreshDocumentViews();

private:
    DesignerSession& session_;
};

} // namespace kirabellum
