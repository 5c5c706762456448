#include "windows/Console.h"

#include "common/sheets/FrameStripInfo.h"
#include "common/windows/BarValueEntry.h"
#include "common/windows/EngineView.h"
#include "common/windows/FramePreview.h"
#include "common/windows/ToolWindowHost.h"
#include "common/windows/ValueBarSteps.h"
#include "core/FrameSelection.h"
#include "core/Playback.h"
#include "core/PostprocSession.h"
#include "core/SharedSettings.h"
#include "windows/Preview.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace koratune {

namespace {

struct ScrollBarRow {
    const char* caption;
    const char* tip;
    int minimum, maximum, step, start;
};

// Frame size, frame count, step between frames, first frame (counted from 1).
constexpr ScrollBarRow ScrollBarRows[Console::ScrollBarCount] = {
    {QT_TRANSLATE_NOOP("koratune::Console", "サイズ"),
     QT_TRANSLATE_NOOP("koratune::Console", "一コマの大きさ（ピクセル）"), MinimumFrameSize,
     MaximumFrameSize, 8, 160},
    {QT_TRANSLATE_NOOP("koratune::Console", "フレーム数"),
     QT_TRANSLATE_NOOP("koratune::Console", "再生して出力するコマの数"), 1, MaximumFrameCount, 1,
     10},
    {QT_TRANSLATE_NOOP("koratune::Console", "スキップ"),
     QT_TRANSLATE_NOOP("koratune::Console", "何コマおきに使うか（1ですべてのコマ）"), 1, 9, 1, 1},
    {QT_TRANSLATE_NOOP("koratune::Console", "スタート"),
     QT_TRANSLATE_NOOP("koratune::Console", "最初に使うコマ"), 1, 10, 1, 1},
};

constexpr const char* RefreshRateCaptions[Console::RefreshRateCount] = {"60fps", "40fps", "30fps",
                                                                        "20fps", "15fps", "10fps"};
constexpr int StartRefreshRate = 4;

constexpr int ScrollBarWidth = 150;

} // namespace

Console::Console(PostprocSession& session, PreviewLoader loadPreview, QWidget* parent)
    : QWidget(parent), session_(session), loadPreview_(std::move(loadPreview)) {
    setObjectName(QStringLiteral("Console"));

    frameGroup_ = new QGroupBox(this);
    QGroupBox* frameGroup = frameGroup_;
    auto* frameLayout = new QGridLayout(frameGroup);
    for (int index = 0; index < ScrollBarCount; ++index) {
        const ScrollBarRow& row = ScrollBarRows[index];
        label2_[index] = new QLabel(frameGroup);
        hScroll1_[index] = new QScrollBar(Qt::Horizontal, frameGroup);
        hScroll1_[index]->setObjectName(QStringLiteral("HScroll1_%1").arg(index));
        hScroll1_[index]->setRange(row.minimum, row.maximum);
        hScroll1_[index]->setSingleStep(row.step);
        hScroll1_[index]->setPageStep(row.step);
        hScroll1_[index]->setValue(row.start);
        hScroll1_[index]->setMinimumWidth(ScrollBarWidth);
        new common::ValueBarSteps(hScroll1_[index]);
        label3_[index] = new QLabel(frameGroup);
        label3_[index]->setMinimumWidth(
            label3_[index]->fontMetrics().horizontalAdvance(QStringLiteral("512x512")) + 4);
        new common::BarValueEntry(label3_[index], hScroll1_[index]);
        frameLayout->addWidget(label2_[index], index, 0);
        frameLayout->addWidget(hScroll1_[index], index, 1);
        frameLayout->addWidget(label3_[index], index, 2);
    }
    check3_ = new QCheckBox(frameGroup);
    check4_ = new QCheckBox(frameGroup);
    command1_ = new QPushButton(frameGroup);
    auto* flips = new QHBoxLayout;
    flips->addWidget(check3_);
    flips->addWidget(check4_);
    flips->addStretch();
    flips->addWidget(command1_);
    frameLayout->addLayout(flips, ScrollBarCount, 0, 1, 3);

    previewGroup_ = new QGroupBox(this);
    QGroupBox* previewGroup = previewGroup_;
    auto* previewLayout = new QGridLayout(previewGroup);
    label1_ = new QLabel(previewGroup);
    previewLayout->addWidget(label1_, 0, 0, 1, 3);
    auto* rates = new QButtonGroup(this);
    for (int option = 0; option < RefreshRateCount; ++option) {
        option1_[option] =
            new QRadioButton(QString::fromUtf8(RefreshRateCaptions[option]), previewGroup);
        rates->addButton(option1_[option], option);
        previewLayout->addWidget(option1_[option], 1 + option / 3, option % 3);
    }
    option1_[StartRefreshRate]->setChecked(true);
    check2_ = new QCheckBox(previewGroup);
    combo1_ = new QComboBox(previewGroup);
    for (int order = 0; order < common::PlaybackOrderCount; ++order)
        combo1_->addItem(QString());
    command2_ = new QPushButton(previewGroup);
    previewLayout->addWidget(check2_, 3, 0);
    previewLayout->addWidget(combo1_, 3, 1);
    previewLayout->addWidget(command2_, 3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameGroup);
    layout->addWidget(previewGroup);

    for (int index = 0; index < ScrollBarCount; ++index) {
        connect(hScroll1_[index], &QScrollBar::valueChanged, this,
                [this, index] { HScroll1_Change(index); });
        HScroll1_Change(index);
    }
    connect(command1_, &QPushButton::clicked, this, &Console::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Console::PlayPreview);
    // Double size is the preview's 2x zoom, at once.
    connect(check2_, &QCheckBox::toggled, this,
            [this](bool doubleSize) { loadPreview_()->viewer()->setZoom(doubleSize ? 2 : 1); });
    retranslate();
}

