#pragma once

#include "core/session/DesignLifecycle.h"
#include "windows/tools/ToolWindow.h"

#include <QMainWindow>

#include <array>
#include <vector>

class QAction;
class QMdiArea;
class QToolBar;
class QLabel;
class QTimer;

namespace kirabellum {

class DesignerSession;
struct SampleDesign;
class ToolWindowHost;
class Sprs;

// The designer's main window "Kirabellum v1.22": the menus, the toolbar, the
// status bar and the area that holds the tool windows. Its commands create,
// open and save designs, open the tool windows and start the post-processor.
class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm1(DesignerSession& session);
    ~MDIForm1() override;

    ToolWindowHost& windows() { return *windows_; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    // The sample designs the samples menu offers, with their names in both
    // languages.
    const std::vector<SampleDesign>& samples() const { return samples_; }

    // The commands, as the menu items and toolbar buttons run them.
    void NEW_Click();
    void OPEN_Click(int index); // 0: version 1.2, 1: version 1.1; either or JSON
    // 保存 (Save As), with the dialog. True when the design was saved.
    bool SAVE_Click();
    // 上書き保存 (Save, Ctrl+S): a design with a file is saved there without
    // the dialog. True when the design was saved.
    bool OVERWRITE_Click();
    // Opens the export window over the last rendered strip; without one, says so.
    void EXPORT_Click();
    void UNDO_Click();
    void REDO_Click();
    void KoratuneUP_Click();
    void Version_Click();
    void END_Click();
    void Toolbar1_ButtonClick(int index); // buttons 1 to 6

    // What the design file's lifecycle does (DesignLifecycle), as the
    // program's start, the recent list and the samples menu ask it.
    bool openDesign(const QString& path);
    void openRecentDesign(const QString& path);
    // The sample design at `index` of samples().
    void openSample(int index);
    bool offerRecovery();
    // At start: the tool windows that were open when the designer last quit.
    void reopenToolWindows();
    // Every 30 seconds: the design with unsaved changes goes to the recovery file.
    void RecoveryTimer_Timer();

    // Menu items, named as the commands they run.
    QMenu* FILE;
    QAction* NEW;
    std::array<QAction*, 2> OPEN{};
    QMenu* RECENT; // "最近使ったデザイン": filled each time it opens
    // "サンプル": one entry per sample design, in their order, captioned with
    // the sample's name; an entry's data is its index in samples().
    QMenu* SAMPLES;
    QAction* OVERWRITE;
    QAction* SAVE;
    QAction* EXPORT;
    QAction* KoratuneUP;
    QAction* END;
    QMenu* EDIT;
    QAction* UNDO;
    QAction* REDO;
    QMenu* VIEW;
    QAction* EDITER;
    QAction* GRAVITY;
    QAction* COLOR;
    QAction* HINOKO;
    QAction* ANIMATION;
    QAction* PREVIEW;
    QAction* Version;
    QToolBar* Toolbar1;
    QLabel* StatusBar1;
    QTimer* RecoveryTimer;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Presses and releases anywhere in the program bound the gestures whose
    // changes form one undo step.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A design file dropped on the window opens as Open would open it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The menus', the toolbar's and the status bar's texts in the language
    // installed now.
    void retranslate();
    // The Edit menu's undo and redo entries, naming the step each would take
    // back or make again.
    void showUndoRedoTexts();
    QAction* viewAction(ToolKind kind) const;
    // Answers the design file's lifecycle: the tool windows open and redraw,
    // the title shows the design's file.
    void showRequested(DesignLifecycle::WindowRequest request);
    void showTitle();
    void fillRecentMenu();

    DesignerSession& session_;
    DesignLifecycle lifecycle_;
    QMdiArea* mdiArea_;
    ToolWindowHost* windows_;
    std::vector<SampleDesign> samples_;
};

} // namespace kirabellum
