#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace common {

// Opens, places and ticks a program's tool windows inside its main window's
// area. Each kind of window (numbered from 0) is registered with how to build
// it and where it goes; the host keeps at most one window of each kind, fits
// its frame to its contents and ticks its View menu item while it is open.
class ToolWindowHost : public QObject {
    Q_OBJECT
public:
    struct Kind {
        // Builds the window; the host puts it in a frame of its own.
        std::function<QWidget*()> create;
        // Where the frame's top-left corner goes, in twips of the area (15 to
        // the pixel); asked each time the window opens.
        std::function<QPoint()> positionTwips;
        // The frame's title bar besides its title, system menu and close button.
        Qt::WindowFlags frameButtons;
        // Runs once the window stands in its frame, before it is fitted and placed.
        std::function<void(QWidget&)> load;
    };

    ToolWindowHost(QMdiArea& area, int kindCount);

    void registerWindow(int kind, Kind settings);
    bool isAvailable(int kind) const;
    // The View menu item that the window ticks while it is open; it is
    // greyed while no window of that kind is registered.
    void setViewAction(int kind, QAction* action);

    // The open window of that kind and its frame, or null.
    QWidget* window(int kind) const;
    QMdiSubWindow* frame(int kind) const;
    // Opens the window if it is closed: it is built, loaded, fitted to its
    // contents, placed and shown, and ticks its View item. An open window is
    // left as it is. Null when no window of that kind is registered.
    QWidget* open(int kind);
    // The View command: open if closed, then bring the window forward with
    // the focus.
    void showAndFocus(int kind);
    // Moves the open window of that kind to its position as it is now.
    void place(int kind);

    // Fixes a tool window's size, and its frame's, to what its contents need
    // now; windows whose pictures change size call it again.
    static void fitToContents(QWidget& window);

    // The program's settings (QSettings(program, program)) keep which windows
    // are open at quit; at the next start they open again.
    void rememberOpenWindows(const QString& program) const;
    void reopenRememberedWindows(const QString& program);

    // A short text in the middle of the area while none of the host's windows
    // is open: what to do first. Empty for none.
    void setEmptyAreaHint(const QString& text);
    QLabel* emptyAreaHint() const;

Q_SIGNALS:
    // A window of that kind has been built, placed and shown.
    void opened(int kind);

protected:
    QMdiArea& area() const { return area_; }

private:
    struct Slot {
        Kind settings;
        QPointer<QMdiSubWindow> frame;
        QPointer<QWidget> window;
        QPointer<QAction> viewAction;
    };
    Slot& slot(int kind) { return slots_[static_cast<std::size_t>(kind)]; }
    const Slot& slot(int kind) const { return slots_[static_cast<std::size_t>(kind)]; }
    void tick(int kind);
    // `going` is a frame being destroyed, which no longer counts as open.
    void showHintWhileEmpty(const QObject* going = nullptr);

    QMdiArea& area_;
    std::vector<Slot> slots_;
    QPointer<QLabel> hint_; // goes with the area's viewport
};

} // namespace common