void Console::retranslate() {
    setWindowTitle(tr("Console"));
    frameGroup_->setTitle(tr("フレーム補正"));
    for (int index = 0; index < ScrollBarCount; ++index) {
        label2_[index]->setText(tr(ScrollBarRows[index].caption));
        hScroll1_[index]->setToolTip(tr(ScrollBarRows[index].tip));
    }
    check3_->setText(tr("左右反転"));
    check3_->setToolTip(tr("コマを左右に反転する"));
    check4_->setText(tr("上下反転"));
    check4_->setToolTip(tr("コマを上下に反転する"));
    command1_->setText(tr("適用"));
    command1_->setToolTip(tr("このフレーム設定を再生と出力に使います"));
    previewGroup_->setTitle(tr("Preview"));
    label1_->setText(tr("リフレッシュレート"));
    for (QRadioButton* option : option1_)
        option->setToolTip(tr("プレビューを再生する速さ"));
    check2_->setText(tr("２倍表示"));
    check2_->setToolTip(tr("プレビューを２倍の大きさで再生する"));
    command2_->setText(playing_ ? tr("停止") : tr("プレビュー"));
    command2_->setToolTip(tr("このフレーム設定でコマをプレビューに再生する"));
    for (int order = 0; order < common::PlaybackOrderCount; ++order)
        combo1_->setItemText(
            order, common::playbackOrderCaption(static_cast<common::PlaybackOrder>(order)));
    combo1_->setToolTip(common::playbackOrderTip());
}

void Console::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The window takes the size its texts need in the new language.
        common::ToolWindowHost::fitToContents(*this);
    }
    QWidget::changeEvent(event);
}

void Console::HScroll1_Change(int index) {
    const int value = hScroll1_[index]->value();
    switch (index) {
    case 0:
        label3_[0]->setText(QStringLiteral("%1x%1").arg(value));
        break;
    case 1:
        label3_[1]->setText(QString::number(value));
        // A value above a new maximum drops to it, and its label follows.
        hScroll1_[2]->setMaximum(maximumSkipStep(value));
        hScroll1_[3]->setMaximum(value);
        break;
    case 2:
    case 3:
        label3_[index]->setText(QString::number(value));
        break;
    default:
        break;
    }
}

void Console::Command1_Click() {
    SharedSettings& settings = session_.settings;
    settings.FrameSize = hScroll1_[0]->value();
    settings.FrameCount = hScroll1_[1]->value();
    settings.SkipStep = hScroll1_[2]->value();
    settings.StartFrame = hScroll1_[3]->value() - 1;
    settings.FlipHorizontal = check3_->isChecked();
    settings.FlipVertical = check4_->isChecked();
    loadPreview_()->setPictureEdge(settings.FrameSize);
}

void Console::describeFrames(const common::FrameStripInfo& frames) {
    hScroll1_[0]->setValue(frames.frameSize);
    hScroll1_[1]->setValue(frames.frameCount);
    int nearest = 0;
    for (int option = 1; option < RefreshRateCount; ++option) {
        if (std::abs(common::captionedFrameRate(option) - frames.framesPerSecond) <
            std::abs(common::captionedFrameRate(nearest) - frames.framesPerSecond))
            nearest = option;
    }
    option1_[nearest]->setChecked(true);
    Command1_Click();
}

