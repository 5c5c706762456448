#include "windows/main/MDIForm1.h"

#include "common/FramePlayback.h"
#include "common/windows/FileDrop.h"
#include "common/windows/ProgramIcon.h"
#include "common/windows/SheetExportDialog.h"
#include "common/windows/WindowPlacement.h"
#include "core/ProgramInfo.h"
#include "core/document/DesignFormat.h"
#include "core/editing/SampleDesigns.h"
#include "core/render/AtlasExport.h"
#include "core/render/RecordingRerun.h"
#include "core/session/DesignerSession.h"
#include "windows/main/Sprs.h"
#include "windows/main/ToolbarIcons.h"
#include "windows/render/F_Preview.h"
#include "windows/render/PaletteControls.h"
#include "windows/tools/ToolWindowHost.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <memory>

namespace kirabellum {

namespace {

constexpr QSize clientArea(906, 675);

constexpr std::chrono::milliseconds RecoveryInterval(30000);

// The settings that keep which tool windows were open at quit.
const QString SettingsName = QStringLiteral("kirabellum");

} // namespace

MDIForm1::MDIForm1(DesignerSession& session)
    : session_(session),
      lifecycle_(session,
                 [this](DesignLifecycle::WindowRequest request) { showRequested(request); }),
      samples_(sampleDesigns()) {
    setAcceptDrops(true);
    setWindowIcon(common::programIcon(QStringLiteral(":/icons/kirabellum.svg")));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setBackground(QColor(128, 128, 128));
    // A tool window that grows past the area (the preview of large frames)
    // stays reachable.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    windows_ = new ToolWindowHost(*mdiArea_, session_);

    FILE = menuBar()->addMenu(QString());
    NEW = FILE->addAction(QString(), this, &MDIForm1::NEW_Click);
    FILE->addSeparator();
    OPEN[0] = FILE->addAction(QString(), this, [this] { OPEN_Click(0); });
    OPEN[1] = FILE->addAction(QString(), this, [this] { OPEN_Click(1); });
    RECENT = FILE->addMenu(QString());
    connect(RECENT, &QMenu::aboutToShow, this, &MDIForm1::fillRecentMenu);
    fillRecentMenu();
    SAMPLES = FILE->addMenu(QString());
    for (std::size_t index = 0; index < samples_.size(); ++index) {
        const int entryIndex = static_cast<int>(index);
        QAction* entry =
            SAMPLES->addAction(QString(), this, [this, entryIndex] { openSample(entryIndex); });
        entry->setData(entryIndex);
    }
    FILE->addSeparator();
    OVERWRITE = FILE->addAction(QString(), this, &MDIForm1::OVERWRITE_Click);
    SAVE = FILE->addAction(QString(), this, &MDIForm1::SAVE_Click);
    EXPORT = FILE->addAction(QString(), this, &MDIForm1::EXPORT_Click);
    FILE->addSeparator();
    KoratuneUP = FILE->addAction(QString(), this, &MDIForm1::KoratuneUP_Click);
    FILE->addSeparator();
    END = FILE->addAction(QString(), this, &MDIForm1::END_Click);
    NEW->setShortcut(QKeySequence::New);
    OPEN[0]->setShortcut(QKeySequence::Open);
    OVERWRITE->setShortcut(QKeySequence::Save);
    SAVE->setShortcut(QKeySequence::SaveAs);
    EXPORT->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));

    EDIT = menuBar()->addMenu(QString());
    UNDO = EDIT->addAction(QString(), this, &MDIForm1::UNDO_Click);
    UNDO->setShortcut(QKeySequence::Undo);
    REDO = EDIT->addAction(QString(), this, &MDIForm1::REDO_Click);
    REDO->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    DesignHistory& history = session_.history;
    UNDO->setEnabled(history.canUndo());
    REDO->setEnabled(history.canRedo());
    connect(&history.stack(), &QUndoStack::canUndoChanged, UNDO, &QAction::setEnabled);
    connect(&history.stack(), &QUndoStack::canRedoChanged, REDO, &QAction::setEnabled);
    connect(&history.stack(), &QUndoStack::indexChanged, this, &MDIForm1::showUndoRedoTexts);
    connect(&history, &DesignHistory::restored, this, [this] { windows_->refreshDocumentViews(); });
    connect(&history, &DesignHistory::modifiedChanged, this, &MDIForm1::showTitle);
    qApp->installEventFilter(this);

    RecoveryTimer = new QTimer(this);
    RecoveryTimer->setInterval(RecoveryInterval);
    connect(RecoveryTimer, &QTimer::timeout, this, &MDIForm1::RecoveryTimer_Timer);
    RecoveryTimer->start();

    VIEW = menuBar()->addMenu(QString());
    QAction** views[] = {&EDITER, &GRAVITY, &COLOR, &HINOKO, &ANIMATION, &PREVIEW};
    for (std::size_t index = 0; index < std::size(views); ++index) {
        const auto kind = static_cast<ToolKind>(index);
        *views[index] =
            VIEW->addAction(QString(), this, [this, kind] { windows_->showAndFocus(kind); });
        windows_->setViewAction(kind, *views[index]);
    }
    Version = menuBar()->addAction(QString(), this, &MDIForm1::Version_Click);

    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(24, 24));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int index = 1; index <= 6; ++index) {
        Toolbar1->addAction(toolbarIcon(index), QString(),
                            [this, index] { Toolbar1_ButtonClick(index); });
    }

    StatusBar1 = new QLabel;
    statusBar()->addWidget(StatusBar1, 1);
    statusBar()->setSizeGripEnabled(false);
    retranslate();

    // The client area holding the tool windows is 906 x 675 pixels.
    resize(clientArea.width(), clientArea.height() + menuBar()->sizeHint().height() +
                                   Toolbar1->sizeHint().height() +
                                   statusBar()->sizeHint().height());
    common::centreOnScreen(*this);
}

