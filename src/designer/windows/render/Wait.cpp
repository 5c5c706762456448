#include "windows/render/Wait.h"

#include "core/render/RenderPreparation.h"
#include "core/session/DesignerSession.h"
#include "windows/render/F_Animation.h"
#include "windows/render/F_Preview.h"
#include "windows/tools/ToolWindowHost.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
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

    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &Wait::Timer1_Timer);
    Timer1->start();
}

void Wait::retranslate() {
    Label1->setText(tr("Now Rendering.Please Wait..."));
    Command1->setText(tr("中止"));
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

void Wait::Timer1_Timer() {
    Timer1->stop(); // the run starts once per opening
    if (PrepareRender())
        RunFrames();
    if (auto* preview = session_.windows->windowAs<F_Preview>(ToolKind::Preview))
        preview->renderFinished();
    accept();
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
    session_.document.RenderCancel = 0;
    accept();
}

void Wait::reject() {
    // Escape or closing the window cancels like the button does.
    Command1_Click();
}

bool Wait::PrepareRender() {
    ToolWindowHost& windows = *session_.windows;
    windows.openAs<F_Animation>(ToolKind::Animation)->copyRenderSettings();

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
    if (auto* preview = windows.openAs<F_Preview>(ToolKind::Preview))
        preview->prepareForRender(layout.FrameSize, background);
    // A spark colour outside the ramp still leaves the strip resized and cleared.
    session_.rendPic.setPicture(run.strip(), run.layout(), background);
    if (!status.ok()) {
        session_.dialogs.warning(tr("Error"), withRemedy(status.message()));
        return false;
    }
    const auto& layers = session_.document.Layers;
    if (std::none_of(layers.begin(), layers.end(),
                     [](const LayerSettings& layer) { return layer.LayerUse == 1; }))
        windows.showStatus(tr("どのレイヤーも使われていないため、何も描かれません"
                              "（ParticleEditerの「Use」で使うレイヤーを選んでください）"));
    return true;
}

void Wait::RunFrames() {
    RenderRun& run = session_.renderRun;
    const int frameCount = run.layout().FrameCount;
    RenderBar->setRange(0, std::max(frameCount - 1, 1));
    auto* preview = session_.windows->windowAs<F_Preview>(ToolKind::Preview);
    QPointer<F_Preview> previewWindow(preview);

    RenderHooks hooks;
    // While a loop settles the bar shows that work goes on without saying how
    // much is left; it counts the recorded frames after that.
    hooks.settlingStarted = [this] { RenderBar->setRange(0, 0); };
    hooks.frameStarted = [this, frameCount](int frameIndex) {
        RenderBar->setRange(0, std::max(frameCount - 1, 1));
        RenderBar->setValue(frameIndex);
    };
    hooks.frameDrawn = [&](int frameIndex, const QImage& strip, const QRect& cell) {
        if (previewWindow)
            previewWindow->showRenderedFrame(frameIndex, frameCount, strip, cell);
    };
    hooks.betweenFrames = [this, &run] {
        session_.rendPic.setPicture(run.strip(), run.layout(), session_.rendPic.backgroundColour());
        Q_EMIT yielding(RenderBar->value());
        QCoreApplication::processEvents();
    };
    run.RunFrames(session_.document, hooks);
    session_.rendPic.setPicture(run.strip(), run.layout(), session_.rendPic.backgroundColour());
}

} // namespace kirabellum
