#include "windows/Wait.h"

#include "common/windows/JobRunner.h"
#include "core/FrameImages.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace koratune {

namespace {

constexpr QSize WaitSize(306, 57);
constexpr int StartDelayMilliseconds = 50;

} // namespace

Wait::Wait(FrameImages& images, const SharedSettings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), images_(images), settings_(settings),
      label1_(new QLabel(this)), renderBar_(new QProgressBar(this)),
      command1_(new QPushButton(this)),
      runner_(new common::JobRunner(
          [this] {
              QElapsedTimer clock;
              clock.start();
              rowsRecoloured_ = run_.RecolourImage(images_.base(), images_.work(), settings_);
              runMilliseconds_ = clock.elapsed();
          },
          StartDelayMilliseconds, this)) {
    setObjectName(QStringLiteral("Wait"));
    setModal(true);
    setFixedSize(WaitSize);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(192, 0, 192));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    renderBar_->setTextVisible(false);
    renderBar_->setRange(0, 1);
    renderBar_->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(3);
    layout->addWidget(label1_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(renderBar_, 1);
    bottom->addWidget(command1_);
    layout->addLayout(bottom);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(runner_, &common::JobRunner::finished, this, &Wait::close);
    connect(command1_, &QPushButton::clicked, this, &Wait::close);

    run_.setProgressHook([this](int row, int rowCount) {
        renderBar_->setMaximum(rowCount);
        renderBar_->setValue(row);
        Q_EMIT rowStarted(row);
    });
    run_.setRowDoneHook([this] { runner_->betweenSteps(); });
    retranslate();
}

void Wait::retranslate() {
    label1_->setText(tr("Now Rendering.Please Wait..."));
    command1_->setText(tr("中止"));
    command1_->setToolTip(tr("色の変換を中止する"));
}

void Wait::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

QTimer* Wait::Timer1() const {
    return runner_->startTimer();
}

bool Wait::cancelled() const {
    return runner_->cancelled();
}

void Wait::done(int result) {
    // Closed while the run goes on, or before it began: the run ends after
    // the row it is on, or never starts.
    runner_->cancel();
    run_.cancel();
    QDialog::done(result);
}

void Wait::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace koratune