void MDIForm1::retranslate() {
    FILE->setTitle(tr("ﾌｧｲﾙ(&F)"));
    NEW->setText(tr("新規作成(&N)"));
    OPEN[0]->setText(tr("開く(&O)"));
    OPEN[1]->setText(tr("V1.1のファイルを開く(&A)"));
    RECENT->setTitle(tr("最近使ったデザイン(&R)"));
    SAMPLES->setTitle(tr("サンプル(&M)"));
    for (QAction* entry : SAMPLES->actions()) {
        const SampleDesign& sample = samples_[static_cast<std::size_t>(entry->data().toInt())];
        entry->setText(QCoreApplication::translate("kirabellum::SampleDesigns",
                                                   sample.name.toUtf8().constData()));
    }
    OVERWRITE->setText(tr("上書き保存(&W)"));
    SAVE->setText(tr("保存(&S)"));
    EXPORT->setText(tr("書き出し(&X)"));
    KoratuneUP->setText(tr("Koratuneを起動"));
    END->setText(tr("終了(&E)"));
    EDIT->setTitle(tr("編集(&E)"));
    showUndoRedoTexts();
    VIEW->setTitle(tr("表示(&V)"));
    Version->setText(tr("バージョン情報(&A)"));
    // Each toolbar button opens a tool window: its tip names the window (its
    // View entry) and says what is done there.
    const char* views[] = {QT_TR_NOOP("ParticleEditer"),      QT_TR_NOOP("Gravity"),
                           QT_TR_NOOP("ColorTransformation"), QT_TR_NOOP("Fire"),
                           QT_TR_NOOP("Animation"),           QT_TR_NOOP("Preview")};
    const char* uses[] = {
        QT_TR_NOOP("レイヤーの中心・粒数・速さ・爆発の形を編集する"),
        QT_TR_NOOP("すべての粒にかかる重力（線形・回転・引力）を決める"),
        QT_TR_NOOP("粒の明るさを色に変えるカラーランプを選ぶ"),
        QT_TR_NOOP("レイヤーごとの火の粉の画像を選ぶ"),
        QT_TR_NOOP("フレームの大きさと数を決めてレンダリングする"),
        QT_TR_NOOP("レンダリングしたフレームを再生して保存する"),
    };
    const QList<QAction*> buttons = Toolbar1->actions();
    for (std::size_t index = 0; index < std::size(views); ++index) {
        const QString caption = tr(views[index]);
        viewAction(static_cast<ToolKind>(index))->setText(caption);
        buttons[static_cast<qsizetype>(index)]->setToolTip(
            tr("%1: %2").arg(caption, tr(uses[index])));
    }
    StatusBar1->setText(tr("Ready"));
    windows_->setEmptyAreaHint(tr("はじめに\n\n新しいデザイン: ﾌｧｲﾙ → 新規作成 (Ctrl+N)\n"
                                  "サンプルを開く: ﾌｧｲﾙ → サンプル\n"
                                  "デザインを開く: ﾌｧｲﾙ → 開く (Ctrl+O)、またはここへドロップ"));
    showTitle();
}

void MDIForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

MDIForm1::~MDIForm1() {
    qApp->removeEventFilter(this);
}

