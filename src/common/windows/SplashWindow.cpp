#include "common/windows/SplashWindow.h"

#include "common/windows/WindowPlacement.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

namespace common {

namespace {

constexpr QSize SplashSize(299, 227);
constexpr int CloseAfterMilliseconds = 5000;

} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      timer1_(new QTimer(this)) {
    // The program ends with its main window, whether or not the splash is up.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(SplashSize);
    timer1_->setSingleShot(true);
    timer1_->setInterval(CloseAfterMilliseconds);
    connect(timer1_, &QTimer::timeout, this, &QWidget::close);
    timer1_->start();
    qApp->installEventFilter(this);
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

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    // A dialog opening under the splash would be hidden by it: the splash
    // makes way, and the dialog comes in front.
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()) {
        const auto* widget = static_cast<const QWidget*>(watched);
        if (widget->isWindow() &&
            (widget->windowType() == Qt::Dialog || widget->windowType() == Qt::Sheet))
            close();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace common
