#include "windows/MDIForm1.h"

#include "common/ScreenUnits.h"
#include "common/windows/FileDrop.h"
#include "common/windows/ProgramIcon.h"
#include "common/windows/WindowPlacement.h"
#include "core/ProgramInfo.h"
#include "windows/Color.h"
#include "windows/Console.h"
#include "windows/Output.h"
#include "windows/Pict.h"
#include "windows/Preview.h"
#include "windows/SubWindowSize.h"
#include "windows/ToolbarIcons.h"
#include "windows/Versionf.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace koratune {

namespace {

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
    : QMainWindow(parent), session_(session), pict_(new Pict(session.images, this)),
      mdiArea_(new QMdiArea(this)) {
    session_.windows = this;
    setAcceptDrops(true);
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

    loadPreview();
    loadConsole();
    loadColour();
    placePreview();
    fitToToolWindows();
    common::centreOnScreen(*this);
}

MDIForm1::~MDIForm1() = default;

Console* MDIForm1::console() const {
    return console_;
}

Color* MDIForm1::colour() const {
    return colour_;
}

Preview* MDIForm1::preview() const {
    return preview_;
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
    for (QAction* action : {consV_, colorV_, preV_})
        action->setCheckable(true);
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
    // The status bar says "Ready" until a message takes its place.
    if (ready_->text().isEmpty() || ready_->text() == readyText_) {
        readyText_ = tr("Ready");
        ready_->setText(readyText_);
    }
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

QMdiSubWindow* MDIForm1::addToolWindow(QWidget* content) {
    // A sub-window's title bar draws its close button only with the system menu.
    QMdiSubWindow* subWindow = mdiArea_->addSubWindow(
        content, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    subWindow->show();
    fitSubWindowToContent(content);
    return subWindow;
}

void MDIForm1::activate(QWidget* content) {
    if (auto* subWindow = qobject_cast<QMdiSubWindow*>(content->parentWidget())) {
        mdiArea_->setActiveSubWindow(subWindow);
        subWindow->raise();
    }
    content->setFocus();
}

Preview* MDIForm1::loadPreview() {
    if (!preview_) {
        preview_ = new Preview;
        preview_->setWindowIcon(previewIcon());
        connect(preview_, &Preview::picturePressed, this, &MDIForm1::OpenPic);
        connect(preview_, &Preview::unloaded, this, [this] {
            preview_ = nullptr;
            updateCheckMarks();
        });
        addToolWindow(preview_);
        placePreview();
        updateCheckMarks();
    }
    return preview_;
}

Console* MDIForm1::loadConsole() {
    if (!console_) {
        console_ = new Console(session_);
        console_->setWindowIcon(consoleIcon());
        connect(console_, &Console::unloaded, this, [this] {
            console_ = nullptr;
            updateCheckMarks();
        });
        consoleHeight_ = addToolWindow(console_)->height();
        placeConsole();
        updateCheckMarks();
    }
    return console_;
}

Color* MDIForm1::loadColour() {
    if (!colour_) {
        colour_ = new Color(session_);
        colour_->setWindowIcon(colourIcon());
        connect(colour_, &Color::unloaded, this, [this] { colour_ = nullptr; });
        colourWidth_ = addToolWindow(colour_)->width();
        placeColour();
    }
    return colour_;
}

void MDIForm1::placeConsole() {
    console_->parentWidget()->move(common::twipsToPixels(EdgeTwips),
                                   common::twipsToPixels(EdgeTwips));
}

void MDIForm1::placeColour() {
    colour_->parentWidget()->move(
        common::twipsToPixels(EdgeTwips),
        common::twipsToPixels(consoleHeight_ * common::TwipsPerPixel + GapTwips));
}

void MDIForm1::placePreview() {
    preview_->parentWidget()->move(
        common::twipsToPixels(colourWidth_ * common::TwipsPerPixel + GapTwips),
        common::twipsToPixels(EdgeTwips));
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

void MDIForm1::updateCheckMarks() {
    consV_->setChecked(console_ != nullptr);
    colorV_->setChecked(true);
    preV_->setChecked(preview_ != nullptr);
}

void MDIForm1::ConsV_Click() {
    activate(loadConsole());
    updateCheckMarks();
}

void MDIForm1::ColorV_Click() {
    activate(loadColour());
    updateCheckMarks();
}

void MDIForm1::PreV_Click() {
    activate(loadPreview());
    updateCheckMarks();
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
    const common::Status status = session_.images.OpenPic(name);
    if (!status.ok()) {
        session_.dialogs.warning(caption,
                                 tr("画像を開けませんでした。\n\n%1").arg(status.message()));
        return;
    }
    showWorkImage();
}

void MDIForm1::showWorkImage() {
    loadPreview()->showOpening(session_.images.openingPreview(),
                               session_.images.backgroundColour());
}

int MDIForm1::playbackFrameRate() const {
    return common::captionedFrameRate(console_ ? console_->selectedRefreshRate()
                                               : common::StartRefreshRateOption);
}

void MDIForm1::showStatus(const QString& text) {
    findChild<QLabel*>(QStringLiteral("StatusBar1"))->setText(text);
}

void MDIForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!common::droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MDIForm1::dropEvent(QDropEvent* event) {
    const QString name = common::droppedFile(event->mimeData());
    if (name.isEmpty())
        return;
    event->acceptProposedAction();
    // A message about the image waits until the drop has ended.
    QTimer::singleShot(0, this, [this, name] { openPicture(name); });
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
    Output output(session_, this);
    output.exec();
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    if (!session_.dialogs.confirm(tr("終了"), tr("終了しても・・よいのですな？"))) {
        event->ignore();
        return;
    }
    if (console_)
        console_->stopPlayback();
    event->accept();
}

} // namespace koratune
