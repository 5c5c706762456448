#include "common/windows/JobRunner.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

namespace common {
namespace {

// A job of three steps that counts the steps it got through; a cancel may be
// sent as a pending event during its first step.
struct CountingJob {
    JobRunner* runner = nullptr;
    bool cancelInFirstStep = false;
    int steps = 0;
    void operator()() {
        for (int step = 0; step < 3; ++step) {
            ++steps;
            if (step == 0 && cancelInFirstStep)
                QTimer::singleShot(0, runner, [this] { runner->cancel(); });
            runner->betweenSteps();
            if (runner->cancelled())
                return;
        }
    }
};

TEST(JobRunnerTest, RunsOnceAfterItsDelayThenFinishes) {
    CountingJob job;
    JobRunner runner([&job] { job(); }, 50, nullptr);
    job.runner = &runner;
    QSignalSpy finished(&runner, &JobRunner::finished);
    EXPECT_EQ(runner.startTimer()->interval(), 50);
    QCoreApplication::processEvents();
    EXPECT_EQ(job.steps, 0) << "not before its delay";
    ASSERT_TRUE(finished.wait(1000));
    EXPECT_EQ(job.steps, 3);
    EXPECT_FALSE(runner.cancelled());
    EXPECT_FALSE(runner.isRunning());
    runner.cancel(); // once ended, a cancel changes nothing
    EXPECT_FALSE(runner.cancelled());
}

TEST(JobRunnerTest, CancelBeforeTheStartKeepsTheJobFromRunning) {
    int runs = 0;
    JobRunner runner([&runs] { ++runs; }, 0, nullptr);
    runner.cancel();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(runner.cancelled());
    EXPECT_FALSE(runner.startTimer()->isActive());
}

TEST(JobRunnerTest, CancelBetweenStepsEndsTheJobAfterTheStepItIsOn) {
    CountingJob job;
    JobRunner runner([&job] { job(); }, 0, nullptr);
    job.runner = &runner;
    job.cancelInFirstStep = true;
    QSignalSpy finished(&runner, &JobRunner::finished);
    ASSERT_TRUE(finished.wait(1000));
    EXPECT_EQ(job.steps, 1);
    EXPECT_TRUE(runner.cancelled());
}

} // namespace
} // namespace common
