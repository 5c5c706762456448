#pragma once

#include "core/PostprocSession.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace common {
class ToolWindowHost;
}

namespace koratune {

class Color;
class Console;
class Preview;

// The post-processor's main window "Koratune v1.1": a frame for the tool
// windows (console, colour window, preview), with the file and view menus, a
// toolbar and a status bar. The session holds the shared settings and the
// images.
class MDIForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit MDIForm1(PostprocSession& session, QWidget* parent = nullptr);
    ~MDIForm1() override;

    PostprocSession& session() { return session_; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    // The View menu (表示), which the language entry joins.
    QMenu* viewMenu() const { return viewMenu_; }

    // The tool windows while they are open, otherwise null.
    Console* console() const;
    Color* colour() const;
    Preview* preview() const;

    // Loads an image into the work and base images and shows its top-left
    // corner in the preview. Cancel changes nothing; a failure says why and
    // changes nothing.
    void OpenPic();
    // Opens the image at `name` as OpenPic does once its file is chosen.
    void openPicture(const QString& name);
    // Lays an image over the work image, its top-left colour transparent, and
    // makes the result the new base image.
    void UnionPic();
    // Opens the output window, modally.
    void Save_Click();

    // The view menu: opens the window if needed and gives it the focus.
    void ConsV_Click();
    void ColorV_Click();
    void PreV_Click();
    // Shows the version window, not modally.
    void Version_Click();
    // Toolbar buttons 1 to 3 act as the console, colour and preview entries.
    void Toolbar1_ButtonClick(int index);

    // The preview window, opened without taking the focus if it was closed.
    Preview* loadPreview();
    // Shows the work image as it now is in the preview, as Open does.
    void showWorkImage();
    // Puts a line on the status bar, in the language of the moment and again
    // in each language switched to while it stands.
    void showStatus(const StatusText& text);
    // The frames per second the console plays at (its start rate while it is
    // closed), the rate an exported sheet's metadata states.
    int playbackFrameRate() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createMenus();
    void createToolbar();
    void retranslate();
    void registerToolWindows();
    // Sizes the main window to show the tool windows as they are placed.
    void fitToToolWindows();

    PostprocSession& session_;
    QMdiArea* mdiArea_;
    common::ToolWindowHost* windows_;
    QMenu* fileMenu_ = nullptr;
    QAction* open_ = nullptr;
    QAction* uni_ = nullptr;
    QAction* save_ = nullptr;
    QAction* end_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* version_ = nullptr;
    std::array<QAction*, 3> toolbarButtons_{};
    QLabel* ready_ = nullptr;
    // The line on the status bar; "Ready" while none has been shown.
    StatusText status_;
    // The sizes of the console and colour windows when last opened; the
    // windows below and beside them are placed by them.
    int consoleHeight_ = 0;
    int colourWidth_ = 0;
    QAction* consV_ = nullptr;
    QAction* colorV_ = nullptr;
    QAction* preV_ = nullptr;
};

} // namespace koratune
