#include "common/windows/SplashWindow.h"

#include "common/windows/WindowPlacement.h"

#include <QMouseEvent>
#include <QTimer>

namespace common {

namespace {

constexpr QSize SplashSize(299, 227);
constexpr int CloseAfterMilliseconds = 5000;

} // namespace

SplashWindow::SplashWindow(Qt::WindowFlags flags, QWidget* parent)
    : QWidget(parent, flags | Qt::WindowStaysOnTopHint), timer1_(new QTimer(this)) {
    setFixedSize(SplashSize);
    timer1_->setSingleShot(true);
    timer1_->setInterval(CloseAfterMilliseconds);
    connect(timer1_, &QTimer::timeout, this, &QWidget::close);
    timer1_->start();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
}

void SplashWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // It closes when it loses the focus it had.
    if (isActiveWindow())
        hadFocus_ = true;
    else if (hadFocus_)
        close();
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    centreOnScreen(*this);
    raise();
    activateWindow();
}

} // namespace common
