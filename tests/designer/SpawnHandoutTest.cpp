#include "core/render/SpawnHandout.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace kirabellum {
namespace {

TEST(SpawnHandoutTest, HelpersJoinEachSpawnAndTheSpawnerWaitsForTheirRuns) {
    // Three spawns one after the other, the spawner taking from the front in
    // the first and third and from the back in the second; in the first, it
    // starts once a helper has joined, whose first run takes a while. Every
    // run is spawned once, and each before its spawn closes.
    constexpr int Spawns = 3;
    constexpr int Runs = 64;
    SpawnHandout handout;
    handout.reset();
    std::atomic<int> spawned[Spawns][Runs] = {};
    std::atomic<int> current{0};
    std::atomic<int> byHelpers{0};
    std::vector<int> closedWithUnspawned;
    auto helpSpawning = [&] {
        handout.help([&](int run) {
            if (byHelpers.fetch_add(1) == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            ++spawned[current.load()][run];
        });
    };
    std::thread firstHelper(helpSpawning);
    std::thread secondHelper(helpSpawning);
    for (int spawn = 0; spawn < Spawns; ++spawn) {
        current.store(spawn);
        handout.open(Runs, spawn != 1);
        while (spawn == 0 && byHelpers.load() == 0)
            std::this_thread::yield();
        for (int run = handout.take(); run >= 0; run = handout.take())
            ++spawned[spawn][run];
        handout.close();
        for (int run = 0; run < Runs; ++run)
            if (spawned[spawn][run].load() != 1)
                closedWithUnspawned.push_back(spawn * Runs + run);
    }
    handout.finish();
    firstHelper.join();
    secondHelper.join();
    EXPECT_TRUE(closedWithUnspawned.empty());
}

} // namespace
} // namespace kirabellum