void MDIForm1::showTitle() {
    QString title =
        QString::fromLatin1(ProgramTitle) + QStringLiteral(" - ") + lifecycle_.documentName();
    const bool modified = session_.history.isModified();
    if (modified)
        title += QStringLiteral("[*]");
    setWindowTitle(title);
    setWindowModified(modified);
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        session_.history.beginGesture();
        break;
    case QEvent::MouseButtonRelease:
        session_.history.endGesture();
        break;
    case QEvent::KeyPress:
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
            session_.history.beginGesture();
        break;
    case QEvent::KeyRelease:
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
            session_.history.endGesture();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction* MDIForm1::viewAction(ToolKind kind) const {
    const std::array<QAction*, 6> actions = {EDITER, GRAVITY, COLOR, HINOKO, ANIMATION, PREVIEW};
    return actions[static_cast<std::size_t>(kind)];
}

void MDIForm1::showRequested(DesignLifecycle::WindowRequest request) {
    switch (request) {
    case DesignLifecycle::WindowRequest::OpenForNewDesign:
        windows_->open(ToolKind::Hinoko);
        windows_->open(ToolKind::Color);
        windows_->openClosedWindows();
        break;
    case DesignLifecycle::WindowRequest::OpenClosedWindows:
        windows_->openClosedWindows();
        break;
    case DesignLifecycle::WindowRequest::Refresh:
        windows_->refreshAll();
        break;
    case DesignLifecycle::WindowRequest::ShowTitle:
        showTitle();
        break;
    }
}

void MDIForm1::NEW_Click() {
    lifecycle_.newDesign();
}

void MDIForm1::OPEN_Click(int index) {
    lifecycle_.open(
        DesignFormat::of(index == 1 ? DesignFormat::Version11 : DesignFormat::Version12));
}

bool MDIForm1::openDesign(const QString& path) {
    return lifecycle_.openDesign(path);
}

void MDIForm1::openRecentDesign(const QString& path) {
    lifecycle_.openRecentDesign(path);
}

void MDIForm1::openSample(int index) {
    // The design comes from the table, not from its file in samples/: with no
    // file of its own, Save asks where to put it.
    const SampleDesign& sample = samples_[static_cast<std::size_t>(index)];
    lifecycle_.openSample(sample.design, sample.fileName);
}

void MDIForm1::fillRecentMenu() {
    RECENT->clear();
    const QStringList paths = session_.recentDesigns.paths();
    for (int index = 0; index < paths.size(); ++index) {
        const QString& path = paths[index];
        QAction* entry = RECENT->addAction(
            QStringLiteral("&%1 %2").arg(index + 1).arg(QFileInfo(path).fileName()), this,
            [this, path] { openRecentDesign(path); });
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
    }
    RECENT->setEnabled(!paths.isEmpty());
}

void MDIForm1::dragEnterEvent(QDragEnterEvent* event) {
    const QString path = common::droppedFile(event->mimeData());
    if (DesignLifecycle::isDesignFile(path))
        event->acceptProposedAction();
}

void MDIForm1::dropEvent(QDropEvent* event) {
    const QString path = common::droppedFile(event->mimeData());
    if (!DesignLifecycle::isDesignFile(path))
        return;
    event->acceptProposedAction();
    // The question about unsaved changes waits until the drop has ended.
    QTimer::singleShot(0, this, [this, path] { lifecycle_.openDropped(path); });
}

bool MDIForm1::SAVE_Click() {
    return lifecycle_.save();
}

bool MDIForm1::OVERWRITE_Click() {
    return lifecycle_.saveInPlace();
}

void MDIForm1::EXPORT_Click() {
    const QString title = tr("書き出し");
    const RendPic& rendPic = session_.rendPic;
    // The preview keeps a blank strip until a render draws one.
    if (rendPic.picture().isNull() || rendPic.picture() != session_.renderRun.strip()) {
        session_.dialogs.warning(title, tr("書き出すフレームがまだありません。\n\n"
                                           "レンダリングしてから書き出してください。"));
        return;
    }
    const StripLayout& layout = rendPic.layout();
    // The strip's background, which empty cells hold, is the ramp's first colour.
    const common::Colour background = common::colourFromRgb(rendPic.backgroundColour());
    common::SheetExportSource source;
    source.frames = {rendPic.picture(), layout.grid(), layout.FrameCount, background};
    source.frameSize = layout.FrameSize;
    source.columns = layout.Columns;
    source.background = background;
    source.framesPerSecond = common::captionedFrameRate(session_.document.RefreshRate);
    source.loop = session_.renderRun.mode().loop;
    source.loopFrames = layout.FrameCount / session_.renderRun.mode().cycles;
    source.application = QString::fromLatin1(ProgramName);
    source.version = QString::fromLatin1(ProgramVersion);
    source.proposedFile =
        QDir(session_.designFolder)
            .filePath(session_.designFileName.isEmpty()
                          ? QString()
                          : QFileInfo(session_.designFileName).completeBaseName() +
                                QStringLiteral(".png"));
    // Motion vectors and ramp indices come from rendering the design again as
    // the strip was rendered.
    source.companions = [this](const common::SheetOptions& options, const QString& imagePath,
                               common::SheetCompanions& companions) {
        RecordingRerun rerun(session_.workers);
        return rerun.addCompanions(session_.document, session_.renderRun,
                                   session_.rendPic.picture(), options, imagePath, companions);
    };
    // A palette's frames come from rendering the design again through the
    // ramp snapped to it, as the command line renders them.
    source.lockToPalette = [this](const common::SheetOptions& options,
                                  const common::Palette& palette, common::SheetFrames& locked,
                                  common::Colour& lockedBackground) {
        RecordingRerun rerun(session_.workers);
        return rerun.lockToPalette(session_.document, session_.renderRun,
                                   session_.rendPic.picture(), options, palette, locked,
                                   lockedBackground);
    };
    // Variants, crops, trims and designs beside this one are rendered anew,
    // as the command line renders an atlas.
    const QString designName = session_.designFileName.isEmpty()
                                   ? QStringLiteral("design")
                                   : QFileInfo(session_.designFileName).completeBaseName();
    source.ownDesign = session_.designFileName.isEmpty()
                           ? tr("（このデザイン）")
                           : QFileInfo(session_.designFileName).fileName();
    for (const DesignFormat& format : DesignFormat::all())
        source.designFilters << format.filter;
    // The window lives shorter than the design and its render; the designs
    // are rendered again only when a change of its options needs it.
    auto atlasExport = std::make_shared<AtlasExport>(
        session_.workers, session_.document, designName, session_.renderRun,
        QString::fromLatin1(ProgramName), QString::fromLatin1(ProgramVersion));
    source.renderSheet = [atlasExport](const common::SheetOptions& options,
                                       const QStringList& designFiles, const QString& imagePath,
                                       common::SheetCompanions& files,
                                       const common::RenderProgress& progress) {
        return atlasExport->sheetFiles(designFiles, options, imagePath, files, progress);
    };
    // The export starts from the palette and scale the preview plays with.
    if (const auto* preview = windows_->windowAs<F_Preview>(ToolKind::Preview))
        source.pixelArt = preview->PixelArt->options();
    common::SheetExportDialog dialog(source, session_.dialogs, this);
    if (dialog.exec() == QDialog::Accepted)
        session_.events.reportWritten(dialog.writtenFiles());
}

void MDIForm1::showUndoRedoTexts() {
    // The entries name the change they take back or make again, before the
    // access key as Japanese menus place it.
    const DesignHistory& history = session_.history;
    UNDO->setText(history.canUndo() ? tr("元に戻す: %1(&U)").arg(history.undoName().text())
                                    : tr("元に戻す(&U)"));
    REDO->setText(history.canRedo() ? tr("やり直し: %1(&R)").arg(history.redoName().text())
                                    : tr("やり直し(&R)"));
}

void MDIForm1::UNDO_Click() {
    session_.history.undo();
}

void MDIForm1::REDO_Click() {
    session_.history.redo();
}

void MDIForm1::reopenToolWindows() {
    windows_->reopenRememberedWindows(SettingsName);
}

bool MDIForm1::offerRecovery() {
    return lifecycle_.offerRecovery();
}

void MDIForm1::RecoveryTimer_Timer() {
    const common::Status status = session_.keepRecovery();
    if (!status.ok())
        statusBar()->showMessage(status.message(), RecoveryInterval.count());
}

void MDIForm1::KoratuneUP_Click() {
    const QString& program = session_.koratuneProgram;
    const QFileInfo file(program);
    QString problem;
    if (!file.exists())
        problem = tr("Koratune が見つかりません: %1").arg(program);
    else if (!QProcess::startDetached(program, {}, file.absolutePath()))
        problem = tr("Koratune を起動できません: %1").arg(program);
    if (!problem.isEmpty())
        session_.dialogs.warning(tr("Koratuneを起動"), problem);
}

void MDIForm1::Version_Click() {
    Sprs::showSplash();
}

void MDIForm1::END_Click() {
    close();
}

void MDIForm1::Toolbar1_ButtonClick(int index) {
    if (index >= 1 && index <= 6)
        windows_->showAndFocus(static_cast<ToolKind>(index - 1));
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    const bool mayClose = session_.history.isModified()
                              ? lifecycle_.keepUnsavedChanges()
                              : session_.dialogs.confirm(tr("終了"), tr("終了しても良いノン？"));
    if (!mayClose) {
        event->ignore();
        return;
    }
    // The tool windows open now open again at the next start.
    windows_->rememberOpenWindows(SettingsName);
    mdiArea_->closeAllSubWindows();
    // A recovery file left here would offer the saved or discarded design at
    // the next start.
    const common::Status removed = session_.recovery.remove();
    if (!removed.ok())
        session_.dialogs.warning(QStringLiteral("Kirabellum"), removed.message());
    event->accept();
}

} // namespace kirabellum
