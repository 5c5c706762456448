#pragma once

#include "core/PostprocSession.h"
#include "windows/ToolWindows.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QMdiSubWindow;

namespace koratune {

class Color;
class Console;
class Pict;
class Preview;

// The post-processor's main window "Koratune v1.1": a frame for the tool
// windows (console, colour window, preview), with the file and view menus, a
// toolbar and a status bar. The session holds the shared settings and the
// images; the hidden window Pict stands for the images.
class MDIForm1 : public QMainWindow, public ToolWindows {
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

    Preview* loadPreview() override;
    void showWorkImage() override;
    void showStatus(const QString& text) override;
    int playbackFrameRate() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // An image dropped on the window opens as OpenPic would open it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    void createToolbar();
    void retranslate();
    QMdiSubWindow* addToolWindow(QWidget* content);
    void activate(QWidget* content);
    Console* loadConsole();
    Color* loadColour();
    void placeConsole();
    void placeColour();
    void placePreview();
    void updateCheckMarks();
    // Sizes the main window to show the tool windows as they are placed.
    void fitToToolWindows();

    PostprocSession& session_;
    Pict* pict_;
    QMdiArea* mdiArea_;
    QMenu* fileMenu_ = nullptr;
    QAction* open_ = nullptr;
    QAction* uni_ = nullptr;
    QAction* save_ = nullptr;
    QAction* end_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* version_ = nullptr;
    std::array<QAction*, 3> toolbarButtons_{};
    QLabel* ready_ = nullptr;
    QString readyText_;
    QPointer<Console> console_;
    QPointer<Color> colour_;
    QPointer<Preview> preview_;
    // The sizes of the console and colour windows when last open; the windows
    // place themselves by them.
    int consoleHeight_ = 0;
    int colourWidth_ = 0;
    QAction* consV_ = nullptr;
    QAction* colorV_ = nullptr;
    QAction* preV_ = nullptr;
};

} // namespace koratune
