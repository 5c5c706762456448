#include "core/render/WorkBalancer.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace kirabellum {
namespace {

// Frames of planning in which worker w gets through speeds[w] particles per
// second.
void planFrames(WorkBalancer& balancer, int count, const std::vector<double>& speeds, int frames) {
    for (int frame = 0; frame < frames; ++frame) {
        balancer.splitPlanning(count);
        for (int worker = 0; worker < balancer.workerCount(); ++worker) {
            const int planned = balancer.planBegin(worker + 1) - balancer.planBegin(worker);
            balancer.recordPlanning(worker, planned,
                                    planned / speeds[static_cast<std::size_t>(worker)]);
        }
    }
    balancer.splitPlanning(count);
}

int planned(const WorkBalancer& balancer, int worker) {
    return balancer.planBegin(worker + 1) - balancer.planBegin(worker);
}

int bandRows(const WorkBalancer& balancer, int band) {
    return balancer.bandBegin(band + 1) - balancer.bandBegin(band);
}

TEST(WorkBalancerTest, AWorkerTwiceAsFastPlansTwoThirdsOfTheParticles) {
    WorkBalancer balancer(2, 2);
    balancer.restart(64);
    planFrames(balancer, 900, {2000.0, 1000.0}, 30);
    EXPECT_NEAR(planned(balancer, 0), 600, 6);
}

TEST(WorkBalancerTest, AStalledWorkerKeepsSomeParticles) {
    for (const double speed : {1e-3, 1e-12}) {
        WorkBalancer balancer(2, 2);
        balancer.restart(64);
        planFrames(balancer, 900, {1000.0, speed}, 30);
        EXPECT_GE(planned(balancer, 1), 90) << speed;
    }
}

// The worker stamping band 0 takes twice as long for the same estimated work.
TEST(WorkBalancerTest, ABandStampedTwiceAsFastGetsTwoThirdsOfTheRows) {
    WorkBalancer balancer(2, 2);
    balancer.restart(300);
    const std::vector<double> rowEstimate(300, 1.0);
    for (int frame = 0; frame < 40; ++frame) {
        balancer.splitIntoBands(rowEstimate);
        balancer.recordBand(0, 2e-6 * bandRows(balancer, 0));
        balancer.recordBand(1, 1e-6 * bandRows(balancer, 1));
    }
    balancer.splitIntoBands(rowEstimate);
    EXPECT_NEAR(bandRows(balancer, 1), 200, 4);
}

// The row in which half the work is reached goes to the band it leaves nearer
// half, not always to the second.
TEST(WorkBalancerTest, TheRowAtTheCutGoesToTheBandItLeavesNearerHalf) {
    struct Case {
        std::vector<double> rowEstimate;
        int cut;
    };
    const Case cases[] = {{{1, 6, 1, 4}, 2}, {{4, 1, 6, 1}, 2}, {{4, 4, 1, 1}, 1}};
    for (const Case& test : cases) {
        WorkBalancer balancer(2, 2);
        balancer.restart(4);
        balancer.splitIntoBands(test.rowEstimate);
        EXPECT_EQ(balancer.bandBegin(1), test.cut)
            << test.rowEstimate[0] << " " << test.rowEstimate[1];
    }
}

// However long a band was held up, the next split leaves it a quarter of its
// rows at least; a time that is no number moves nothing.
TEST(WorkBalancerTest, AStalledBandsCostIsCapped) {
    const double infinity = std::numeric_limits<double>::infinity();
    constexpr int Bands = 8;
    for (const double stall : {1e3, 1e9, 1e300, infinity}) {
        WorkBalancer balancer(Bands, Bands);
        balancer.restart(320);
        const std::vector<double> rowEstimate(320, 1.0);
        balancer.splitIntoBands(rowEstimate);
        const int rowsBefore = bandRows(balancer, Bands - 1);
        for (int band = 0; band < Bands - 1; ++band)
            balancer.recordBand(band, 1e-3);
        balancer.recordBand(Bands - 1, stall);
        balancer.splitIntoBands(rowEstimate);
        if (stall == infinity)
            EXPECT_EQ(bandRows(balancer, Bands - 1), rowsBefore);
        else
            EXPECT_GE(bandRows(balancer, Bands - 1), rowsBefore / 4) << stall;
    }
}

} // namespace
} // namespace kirabellum
