#pragma once

#include "windows/tools/ToolWindow.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QMdiArea;
class QMdiSubWindow;

namespace kirabellum {

// Opens, places, ticks and refreshes the tool windows inside the main window.
// Each kind of window registers a factory; the commands of the main window and
// of other windows reach the windows only through here.
class ToolWindowHost : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<ToolWindow*(DesignerSession&)>;

    ToolWindowHost(QMdiArea& area, DesignerSession& session);

    void registerWindow(ToolKind kind, Factory factory);
    // A passing line on the main window's status bar (its "Ready" returns after).
    void showStatus(const QString& text);
    bool isAvailable(ToolKind kind) const;
    // The VIEW menu item that the window ticks while it is open.
    void setViewAction(ToolKind kind, QAction* action);

    // The open window of that kind, or null.
    ToolWindow* window(ToolKind kind) const;
    template <class Window> Window* windowAs(ToolKind kind) const {
        return static_cast<Window*>(window(kind));
    }
    // Opens the window if it is closed: it is created, loads (most windows redraw
    // themselves from the document), is placed at its position and ticks its VIEW
    // item. An open window
    // is left as it is. Null when no window of that kind is available.
    ToolWindow* open(ToolKind kind);
    // The VIEW command: open if closed, then give the window the focus.
    void showAndFocus(ToolKind kind);
    template <class Window> Window* openAs(ToolKind kind) {
        return static_cast<Window*>(open(kind));
    }

    // New and Open: first every closed window is opened in the order preview,
    // render settings, colour, spark, gravity, particle (New has opened the spark
    // and colour windows before); then all six redraw in the order gravity,
    // particle, render settings, spark, colour, preview.
    void openClosedWindows();
    void refreshAll();
    // Undo and redo: the open windows that show the document redraw from it, in
    // the order of refreshAll. The preview keeps the strip it shows, which
    // belongs to the last render, not to the document.
    void refreshDocumentViews();

    // Where a window's top-left corner goes, in pixels of the main window's
    // client area (positions are kept in twips, 15 to the pixel).
    static QPoint position(ToolKind kind);

private:
    struct Slot {
        Factory factory;
        QPointer<QMdiSubWindow> frame;
        QPointer<ToolWindow> window;
        QPointer<QAction> viewAction;
    };
    Slot& slot(ToolKind kind) { return slots_[static_cast<std::size_t>(kind)]; }
    const Slot& slot(ToolKind kind) const { return slots_[static_cast<std::size_t>(kind)]; }

    QMdiArea& area_;
    DesignerSession& session_;
    std::array<Slot, 6> slots_;
};

} // namespace kirabellum
