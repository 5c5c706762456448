#pragma once

#include "core/FrameImages.h"
#include "core/SharedSettings.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;

namespace koratune {

class Color;
class Console;
class Pict;
class PostprocDialogs;
class Preview;

// What a file name is chosen for: reading an image or writing the output.
enum class FileUse { Open, Save };

// The post-processor's main window "Koratune v1.1": a frame for the tool
// windows (console, colour window, preview), with the file and view menus, a
// toolbar and a status bar. It owns the shared settings and, through the
// hidden window Pict, the work, overlay and base images.
class MDIForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit MDIForm1(PostprocDialogs& dialogs, QWidget* parent = nullptr);
    ~MDIForm1() override;

    SharedSettings& settings() { return settings_; }
    FrameImages& images();
    PostprocDialogs& dialogs() { return dialogs_; }
    QMdiArea* mdiArea() const { return mdiArea_; }

    // The tool windows while they are open, otherwise null.
    Console* console() const;
    Color* colour() const;
    Preview* preview() const;

    // Loads an image into the work and base images and shows its top-left
    // corner in the preview. Cancel changes nothing; a failure says why and
    // changes nothing.
    void OpenPic();
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
    // The file dialog shared by opening, compositing and output; it starts
    // from the name it last returned. Empty when cancelled.
    QString chooseFile(QWidget* parent, const QString& caption, FileUse use);
    // True when an image is open; otherwise tells the user so.
    bool requireImage(QWidget* parent, const QString& title);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createToolbar();
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

    PostprocDialogs& dialogs_;
    SharedSettings settings_;
    Pict* pict_;
    QMdiArea* mdiArea_;
    QPointer<Console> console_;
    QPointer<Color> colour_;
    QPointer<Preview> preview_;
    // The sizes of the console and colour windows when last open; the windows
    // place themselves by them.
    int consoleHeight_ = 0;
    int colourWidth_ = 0;
    QString lastFileName_;
    QAction* consV_ = nullptr;
    QAction* colorV_ = nullptr;
    QAction* preV_ = nullptr;
};

} // namespace koratune
