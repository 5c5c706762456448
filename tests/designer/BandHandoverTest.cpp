#include "core/render/BandHandover.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace kirabellum {
namespace {

// Claims `count` chunks as the holder, each finished at once.
void claimChunks(BandHandover& handover, int count) {
    for (int index = 0; index < count; ++index) {
        const int chunk = handover.claim();
        ASSERT_EQ(chunk, index);
        handover.finished(chunk);
    }
}

TEST(BandHandoverTest, TakesOverOnlyWhatIsLeftOfAStartedBandWithEnoughLeft) {
    struct Case {
        const char* name;
        bool started;
        int chunks, claimed, leastPart;
        int taken; // the first chunk taken over, or -1
    };
    const Case cases[] = {
        {"not started", false, 16, 0, 8, -1},         {"an eighth left", true, 16, 14, 8, 14},
        {"less than an eighth", true, 32, 29, 8, -1}, {"two at least", true, 8, 7, 8, -1},
        {"nothing claimed yet", true, 16, 0, 8, 0},   {"all claimed", true, 16, 16, 8, -1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        BandHandover handover;
        handover.reset();
        if (test.started)
            handover.start(test.chunks);
        claimChunks(handover, test.started ? test.claimed : 0);
        EXPECT_EQ(handover.takeOver(40, true, test.leastPart), test.taken);
        if (test.taken < 0)
            continue;
        // The holder claims nothing more and learns what was taken.
        EXPECT_EQ(handover.claim(), -1);
        EXPECT_TRUE(handover.handedOver());
        EXPECT_EQ(handover.handedOverFrom(), test.taken);
        EXPECT_EQ(handover.split(), 40);
        EXPECT_TRUE(handover.takenRowsBefore());
        // Taken over once only, and again after reset() only.
        EXPECT_EQ(handover.takeOver(41, false, test.leastPart), -1);
        handover.reset();
        EXPECT_FALSE(handover.handedOver());
        EXPECT_EQ(handover.takeOver(41, false, test.leastPart), -1);
    }
}

TEST(BandHandoverTest, OneTakingOverWaitsForTheHolderAndEachChunkIsStampedOnceASide) {
    // The holder stamps chunks on both sides until the rest is taken over in
    // the middle of its chunk 10; then each side stamps the rest on its own.
    constexpr int Chunks = 40;
    BandHandover handover;
    handover.reset();
    std::atomic<int> holderSide[Chunks] = {};
    std::atomic<int> takerSide[Chunks] = {};
    std::atomic<bool> inChunk10{false};
    std::thread holder([&] {
        handover.start(Chunks);
        for (int chunk = handover.claim(); chunk >= 0; chunk = handover.claim()) {
            ++holderSide[chunk];
            if (chunk == 10) {
                inChunk10.store(true);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            ++takerSide[chunk];
            handover.finished(chunk);
        }
        ASSERT_TRUE(handover.handedOver());
        for (int chunk = handover.handedOverFrom(); chunk < Chunks; ++chunk)
            ++holderSide[chunk];
    });
    while (!inChunk10.load())
        std::this_thread::yield();
    const int first = handover.takeOver(7, false, 2);
    EXPECT_EQ(first, 11);
    if (first >= 0) {
        handover.awaitHolder(first);
        EXPECT_EQ(takerSide[10].load(), 1); // chunk 10 stamped whole before
        for (int chunk = first; chunk < Chunks; ++chunk)
            ++takerSide[chunk];
    }
    holder.join();
    for (int chunk = 0; chunk < Chunks; ++chunk) {
        EXPECT_EQ(holderSide[chunk].load(), 1) << chunk;
        EXPECT_EQ(takerSide[chunk].load(), 1) << chunk;
    }
}

} // namespace
} // namespace kirabellum
