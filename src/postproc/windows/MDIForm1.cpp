#include "windows/MDIForm1.h"

#include "common/ScreenUnits.h"
#include "common/sheets/FrameStripInfo.h"
#include "common/windows/FileDrop.h"
#include "common/windows/FramePreview.h"
#include "common/windows/ProgramIcon.h"
#include "common/windows/ToolWindowHost.h"
#include "common/windows/WindowPlacement.h"
#include "core/ProgramInfo.h"
#include "windows/Color.h"
#include "windows/Console.h"
#include "windows/Output.h"
#include "windows/Preview.h"
#include "windows/ToolbarIcons.h"
#include "windows/Versionf.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <optional>

namespace koratune {

namespace {

// The tool windows, in the order of the View menu.
enum ToolKind { ConsoleKind, ColourKind, PreviewKind, KindCount };

// The tool windows stand 100 twips from the edges of the main window's client
// area and 200 twips from one another.
constexpr int EdgeTwips = 100;
constexpr int GapTwips = 200;

// Room left below the tool windows at the start, and room to the right for
// the preview to grow to a double-size frame of the usual size.
constexpr int StartMargin = 40;
constexpr int PreviewGrowth = 200;

} // namespace

MDIForm1::MDIForm1(PostprocSession& session, QWidget* parent)
    : QMainWindow(parent), session_(session), mdiArea_(new QMdiArea(this)),
      windows_(new common::ToolWindowHost(*mdiArea_, KindCount)) {
    // An image dropped on the window opens as OpenPic would open it.
    common::acceptFileDrops(*this, [this](const QString& name) {
        // A message about the image waits until the drop has ended.
        QTimer::singleShot(0, this, [this, name] { openPicture(name); });
    });
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QString::fromLatin1(ProgramTitle));
    setWindowIcon(common::programIcon(QStringLiteral(":/icons/koratune.svg")));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    createMenus();
    createToolbar();
    ready_ = new QLabel(statusBar());
    ready_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(ready_, 1);
    retranslate();
    registerToolWindows();
    connect(&session_.events, &PostprocEvents::workImageChanged, this, &MDIForm1::showWorkImage);
    connect(&session_.events, &PostprocEvents::statusShown, this, &MDIForm1::showStatus);

    loadPreview();
    windows_->open(ConsoleKind);
    windows_->open(ColourKind);
    // The preview opened before the colour window, whose width places it.
    windows_->place(PreviewKind);
    fitToToolWindows();
    common::centreOnScreen(*this);
}

MDIForm1::~MDIForm1() = default;

Console* MDIForm1::console() const {
    return static_cast<Console*>(windows_->window(ConsoleKind));
}

Color* MDIForm1::colour() const {
    return static_cast<Color*>(windows_->window(ColourKind));
}

Preview* MDIForm1::preview() const {
    return static_cast<Preview*>(windows_->window(PreviewKind));
}

void MDIForm1::registerToolWindows() {
    // A sub-window's title bar draws its close button only with the system menu.
    common::ToolWindowHost::Kind console;
    console.create = [this] {
        auto* window = new Console(session_, [this] { return loadPreview(); });
        window->setWindowIcon(consoleIcon());
        return window;
    };
    console.positionTwips = [] { return QPoint(EdgeTwips, EdgeTwips); };
    console.frameButtons = Qt::CustomizeWindowHint;
    windows_->registerWindow(ConsoleKind, std::move(console));

    common::ToolWindowHost::Kind colour;
    colour.create = [this] {
        auto* window = new Color(session_);
        window->setWindowIcon(colourIcon());
        return window;
    };
    colour.positionTwips = [this] {
        return QPoint(EdgeTwips, consoleHeight_ * common::TwipsPerPixel + GapTwips);
    };
    colour.frameButtons = Qt::CustomizeWindowHint;
    windows_->registerWindow(ColourKind, std::move(colour));

    common::ToolWindowHost::Kind preview;
    preview.create = [this] {
        auto* window = new Preview(session_.dialogs);
        window->setWindowIcon(previewIcon());
        connect(window, &Preview::picturePressed, this, &MDIForm1::OpenPic);
        // The preview's play button, Space, Left and Right and zoom reach the console.
        const common::FramePreview* viewer = window->viewer();
        connect(viewer, &common::FramePreview::playRequested, this,
                [this] { static_cast<Console*>(windows_->open(ConsoleKind))->PlayPreview(); });
        connect(viewer, &common::FramePreview::stepRequested, this, [this](int delta) {
            static_cast<Console*>(windows_->open(ConsoleKind))->stepFrame(delta);
        });
        connect(viewer, &common::FramePreview::zoomChosen, this, [this](int zoom) {
            if (Console* open = this->console())
                open->showDoubleSize(zoom == 2);
        });
        return window;
    };
    preview.positionTwips = [this] {
        return QPoint(colourWidth_ * common::TwipsPerPixel + GapTwips, EdgeTwips);
    };
    preview.frameButtons = Qt::CustomizeWindowHint;
    windows_->registerWindow(PreviewKind, std::move(preview));

    // The windows below and beside the console and the colour window are
    // placed by their sizes when they were last opened.
    connect(windows_, &common::ToolWindowHost::opened, this, [this](int kind) {
        if (kind == ConsoleKind)
            consoleHeight_ = windows_->frame(kind)->height();
        else if (kind == ColourKind)
            colourWidth_ = windows_->frame(kind)->width();
    });
}

