#include "windows/render/Wait.h"

#include "common/windows/JobRunner.h"
#include "core/render/RenderPreparation.h"
#include "core/session/DesignerSession.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kirabellum {

Wait::Wait(DesignerSession& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), session_(session) {
    setModal(true);
    Label1 = new QLabel(this);
    RenderBar = new QProgressBar(this);
    RenderBar->setTextVisible(false);
    Command1 = new QPushButton(this);
    retranslate();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(Label1);
    layout->addWidget(RenderBar);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    setFixedSize(280, 110);
    connect(Command1, &QPushButton::clicked, this, &Wait::Command1_Click);

    constexpr int StartDelayMilliseconds = 50;
    runner_ = new common::JobRunner(
        [this] {
            if (PrepareRender())
                RunFrames();
            Q_EMIT session_.events.renderEnded();
        },
        StartDelayMilliseconds, this);
    Timer1 = runner_->startTimer();
    connect(runner_, &common::JobRunner::finished, this, &QDialog::accept);
}

void Wait::retranslate() {
    Label1->setText(tr("Now Rendering.Please Wait..."));
    Command1->setText(tr("中止"));
    Command1->setToolTip(tr("レンダリングを中止する（描き終えたフレームは残る）"));
}

void Wait::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void Wait::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The frameless window draws its own border.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

namespace {

// A spark colour outside the ramp: the message names the layer; what to do
// about it follows.
QString withRemedy(const QString& message) {
    for (int layer = 1; layer <= LayerTotal; ++layer)
        if (message == sparkColourMessage(layer))
            return message +
                   Wait::tr("。\nFireのスパーク画像には、ColorTransformationのカラーランプに"
                            "ある色と黒だけが使えます。ランプの色で描いた画像を読み込むか、"
                            "その色を含むランプを読み込んでください。");
    return message;
}

} // namespace

void Wait::Command1_Click() {
    // A render not yet begun never begins; one that runs reads the document's
    // flag after each frame.
    runner_->cancel();
    session_.document.RenderCancel = 0;
    accept();
}

void Wait::reject() {
    // Escape or closing the window cancels like the button does.
    Command1_Click();
}

bool Wait::PrepareRender() {
    Q_EMIT session_.events.renderPreparing();

    // Settings that give no picture are refused before anything changes.
    StripLayout layout;
    const common::Status laidOut = layOutStrip(session_.document, layout);
    if (!laidOut.ok()) {
        session_.dialogs.warning(tr("Error"), laidOut.message());
        return false;
    }

    RenderRun& run = session_.renderRun;
    const common::Status status =
        run.PrepareRender(session_.document, RenderMode::of(session_.document.Render));
    const QRgb background = common::colourToRgb(run.engine().paletteColour(0));
    Q_EMIT session_.events.renderStarted(layout.FrameSize, background);
    // A spark colour outside the ramp still leaves the strip resized and cleared.
    session_.rendPic.setPicture(run.strip(), run.layout(), background);
    if (!status.ok()) {
        session_.dialogs.warning(tr("Error"), withRemedy(status.message()));
        return false;
    }
    const auto& layers = session_.document.Layers;
    if (std::none_of(layers.begin(), layers.end(),
                     [](const LayerSettings& layer) { return layer.LayerUse == 1; }))
        Q_EMIT session_.events.statusShown(
            tr("どのレイヤーも使われていないため、何も描かれません"
               "（ParticleEditerの「Use」で使うレイヤーを選んでください）"));
    return true;
}

void Wait::RunFrames() {
    RenderRun& run = session_.renderRun;
    const int frameCount = run.layout().FrameCount;
    RenderBar->setRange(0, std::max(frameCount - 1, 1));

    RenderHooks hooks;
    // While a loop settles the bar shows that work goes on without saying how
    // much is left; it counts the recorded frames after that.
    hooks.settlingStarted = [this] { RenderBar->setRange(0, 0); };
    hooks.frameStarted = [this, frameCount](int frameIndex) {
        RenderBar->setRange(0, std::max(frameCount - 1, 1));
        RenderBar->setValue(frameIndex);
    };
    hooks.frameDrawn = [this, frameCount](int frameIndex, const QImage& strip, const QRect& cell) {
        Q_EMIT session_.events.frameRendered(frameIndex, frameCount, strip, cell);
    };
    hooks.betweenFrames = [this, &run] {
        session_.rendPic.setPicture(run.strip(), run.layout(), session_.rendPic.backgroundColour());
        Q_EMIT yielding(RenderBar->value());
        runner_->betweenSteps();
    };
    run.RunFrames(session_.document, hooks);
    session_.rendPic.setPicture(run.strip(), run.layout(), session_.rendPic.backgroundColour());
}

} // namespace kirabellum
