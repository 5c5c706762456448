#include "windows/main/MDIForm1.h"

#include "cli/CommandLine.h"
#include "common/FileNames.h"
#include "common/FramePlayback.h"
#include "common/windows/FileDrop.h"
#include "common/windows/ProgramIcon.h"
#include "common/windows/SheetExportDialog.h"
#include "common/windows/WindowPlacement.h"
#include "core/document/DesignFile.h"
#include "core/document/DesignFormat.h"
#include "core/session/DesignerSession.h"
#include "windows/main/Sprs.h"
#include "windows/main/ToolbarIcons.h"
#include "windows/tools/ToolWindowHost.h"

#include "SampleDesigns.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace kirabellum {

namespace {

constexpr QSize clientArea(906, 675);

// The dialogs of Open and Save offer the command's own format first and the
// JSON form second.
QString filterWithJson(const DesignFormat& own) {
    return own.filter + QLatin1Char('|') + DesignFormat::of(DesignFormat::Json).filter;
}

// The format of what was chosen there: JSON when its filter was chosen or the
// name ends in ".json", otherwise the command's own format.
const DesignFormat& chosenFormat(const DesignerDialogs::FileChoice& choice,
                                 const DesignFormat& own) {
    const DesignFormat& json = DesignFormat::of(DesignFormat::Json);
    return choice.filterIndex == 1 || DesignFormat::forPath(choice.path) == &json ? json : own;
}

constexpr auto ProgramTitle = "Kirabellum v1.22";
constexpr std::chrono::milliseconds RecoveryInterval(30000);

QString nameOrUntitled(const QString& path) {
    return path.isEmpty() ? MDIForm1::tr("無題") : QFileInfo(path).fileName();
}

} // namespace

MDIForm1::MDIForm1(DesignerSession& session) : session_(session), samples_(sampleDesigns()) {
    showTitle();
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
    session_.windows = windows_;

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
    SAVE = FILE->addAction(QString(), this, &MDIForm1::SAVE_Click);
    EXPORT = FILE->addAction(QString(), this, &MDIForm1::EXPORT_Click);
    FILE->addSeparator();
    KoratuneUP = FILE->addAction(QString(), this, &MDIForm1::KoratuneUP_Click);
    FILE->addSeparator();
    END = FILE->addAction(QString(), this, &MDIForm1::END_Click);
    NEW->setShortcut(QKeySequence::New);
    OPEN[0]->setShortcut(QKeySequence::Open);
    SAVE->setShortcut(QKeySequence::Save);

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
    // The samples' names are the table's, in the windows' language.
    const bool english = QLocale().language() == QLocale::English;
    for (QAction* entry : SAMPLES->actions()) {
        const SampleDesign& sample = samples_[static_cast<std::size_t>(entry->data().toInt())];
        entry->setText(english ? sample.englishName : sample.japaneseName);
    }
    SAVE->setText(tr("保存(&S)"));
    EXPORT->setText(tr("書き出し(&X)"));
    KoratuneUP->setText(tr("Koratuneを起動"));
    END->setText(tr("終了(&E)"));
    EDIT->setTitle(tr("編集(&E)"));
    UNDO->setText(tr("元に戻す(&U)"));
    REDO->setText(tr("やり直し(&R)"));
    VIEW->setTitle(tr("表示(&V)"));
    Version->setText(tr("バージョン情報(&A)"));
    // Each toolbar button opens a tool window: its tip is that window's View entry.
    const char* views[] = {QT_TR_NOOP("ParticleEditer"),      QT_TR_NOOP("Gravity"),
                           QT_TR_NOOP("ColorTransformation"), QT_TR_NOOP("Fire"),
                           QT_TR_NOOP("Animation"),           QT_TR_NOOP("Preview")};
    const QList<QAction*> buttons = Toolbar1->actions();
    for (std::size_t index = 0; index < std::size(views); ++index) {
        const QString caption = tr(views[index]);
        viewAction(static_cast<ToolKind>(index))->setText(caption);
        buttons[static_cast<qsizetype>(index)]->setToolTip(caption);
    }
    StatusBar1->setText(tr("Ready"));
}

void MDIForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

MDIForm1::~MDIForm1() {
    qApp->removeEventFilter(this);
    session_.windows = nullptr;
}