void MDIForm1::createMenus() {
    fileMenu_ = menuBar()->addMenu(QString());
    fileMenu_->setObjectName(QStringLiteral("File"));
    open_ = fileMenu_->addAction(QString(), this, &MDIForm1::OpenPic);
    open_->setObjectName(QStringLiteral("Open"));
    open_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    uni_ = fileMenu_->addAction(QString(), this, &MDIForm1::UnionPic);
    uni_->setObjectName(QStringLiteral("uni"));
    uni_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("haifun2"));
    save_ = fileMenu_->addAction(QString(), this, &MDIForm1::Save_Click);
    save_->setObjectName(QStringLiteral("Save"));
    save_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("haifun"));
    end_ = fileMenu_->addAction(QString(), this, &MDIForm1::close);
    end_->setObjectName(QStringLiteral("end"));

    viewMenu_ = menuBar()->addMenu(QString());
    viewMenu_->setObjectName(QStringLiteral("view"));
    consV_ = viewMenu_->addAction(QString(), this, &MDIForm1::ConsV_Click);
    consV_->setObjectName(QStringLiteral("ConsV"));
    colorV_ = viewMenu_->addAction(QString(), this, &MDIForm1::ColorV_Click);
    colorV_->setObjectName(QStringLiteral("ColorV"));
    preV_ = viewMenu_->addAction(QString(), this, &MDIForm1::PreV_Click);
    preV_->setObjectName(QStringLiteral("PreV"));
    windows_->setViewAction(ConsoleKind, consV_);
    windows_->setViewAction(PreviewKind, preV_);
    // The colour entry keeps its tick whether its window is open or not.
    colorV_->setCheckable(true);
    colorV_->setChecked(true);
    version_ = viewMenu_->addAction(QString(), this, &MDIForm1::Version_Click);
    version_->setObjectName(QStringLiteral("Version"));
}

void MDIForm1::retranslate() {
    fileMenu_->setTitle(tr("ﾌｧｲﾙ(&F)"));
    open_->setText(tr("画像を開く(&O)"));
    uni_->setText(tr("画像を合成(&U)"));
    save_->setText(tr("出力(&O)"));
    end_->setText(tr("終了(&E)"));
    viewMenu_->setTitle(tr("表示(&V)"));
    consV_->setText(tr("Console(&C)"));
    colorV_->setText(tr("ColorTranceform(&H)"));
    preV_->setText(tr("Preview(&P)"));
    version_->setText(tr("バージョン情報(&A)"));
    toolbarButtons_[0]->setText(tr("Console"));
    toolbarButtons_[1]->setText(tr("ColorTranceform"));
    toolbarButtons_[2]->setText(tr("Preview"));
    // Each button's tip names its window and says what is done there.
    toolbarButtons_[0]->setToolTip(tr("Console: コマの大きさ・数・反転を決めて再生する"));
    toolbarButtons_[1]->setToolTip(tr("ColorTranceform: 画像の色相と彩度を変える"));
    toolbarButtons_[2]->setToolTip(tr("Preview: 開いた画像を見る。クリックで画像を開く"));
    // The status bar says "Ready" until a message takes its place.
    ready_->setText(status_ ? status_() : tr("Ready"));
}

void MDIForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MDIForm1::createToolbar() {
    QToolBar* toolbar = addToolBar(QStringLiteral("Toolbar1"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setIconSize(QSize(32, 32));
    toolbar->setMovable(false);
    const QIcon icons[] = {consoleIcon(), colourIcon(), previewIcon()};
    int index = 1;
    for (const QIcon& icon : icons) {
        QAction* action = toolbar->addAction(icon, QString());
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(index));
        connect(action, &QAction::triggered, this, [this, index] { Toolbar1_ButtonClick(index); });
        toolbarButtons_[static_cast<std::size_t>(index - 1)] = action;
        ++index;
    }
}

Preview* MDIForm1::loadPreview() {
    return static_cast<Preview*>(windows_->open(PreviewKind));
}

void MDIForm1::fitToToolWindows() {
    QRect used;
    for (const QMdiSubWindow* subWindow : mdiArea_->subWindowList())
        used |= subWindow->geometry();
    const QSize chrome(0, menuBar()->sizeHint().height() +
                              findChild<QToolBar*>()->sizeHint().height() +
                              statusBar()->sizeHint().height());
    resize(QSize(used.right() + PreviewGrowth, used.bottom() + StartMargin) + chrome);
}

void MDIForm1::ConsV_Click() {
    windows_->showAndFocus(ConsoleKind);
}

void MDIForm1::ColorV_Click() {
    windows_->showAndFocus(ColourKind);
    colorV_->setChecked(true);
}

void MDIForm1::PreV_Click() {
    windows_->showAndFocus(PreviewKind);
}

void MDIForm1::Version_Click() {
    auto* version = new Versionf(this);
    version->setAttribute(Qt::WA_DeleteOnClose);
    version->show();
}

void MDIForm1::Toolbar1_ButtonClick(int index) {
    switch (index) {
    case 1:
        ConsV_Click();
        break;
    case 2:
        ColorV_Click();
        break;
    case 3:
        PreV_Click();
        break;
    default:
        break;
    }
}

void MDIForm1::OpenPic() {
    const QString name = session_.chooseFile(tr("画像を開く"), FileUse::Open);
    if (!name.isEmpty())
        openPicture(name);
}

void MDIForm1::openPicture(const QString& name) {
    const QString caption = tr("画像を開く");
    const common::Status status = session_.openPicture(name);
    if (!status.ok()) {
        session_.dialogs.warning(caption,
                                 tr("画像を開けませんでした。\n\n%1").arg(status.message()));
        return;
    }
    // A picture that says what its frames are sets the console from that.
    if (const std::optional<common::FrameStripInfo> frames =
            common::FrameStripInfo::of(name, session_.images.work())) {
        static_cast<Console*>(windows_->open(ConsoleKind))->describeFrames(*frames);
        const common::FrameStripInfo shown = *frames;
        showStatus([shown] {
            return tr("画像のフレーム設定を読み込みました（%1x%1、%2 フレーム、%3 fps）")
                .arg(shown.frameSize)
                .arg(shown.frameCount)
                .arg(shown.framesPerSecond);
        });
    }
    showWorkImage();
}

void MDIForm1::showWorkImage() {
    loadPreview()->showOpening(session_.images.openingPreview(),
                               session_.images.backgroundColour());
}

int MDIForm1::playbackFrameRate() const {
    const Console* open = console();
    return common::captionedFrameRate(open ? open->selectedRefreshRate()
                                           : common::StartRefreshRateOption);
}

void MDIForm1::showStatus(const StatusText& text) {
    status_ = text;
    ready_->setText(status_());
}

void MDIForm1::UnionPic() {
    const QString caption = tr("画像を合成");
    if (!session_.requireImage(caption))
        return;
    const QString name = session_.chooseFile(caption, FileUse::Open);
    if (name.isEmpty())
        return;
    const common::Status status = session_.images.UnionPic(name);
    if (!status.ok()) {
        session_.dialogs.warning(caption,
                                 tr("画像を合成できませんでした。\n\n%1").arg(status.message()));
        return;
    }
    showWorkImage();
}

void MDIForm1::Save_Click() {
    if (!session_.requireImage(tr("出力")))
        return;
    Output output(session_, playbackFrameRate(), this);
    output.exec();
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    if (!session_.dialogs.confirm(tr("終了"), tr("終了しても・・よいのですな？"))) {
        event->ignore();
        return;
    }
    if (Console* open = console())
        open->stopPlayback();
    event->accept();
}

} // namespace koratune
