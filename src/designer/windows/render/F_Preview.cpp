#include "windows/render/F_Preview.h"

#include "common/FileNames.h"
#include "common/FramePlayback.h"
#include "common/ImageFile.h"
#include "common/sheets/FrameStripInfo.h"
#include "common/sheets/SheetImage.h"
#include "common/windows/EngineView.h"
#include "common/windows/FramePreview.h"
#include "core/render/LiveRender.h"
#include "core/render/RecordingRerun.h"
#include "core/render/RendPic.h"
#include "core/session/DesignerSession.h"
#include "windows/render/F_Animation.h"
#include "windows/render/FlipbookControls.h"
#include "windows/render/PaletteControls.h"
#include "windows/tools/ToolWindowHost.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kirabellum {

F_Preview::F_Preview(DesignerSession& session) : ToolWindow(session, ToolKind::Preview) {
    Viewer = new common::FramePreview(QStringLiteral("kirabellum"), session.dialogs, this);
    Picture1 = Viewer->picture();
    Viewer->attachTo(*this);
    Command1 = new QPushButton(this);
    Combo1 = new QComboBox(this);
    for (int order = 0; order < common::PlaybackOrderCount; ++order)
        Combo1->addItem(QString());
    LiveCheck = new QCheckBox(this);
    Flipbook = new FlipbookControls(this);
    PixelArt = new PaletteControls(session.dialogs, this);
    retranslate();
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(Command1);
    buttons->addWidget(Combo1);
    buttons->addWidget(LiveCheck);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(Viewer, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addLayout(buttons);
    layout->addWidget(Flipbook);
    layout->addWidget(PixelArt);
    connect(Command1, &QPushButton::clicked, this, &F_Preview::Command1_Click);
    connect(LiveCheck, &QCheckBox::clicked, this, &F_Preview::LiveCheck_Click);
    connect(Viewer, &common::FramePreview::playRequested, this, &F_Preview::playOrStop);
    connect(Viewer, &common::FramePreview::stepRequested, this, &F_Preview::stepFrame);
    connect(Viewer, &common::FramePreview::zoomChosen, this, &F_Preview::zoomChosen);
    connect(PixelArt, &PaletteControls::changed, this, &F_Preview::pixelArtChanged);
    liveTimer_ = new QTimer(this);
    liveTimer_->setTimerType(Qt::PreciseTimer);
    connect(liveTimer_, &QTimer::timeout, this, &F_Preview::showNextLiveFrame);
    connect(&session.events, &DesignerEvents::frameRendered, this, &F_Preview::showRenderedFrame);
    connect(&session.events, &DesignerEvents::renderEnded, this, &F_Preview::renderFinished);
}

F_Preview::~F_Preview() = default;

void F_Preview::retranslate() {
    Command1->setText(tr("Save"));
    Command1->setToolTip(tr("フレームストリップ全体を画像として保存する"));
    // As wide as its caption, not the style's wider button, so that the button
    // and the order beside it fit under a frame of 128 pixels.
    Command1->setFixedWidth(Command1->fontMetrics().horizontalAdvance(Command1->text()) + 20);
    for (int order = 0; order < common::PlaybackOrderCount; ++order)
        Combo1->setItemText(
            order, common::playbackOrderCaption(static_cast<common::PlaybackOrder>(order)));
    Combo1->setToolTip(common::playbackOrderTip());
    LiveCheck->setText(tr("ライブ"));
    LiveCheck->setToolTip(tr("編集するたびにバックグラウンドでレンダリングし、"
                             "最新のフレームを繰り返し再生します"));
    // While frames are shown the title counts them; at rest it names the window.
    if (!playing_ && !rendering_ && !showsLiveFrames())
        Viewer->setCaption(common::FramePlayback::idleCaption());
}

void F_Preview::Form_Load() {
    // The strip is only given its blank one-row size when there is none yet: a
    // rendered strip is never cut down by merely opening this window.
    const DesignDocument& document = session_.document;
    sizePicture(document.FrameSize);
    if (session_.rendPic.picture().isNull())
        session_.rendPic.clearToBlankRow(document.FrameCount, document.FrameSize);
}

void F_Preview::sizePicture(int edge) {
    const int shown = std::clamp(edge, 1, MaximumPictureEdge);
    Picture1->setPictureSize(QSize(shown, shown));
    Viewer->fitWindow();
}

void F_Preview::sizePictureForFrames(int frameSize) {
    const int edge = std::max(frameSize, 1);
    PixelArt->setMaximumScale(MaximumPictureEdge / edge);
    sizePicture(edge * PixelArt->scale());
}

void F_Preview::showFrame(const QImage& source, const QRect& cell) {
    const common::SheetFrames enlarged = common::enlargedFrames(
        {source.copy(cell), common::FrameGrid(cell.width(), 1), 1}, PixelArt->scale());
    Picture1->copyFrom(enlarged.image, enlarged.image.rect());
}

void F_Preview::showStripFrame(int frame) {
    const StripLayout layout = session_.rendPic.layout();
    sizePictureForFrames(layout.FrameSize);
    showFrame(playedStrip(), layout.grid().cellRect(frame));
    Viewer->setFrame(frame, layout.FrameCount);
}

void F_Preview::pixelArtChanged() {
    if (live_) {
        requestLiveRender();
        return;
    }
    if (!playing_ && !rendering_ && Viewer->frame() >= 0 &&
        Viewer->frame() < session_.rendPic.layout().FrameCount)
        showStripFrame(Viewer->frame());
}

const QImage& F_Preview::playedStrip() {
    const QImage& strip = session_.rendPic.picture();
    const common::SheetOptions options = PixelArt->options();
    // A render in progress changes the strip with every frame it draws.
    if (options.palette.isEmpty() || !session_.renderRun.hasStarted() || rendering_)
        return strip;
    if (locked_ && locked_->from == strip.cacheKey() && locked_->palette == options.palette &&
        locked_->dither == options.dither)
        return locked_->frames;
    RecordingRerun rerun(session_.workers);
    common::SheetFrames frames;
    common::Colour background = 0;
    const common::Status status =
        rerun.lockToPalette(session_.document, session_.renderRun, strip, options,
                            *PixelArt->palette(), frames, background);
    if (!status.ok())
        Q_EMIT session_.events.statusShown(status.message());
    locked_ = LockedStrip{strip.cacheKey(), options.palette, options.dither,
                          status.ok() ? frames.image : strip};
    return locked_->frames;
}

void F_Preview::DRefresh() {
    const DesignDocument& document = session_.document;
    sizePicture(document.FrameSize);
    Picture1->clear();
    Viewer->setFrame(-1, 0);
    session_.rendPic.clearToBlankRow(document.FrameCount, document.FrameSize);
}

void F_Preview::prepareForRender(int frameSize, QRgb background) {
    rendering_ = true;
    sizePicture(frameSize);
    Picture1->setBackgroundColour(background);
}

void F_Preview::renderFinished() {
    rendering_ = false;
    // A loop strip is made to be played over and over: a preview set to play
    // once plays it that way from now on.
    const RenderRun& run = session_.renderRun;
    if (run.hasStarted() && run.mode().loop &&
        Combo1->currentIndex() == static_cast<int>(common::PlaybackOrder::Once))
        Combo1->setCurrentIndex(static_cast<int>(common::PlaybackOrder::Repeat));
    Viewer->setCaption(common::FramePlayback::idleCaption());
    holdUntilNextChange();
}

void F_Preview::holdUntilNextChange() {
    heldUntilAfter_ = liveRequested_;
}

void F_Preview::LiveCheck_Click() {
    if (LiveCheck->isChecked()) {
        live_ = std::make_unique<LiveRender>(session_.workers);
        liveRequested_ = 0;
        heldUntilAfter_ = 0;
        connect(
            live_.get(), &LiveRender::frameReady, this,
            [this](quint64 request, int frameIndex, int) { liveFrameReady(request, frameIndex); });
        connect(live_.get(), &LiveRender::renderFailed, this,
                [this](quint64, const QString& message) {
                    Q_EMIT session_.events.statusShown(message);
                });
        connect(&session_.history, &DesignHistory::changed, live_.get(),
                [this] { requestLiveRender(); });
        liveShown_ = 0;
        requestLiveRender();
        return;
    }
    // Back to the player without live mode: the picture at rest.
    liveTimer_->stop();
    live_.reset();
    if (!playing_ && !rendering_) {
        Picture1->clear();
        Viewer->setCaption(common::FramePlayback::idleCaption());
    }
}

void F_Preview::requestLiveRender() {
    const DesignDocument& document = session_.document;
    RenderMode mode = RenderMode::of(document.Render);
    mode.palette = PixelArt->palette();
    mode.dither = PixelArt->options().dither;
    liveRequested_ = live_->request(document, document.Render.Seed.value_or(0), mode);
}

void F_Preview::liveFrameReady(quint64 request, int frameIndex) {
    // The first frame of a newer render goes on the picture at once; the timer
    // steps on from there.
    if (frameIndex == 0 && request > std::max(liveShown_, heldUntilAfter_) && showsLiveFrames())
        resumeLive();
}

void F_Preview::resumeLive() {
    liveShown_ = 0;
    liveTimer_->start(common::PlayInterval(session_.document.RefreshRate) + 1);
    showNextLiveFrame();
}

void F_Preview::showNextLiveFrame() {
    if (!showsLiveFrames())
        return;
    const LiveFrames newest = live_->newest();
    if (newest.request <= heldUntilAfter_ || newest.frames.empty())
        return;
    if (newest.request != liveShown_) {
        liveShown_ = newest.request;
        liveFrame_ = 0;
    } else if (liveFrame_ + 1 < static_cast<int>(newest.frames.size())) {
        ++liveFrame_;
    } else if (newest.complete()) {
        liveFrame_ = 0; // over and over
    }                   // else the next frame is still being drawn: the picture holds this one
    const QImage& frame = newest.frames[static_cast<std::size_t>(liveFrame_)];
    if (Picture1->image().size() != frame.size() * PixelArt->scale())
        sizePictureForFrames(frame.width());
    showFrame(frame, frame.rect());
    Viewer->setFrame(liveFrame_, newest.frameCount);
    Viewer->setCaption(common::FramePlayback::caption(liveFrame_, newest.frameCount));
}

void F_Preview::showRenderedFrame(int frameIndex, int frameCount, const QImage& strip,
                                  const QRect& cell) {
    Viewer->setCaption(common::FramePlayback::caption(frameIndex, frameCount));
    Viewer->setFrame(frameIndex, frameCount);
    Picture1->copyFrom(strip, cell);
}

void F_Preview::play(bool doubleSize, int option) {
    if (playing_) {
        stopRequested_ = true;
        return;
    }
    playing_ = true;
    stopRequested_ = false;
    showPlaying(true);
    const auto order = static_cast<common::PlaybackOrder>(Combo1->currentIndex());
    QPointer<F_Preview> self(this);
    if (doubleSize || Picture1->zoom() == 2)
        setDoubleSize(doubleSize);
    // The strip as it was rendered (or blanked): the render settings may have
    // changed since without a render.
    const RendPic& rendPic = session_.rendPic;
    sizePictureForFrames(rendPic.layout().FrameSize);
    // The chosen option is already the document's rate unless the document
    // held one that no option shows.
    session_.history.edit(F_Animation::refreshRateName(), [option](DesignDocument& document) {
        document.RefreshRate = static_cast<std::uint8_t>(option);
    });

    common::PlaybackClock& clock = *clock_;
    common::FramePlayback timing(
        {flipbookTiming(rendPic.layout().FrameCount, order).tickCount(), 0, 1},
        common::PlayInterval(option), clock.now(), order);
    while (!stopRequested_) {
        // A render run between two frames may have replaced the strip, and with
        // it the frame count and the cells.
        const StripLayout layout = rendPic.layout();
        const common::FlipbookTiming flipbook = flipbookTiming(layout.FrameCount, order);
        timing.setFrameCount(flipbook.tickCount());
        const common::FramePlayback::Step step = timing.step(clock.waitUntil(timing.due()));
        if (step.action == common::FramePlayback::Action::Wait)
            continue;
        if (step.action == common::FramePlayback::Action::End)
            break;
        const common::FlipbookTick tick = flipbook.tick(step.frame);
        showTick(flipbook, tick);
        const int frame = flipbook.renderedFrame(tick.from);
        Viewer->setFrame(frame, layout.FrameCount);
        Viewer->setCaption(common::FramePlayback::caption(frame, layout.FrameCount));
        Q_EMIT frameShown(frame);
        QCoreApplication::processEvents();
        if (!self)
            return; // the window was closed during playback
    }
    // The last frame shown stays on the picture, its number beside it.
    Viewer->setCaption(common::FramePlayback::idleCaption());
    playing_ = false;
    showPlaying(false);
    if (live_)
        holdUntilNextChange();
}

common::FlipbookTiming F_Preview::flipbookTiming(int frameCount,
                                                 common::PlaybackOrder order) const {
    return common::FlipbookTiming(frameCount, Flipbook->frameStep(), Flipbook->slowDown(),
                                  order == common::PlaybackOrder::Repeat);
}

void F_Preview::showTick(const common::FlipbookTiming& timing, const common::FlipbookTick& tick) {
    if (Flipbook->blend() == common::FlipbookBlend::Off || tick.blend == 0.0) {
        showFrame(playedStrip(),
                  session_.rendPic.layout().grid().cellRect(timing.renderedFrame(tick.from)));
        return;
    }
    const QImage picture = blendedFrames().picture(tick, Flipbook->blend());
    showFrame(picture, picture.rect());
}

const BlendedFrames& F_Preview::blendedFrames() {
    const RendPic& rendPic = session_.rendPic;
    const bool motion = Flipbook->blend() == common::FlipbookBlend::MotionVectors;
    const QImage& played = playedStrip();
    if (blended_ && blended_->strip().cacheKey() == played.cacheKey() &&
        blended_->frameStep() == Flipbook->frameStep() && (blendedForMotion_ || !motion))
        return *blended_;
    blended_.emplace(played, rendPic.layout(), Flipbook->frameStep());
    blendedForMotion_ = motion;
    if (!motion)
        return *blended_;
    RecordingRerun rerun(session_.workers);
    const common::Status status = rerun.run(session_.document, session_.renderRun,
                                            rendPic.picture(), Flipbook->frameStep(), true, false);
    if (status.ok())
        blended_->setMotion(rerun.result().motionVectors());
    else
        Q_EMIT session_.events.statusShown(status.message());
    return *blended_;
}

void F_Preview::playOrStop() {
    play(Picture1->zoom() == 2, session_.document.RefreshRate);
}

void F_Preview::showPlaying(bool playing) {
    Viewer->setPlaying(playing);
    if (auto* animation = host().windowAs<F_Animation>(ToolKind::Animation))
        animation->showPlaying(playing);
}

void F_Preview::setDoubleSize(bool doubleSize) {
    Viewer->setZoom(doubleSize ? 2 : 1);
}

void F_Preview::zoomChosen(int zoom) {
    if (auto* animation = host().windowAs<F_Animation>(ToolKind::Animation))
        animation->showDoubleSize(zoom == 2);
}

void F_Preview::stepFrame(int delta) {
    const StripLayout layout = session_.rendPic.layout();
    if (playing_ || showsLiveFrames() || layout.FrameCount <= 0)
        return;
    // With no frame shown yet, Right shows the first and Left the last.
    const int from = Viewer->frame() >= 0 ? Viewer->frame() : (delta > 0 ? -1 : 0);
    showStripFrame(((from + delta) % layout.FrameCount + layout.FrameCount) % layout.FrameCount);
}

void F_Preview::closeEvent(QCloseEvent* event) {
    // The window is deleted only once the playback has returned to the event
    // loop: the playback ends as soon as it has processed this event.
    stopRequested_ = true;
    ToolWindow::closeEvent(event);
}

void F_Preview::Command1_Click() {
    QString path = session_.dialogs
                       .saveFile(QString(), QDir(session_.designFolder).filePath(saveFileName_),
                                 {common::FileFilter::bitmapFiles()}, QString())
                       .path;
    if (path.isEmpty())
        return;
    saveFileName_ = path;
    // A name without an extension gets ".bmp"; one with another extension than
    // .bmp or .png is kept as typed and holds a Windows bitmap.
    path = common::withDefaultExtension(path, QStringLiteral("bmp"));
    const common::ImageFormat format =
        common::imageFormatFor(path).value_or(common::ImageFormat::Bmp);
    const QImage& strip = session_.rendPic.picture();
    // A PNG says what its frames are, for the post-processor to open it with.
    const StripLayout& layout = session_.rendPic.layout();
    const common::FrameStripInfo frames{
        layout.FrameSize, layout.FrameCount,
        static_cast<double>(common::captionedFrameRate(session_.document.RefreshRate))};
    const common::Status status =
        strip.isNull()
            ? common::Status::failure(
                  tr("保存するフレームストリップがまだありません。先にレンダリングしてください"))
            : common::writeImage(path, frames.labelled(strip), format);
    if (!status.ok())
        session_.dialogs.warning(tr("Save"), status.message());
    else
        session_.events.reportWritten({path});
}

} // namespace kirabellum