int Console::selectedRefreshRate() const {
    for (int option = 0; option < RefreshRateCount; ++option) {
        if (option1_[option]->isChecked())
            return option;
    }
    return StartRefreshRate;
}

void Console::PlayPreview() {
    if (playing_) {
        stopRequested_ = true;
        return;
    }
    if (!session_.requireImage(tr("プレビュー")))
        return;

    // The playback works on the image and settings as they are now; a copy of
    // the work image costs nothing until either side changes.
    const QImage work = session_.images.work();
    const Playback playback(session_.settings, work.width());
    const int interval = common::PlayInterval(selectedRefreshRate());
    QPointer<Preview> preview = loadPreview_();
    common::EngineView* picture = preview->Picture1();
    picture->setBackgroundColour(session_.images.backgroundColour());
    if (check2_->isChecked() || picture->zoom() == 2)
        preview->viewer()->setZoom(check2_->isChecked() ? 2 : 1);
    preview->setPictureEdge(playback.edge());

    const QPointer<Console> self(this);
    showPlaying(true);
    preview->viewer()->setPlaying(true);
    stopRequested_ = false;
    // A closed preview is deleted only once the playback has returned to the
    // event loop: closing it ends the playback at once.
    const QMetaObject::Connection previewClosed =
        connect(preview, &Preview::unloaded, this, [this] { stopRequested_ = true; });
    const auto forgetPreview = qScopeGuard([&] { QObject::disconnect(previewClosed); });
    common::PlaybackClock& clock = *clock_;
    common::FramePlayback timing(playback.frames(), interval, clock.now(),
                                 static_cast<common::PlaybackOrder>(combo1_->currentIndex()));
    for (;;) {
        const common::FramePlayback::Step step = timing.step(clock.waitUntil(timing.due()));
        if (step.action == common::FramePlayback::Action::Wait)
            continue;
        if (step.action == common::FramePlayback::Action::End)
            break;
        picture->drawImage(playback.frameImage(work, step.frame));
        preview->viewer()->setFrame(step.frame, timing.frameCount());
        preview->showCaption(common::FramePlayback::caption(step.frame, timing.frameCount()));
        picture->refresh();
        Q_EMIT frameShown(step.frame, preview->windowTitle());
        QCoreApplication::processEvents();
        // The user may have closed the console or the preview meanwhile, be
        // quitting, or have stopped the playback: it ends at once and the
        // preview, if still open, keeps the frame shown.
        if (!self || stopRequested_ || !preview) {
            if (preview)
                showAtRest(*preview);
            if (self)
                showPlaying(false);
            return;
        }
    }
    showAtRest(*preview);
    showPlaying(false);
    Q_EMIT playbackFinished();
}

void Console::showPlaying(bool playing) {
    playing_ = playing;
    command2_->setText(playing ? tr("停止") : tr("プレビュー"));
}

void Console::showAtRest(Preview& preview) {
    preview.viewer()->setPlaying(false);
    preview.showCaption(common::FramePlayback::idleCaption());
}

void Console::stepFrame(int delta) {
    const QImage work = session_.images.work();
    const std::vector<int> frames = FrameSelection(session_.settings).frames();
    if (playing_ || work.isNull() || frames.empty())
        return;
    Preview* preview = loadPreview_();
    const int count = static_cast<int>(frames.size());
    const auto shown = std::find(frames.begin(), frames.end(), preview->viewer()->frame());
    // With no frame of the selection shown, Right shows the first and Left the last.
    const int from =
        shown != frames.end() ? static_cast<int>(shown - frames.begin()) : (delta > 0 ? -1 : 0);
    const int frame = frames[static_cast<std::size_t>(((from + delta) % count + count) % count)];
    const Playback playback(session_.settings, work.width());
    preview->Picture1()->setBackgroundColour(session_.images.backgroundColour());
    preview->setPictureEdge(playback.edge());
    preview->Picture1()->drawImage(playback.frameImage(work, frame));
    preview->viewer()->setFrame(frame, session_.settings.FrameCount);
}

void Console::showDoubleSize(bool doubleSize) {
    const QSignalBlocker quiet(check2_);
    check2_->setChecked(doubleSize);
}

void Console::closeEvent(QCloseEvent* event) {
    stopRequested_ = true;
    event->accept();
    Q_EMIT unloaded();
}

} // namespace koratune