void MDIForm1::showTitle() {
    QString title = QString::fromLatin1(ProgramTitle);
    if (!session_.documentFile.isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(session_.documentFile).fileName();
    // The mark appears only while there are unsaved changes, so an untitled
    // design without any is titled as the program alone.
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

bool MDIForm1::keepUnsavedChanges() {
    if (!session_.history.isModified())
        return true;
    const QString name = nameOrUntitled(session_.documentFile);
    switch (session_.dialogs.askToSave(QStringLiteral("Kirabellum"),
                                       tr("デザイン「%1」への変更を保存しますか？").arg(name))) {
    case DesignerDialogs::SaveAnswer::Save:
        return SAVE_Click();
    case DesignerDialogs::SaveAnswer::Discard:
        return true;
    case DesignerDialogs::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void MDIForm1::startDocument(const QString& path) {
    session_.documentFile = path;
    session_.history.startAfresh();
    showTitle();
}

QAction* MDIForm1::viewAction(ToolKind kind) const {
    const std::array<QAction*, 6> actions = {EDITER, GRAVITY, COLOR, HINOKO, ANIMATION, PREVIEW};
    return actions[static_cast<std::size_t>(kind)];
}

void MDIForm1::NEW_Click() {
    if (!keepUnsavedChanges())
        return;
    NewDesign(session_.document);
    // Clearing the spark images paints the spark view and shortening the ramp
    // resizes the ramp image, so those two windows open first, in that order;
    // the others follow in the usual order.
    windows_->open(ToolKind::Hinoko);
    windows_->open(ToolKind::Color);
    windows_->openClosedWindows();
    windows_->refreshAll();
    startDocument(QString());
}

void MDIForm1::OPEN_Click(int index) {
    if (!keepUnsavedChanges())
        return;
    const DesignFormat& own =
        DesignFormat::of(index == 1 ? DesignFormat::Version11 : DesignFormat::Version12);
    const DesignerDialogs::FileChoice choice = session_.dialogs.openFile(
        session_.designFolder, QFileInfo(session_.designFileName).fileName(), filterWithJson(own));
    if (choice.path.isEmpty())
        return;
    openDesign(choice.path, chosenFormat(choice, own));
}

bool MDIForm1::openDesign(const QString& path) {
    return openDesign(path, DesignFormat::toRead(path));
}

bool MDIForm1::openDesign(const QString& path, const DesignFormat& format) {
    session_.designFileName = path;
    session_.designFolder = QFileInfo(path).absolutePath();
    // The whole file is read and checked before the design changes, so a damaged
    // file leaves the design, and every window, as it was.
    DesignDocument read = session_.document;
    const common::Status status = format.read(path, read);
    if (!status.ok()) {
        session_.dialogs.warning(QStringLiteral("Kirabellum"), status.message());
        return false;
    }
    showDocument(read, path);
    session_.recentDesigns.add(path);
    return true;
}

void MDIForm1::showDocument(const DesignDocument& design, const QString& path) {
    windows_->openClosedWindows();
    session_.document = design;
    windows_->refreshAll();
    startDocument(path);
}

void MDIForm1::openRecentDesign(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        session_.dialogs.warning(
            QStringLiteral("Kirabellum"),
            tr("デザイン「%1」が見つかりません。最近使ったデザインの一覧から外します。")
                .arg(QDir::toNativeSeparators(path)));
        session_.recentDesigns.remove(path);
        return;
    }
    if (keepUnsavedChanges())
        openDesign(path);
}

void MDIForm1::openSample(int index) {
    if (!keepUnsavedChanges())
        return;
    // The design comes from the table, not from its file in samples/: with no
    // file of its own, Save asks where to put it.
    showDocument(samples_[static_cast<std::size_t>(index)].design, QString());
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
    if (!path.isEmpty() && DesignFormat::forPath(path))
        event->acceptProposedAction();
}

void MDIForm1::dropEvent(QDropEvent* event) {
    const QString path = common::droppedFile(event->mimeData());
    if (path.isEmpty() || !DesignFormat::forPath(path))
        return;
    event->acceptProposedAction();
    // The question about unsaved changes waits until the drop has ended.
    QTimer::singleShot(0, this, [this, path] {
        if (keepUnsavedChanges())
            openDesign(path);
    });
}

bool MDIForm1::SAVE_Click() {
    const DesignFormat& own = DesignFormat::of(DesignFormat::Version12);
    const QString proposed = proposedSaveName(session_.designFileName);
    const DesignerDialogs::FileChoice choice = session_.dialogs.saveFile(
        session_.designFolder, QFileInfo(proposed).fileName(), filterWithJson(own));
    if (choice.path.isEmpty())
        return false;
    const DesignFormat& format = chosenFormat(choice, own);
    const QString path = common::withDefaultExtension(choice.path, format.extension);
    session_.designFileName = path;
    session_.designFolder = QFileInfo(path).absolutePath();
    const common::Status status = format.write(path, session_.document);
    if (!status.ok()) {
        session_.dialogs.warning(QStringLiteral("Kirabellum"), status.message());
        return false;
    }
    session_.documentFile = path;
    session_.history.markSaved();
    session_.recentDesigns.add(path);
    showTitle();
    return true;
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
    source.application = QString::fromLatin1(ProgramName);
    source.version = QString::fromLatin1(ProgramVersion);
    const QString proposed =
        session_.designFileName.isEmpty()
            ? QString()
            : QFileInfo(session_.designFileName).completeBaseName() + QStringLiteral(".png");
    common::SheetExportDialogs dialogs;
    dialogs.chooseFile = [this, proposed](QWidget*) {
        return session_.dialogs.saveFileName(session_.designFolder, proposed,
                                             tr("PNG File(*.png)|*.png|Bitmap File(*.bmp)|*.bmp"));
    };
    dialogs.warning = [this](QWidget*, const QString& warningTitle, const QString& text) {
        session_.dialogs.warning(warningTitle, text);
    };
    common::SheetExportDialog dialog(source, dialogs, this);
    dialog.exec();
}

void MDIForm1::UNDO_Click() {
    session_.history.undo();
}

void MDIForm1::REDO_Click() {
    session_.history.redo();
}

bool MDIForm1::offerRecovery() {
    RecoveryStore& recovery = session_.recovery;
    // A file that cannot be removed would be offered again at every start.
    const auto discard = [this, &recovery](const RecoveryStore::Entry& entry) {
        const common::Status discarded = recovery.discard(entry);
        if (!discarded.ok())
            session_.dialogs.warning(QStringLiteral("Kirabellum"), discarded.message());
    };
    for (const RecoveryStore::Entry& entry : recovery.leftBehind()) {
        if (!entry.problem.ok()) {
            session_.dialogs.warning(QStringLiteral("Kirabellum"), entry.problem.message());
            discard(entry);
            continue;
        }
        const QString question =
            tr("保存されずに終了したデザイン「%1」があります（%2 に記録）。復元しますか？")
                .arg(nameOrUntitled(entry.designFileName),
                     entry.written.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
        if (!session_.dialogs.askYesNo(QStringLiteral("Kirabellum"), question)) {
            discard(entry);
            continue;
        }
        DesignDocument restored = session_.document;
        QString fileName;
        const common::Status status = recovery.restore(entry, restored, fileName);
        if (!status.ok()) {
            session_.dialogs.warning(QStringLiteral("Kirabellum"), status.message());
            discard(entry);
            continue;
        }
        windows_->openClosedWindows();
        session_.document = restored;
        windows_->refreshAll();
        if (!fileName.isEmpty()) {
            session_.designFileName = fileName;
            session_.designFolder = QFileInfo(fileName).absolutePath();
        }
        session_.documentFile = fileName;
        session_.history.startAfreshUnsaved();
        showTitle();
        // The restored design is this designer's to keep now; the old file goes
        // once it is safe in this designer's own.
        if (session_.keepRecovery().ok())
            discard(entry);
        return true;
    }
    return false;
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
                              ? keepUnsavedChanges()
                              : session_.dialogs.confirm(tr("終了"), tr("終了しても良いノン？"));
    if (!mayClose) {
        event->ignore();
        return;
    }
    mdiArea_->closeAllSubWindows();
    // A recovery file left here would offer the saved or discarded design at
    // the next start.
    const common::Status removed = session_.recovery.remove();
    if (!removed.ok())
        session_.dialogs.warning(QStringLiteral("Kirabellum"), removed.message());
    event->accept();
}

} // namespace kirabellum
