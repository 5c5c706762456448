#pragma once

#include <QObject>

#include <functional>

class QTimer;

namespace common {

// Runs a progress window's job: once, a short delay after the window opens
// (so that the window is drawn before the work starts), unless it is
// cancelled first. The job runs its own loop of steps and calls
// betweenSteps() after each, where pending events get through: the window
// repaints and its cancel button answers; the job stops once cancelled().
class JobRunner : public QObject {
    Q_OBJECT
public:
    // Starts counting the delay at once.
    JobRunner(std::function<void()> job, int startDelayMilliseconds, QObject* parent);

    // The delay before the job, running until the job starts or is cancelled.
    QTimer* startTimer() const { return startTimer_; }

    // Lets pending events through, a cancel among them.
    void betweenSteps();
    // Before the job has started, it will not start; while it runs, it is
    // cancelled from now on. Once it has ended, nothing.
    void cancel();

    bool isRunning() const { return running_; }
    // Whether the job was cancelled before it started or before it ended.
    bool cancelled() const { return cancelled_; }

Q_SIGNALS:
    // The job has returned (it does not run once cancelled before its start).
    void finished();

private:
    void run();

    std::function<void()> job_;
    QTimer* startTimer_;
    bool running_ = false;
    bool cancelled_ = false;
};

} // namespace common
