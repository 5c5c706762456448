#include "common/windows/FramePreview.h"

#include "common/FramePlayback.h"
#include "common/windows/AlphaModeCaption.h"
#include "common/windows/EngineView.h"
#include "common/windows/SceneBox.h"
#include "common/windows/ToolWindowHost.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>

#include <iterator>

namespace common {

namespace {

constexpr int FitZoomIndex = EngineView::MaximumZoom;

const QString SettingsGroup = QStringLiteral("Preview");

} // namespace

FramePreview::FramePreview(const QString& program, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), program_(program), picture_(new EngineView(this)),
      scene_(new SceneBox(dialogs, this)), blend_(new QComboBox(this)), zoom_(new QComboBox(this)),
      play_(new QPushButton(this)), frame_(new QLabel(this)) {
    for (qsizetype mode = 0; mode < alphaModeNames().size(); ++mode)
        blend_->addItem(QString());
    for (int zoom = 1; zoom <= EngineView::MaximumZoom; ++zoom)
        zoom_->addItem(QStringLiteral("%1x").arg(zoom));
    zoom_->addItem(QString());
    // The boxes grow with their texts when the language changes.
    for (QComboBox* box : {blend_, zoom_})
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    frame_->setMinimumWidth(frame_->fontMetrics().horizontalAdvance(QStringLiteral("9999/9999")));
    // One grid, the picture over the controls, so that a control that grows
    // with its text makes the whole preview ask for more room.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    QWidget* const controls[] = {scene_, blend_, zoom_, play_, frame_};
    const int columns = static_cast<int>(std::size(controls));
    layout->addWidget(picture_, 0, 0, 1, columns + 1, Qt::AlignLeft | Qt::AlignTop);
    for (int column = 0; column < columns; ++column)
        layout->addWidget(controls[column], 1, column);
    layout->setColumnStretch(columns, 1);
    recall();
    retranslate();
    connect(scene_, &SceneBox::sceneChanged, this, [this] {
        picture_->setScene(scene_->scene());
        remember();
    });
    connect(blend_, &QComboBox::currentIndexChanged, this, [this](int blend) {
        picture_->setBlend(static_cast<AlphaMode>(blend));
        remember();
    });
    connect(zoom_, &QComboBox::activated, this, [this](int index) {
        const int zoom = index == FitZoomIndex ? EngineView::FitZoom : index + 1;
        setZoom(zoom);
        Q_EMIT zoomChosen(zoom);
    });
    connect(play_, &QPushButton::clicked, this, &FramePreview::playRequested);
}

void FramePreview::retranslate() {
    scene_->retranslate();
    for (int blend = 0; blend < blend_->count(); ++blend)
        blend_->setItemText(blend, alphaModeCaption(static_cast<AlphaMode>(blend)));
    blend_->setToolTip(tr("エンジンでの合成（書き出しと同じ透明度の計算）"));
    zoom_->setItemText(FitZoomIndex, tr("フィット"));
    zoom_->setToolTip(tr("拡大"));
    setPlaying(playing_);
    frame_->setToolTip(tr("←→キーでコマ送り、スペースキーで再生と停止"));
}

void FramePreview::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        fitWindow();
    }
    QWidget::changeEvent(event);
}

void FramePreview::attachTo(QWidget& window) {
    holder_ = &window;
    const auto key = [&window](Qt::Key pressed) {
        return new QShortcut(QKeySequence(pressed), &window, nullptr, nullptr,
                             Qt::WidgetWithChildrenShortcut);
    };
    connect(key(Qt::Key_Left), &QShortcut::activated, this, [this] { Q_EMIT stepRequested(-1); });
    connect(key(Qt::Key_Right), &QShortcut::activated, this, [this] { Q_EMIT stepRequested(1); });
    connect(key(Qt::Key_Space), &QShortcut::activated, this, &FramePreview::playRequested);
}

void FramePreview::remember() const {
    QSettings settings(program_, program_);
    settings.beginGroup(SettingsGroup);
    scene_->save(settings);
    settings.setValue(QStringLiteral("Blend"), alphaModeName(picture_->blend()));
}

void FramePreview::recall() {
    QSettings settings(program_, program_);
    settings.beginGroup(SettingsGroup);
    {
        // Taken back, not chosen: nothing to remember yet.
        const QSignalBlocker quiet(scene_);
        scene_->load(settings);
    }
    picture_->setScene(scene_->scene());
    const AlphaMode blend = alphaModeNamed(settings.value(QStringLiteral("Blend")).toString())
                                .value_or(AlphaMode::Additive);
    blend_->setCurrentIndex(static_cast<int>(blend));
    picture_->setBlend(blend);
}

void FramePreview::setZoom(int zoom) {
    picture_->setZoom(zoom);
    const QSignalBlocker quiet(zoom_);
    zoom_->setCurrentIndex(picture_->zoom() == EngineView::FitZoom ? FitZoomIndex
                                                                   : picture_->zoom() - 1);
    fitWindow();
}

void FramePreview::setPlaying(bool playing) {
    playing_ = playing;
    play_->setText(playing ? tr("停止") : tr("再生"));
    play_->setToolTip(playing ? tr("再生を止める（スペースキー）")
                              : tr("コマを順に再生する（スペースキー）"));
}

void FramePreview::setFrame(int frame, int frameCount) {
    frameShown_ = frame;
    frameCount_ = frameCount;
    frame_->setText(frame < 0 ? QString() : FramePlayback::caption(frame, frameCount));
}

void FramePreview::setCaption(const QString& caption) {
    caption_ = caption;
    if (!holder_)
        return;
    holder_->setWindowTitle(
        picture_->zoomedOutToFit()
            ? QStringLiteral("%1 (%2%)").arg(caption).arg(qRound(100 * picture_->shownScale()))
            : caption);
}

QMdiArea* FramePreview::workArea() const {
    const auto* frame = holder_ ? qobject_cast<QMdiSubWindow*>(holder_->parentWidget()) : nullptr;
    return frame ? frame->mdiArea() : nullptr;
}

QSize FramePreview::room() const {
    // Outside a main window's area the screen's work area holds the window.
    const QMdiArea* area = workArea();
    const QWidget& holder = holder_ ? *holder_ : static_cast<const QWidget&>(*this);
    const QWidget& outer = area ? *holder.parentWidget() : holder;
    const QSize space = area ? area->viewport()->size() : screen()->availableGeometry().size();
    // Everything around the picture: the frame's border and title, and the
    // controls under the picture.
    const QSize around(outer.sizeHint().width() - holder.sizeHint().width(),
                       outer.sizeHint().height() - picture_->height());
    return (space - around).expandedTo(QSize(1, 1));
}

bool FramePreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watchedArea_ && watched == watchedArea_->viewport())
        fitWindow();
    return QWidget::eventFilter(watched, event);
}

void FramePreview::fitWindow() {
    // A larger or smaller work area fits the window again.
    if (QMdiArea* area = workArea(); area && area != watchedArea_) {
        watchedArea_ = area;
        area->viewport()->installEventFilter(this);
    }
    picture_->setRoom(room());
    // The holder's layout asks this preview its size anew.
    updateGeometry();
    if (holder_)
        ToolWindowHost::fitToContents(*holder_);
    setCaption(caption_);
}

} // namespace common
