#include "common/windows/JobRunner.h"

#include <QCoreApplication>
#include <QTimer>

namespace common {

JobRunner::JobRunner(std::function<void()> job, int startDelayMilliseconds, QObject* parent)
    : QObject(parent), job_(std::move(job)), startTimer_(new QTimer(this)) {
    startTimer_->setSingleShot(true);
    startTimer_->setInterval(startDelayMilliseconds);
    connect(startTimer_, &QTimer::timeout, this, &JobRunner::run);
    startTimer_->start();
}

void JobRunner::run() {
    running_ = true;
    job_();
    running_ = false;
    Q_EMIT finished();
}

void JobRunner::betweenSteps() {
    QCoreApplication::processEvents();
}

void JobRunner::cancel() {
    if (running_ || startTimer_->isActive())
        cancelled_ = true;
    startTimer_->stop();
}

} // namespace common
