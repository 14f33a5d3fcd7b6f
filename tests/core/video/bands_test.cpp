#include "core/video/bands.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

namespace {

TEST(Bands, RunsEveryBandOnceAndWaitsForAll) {
  for (int workers : {0, 1, 3}) {
    video::Bands pool(workers);
    EXPECT_EQ(pool.Workers(), workers);
    for (int n : {1, 2, 5, 16}) {
      for (int round = 0; round < 50; ++round) {
        std::vector<std::atomic<int>> hits(static_cast<std::size_t>(n));
        pool.Run(n, [&](int band) {
          if (band % 2) std::this_thread::yield();
          hits[static_cast<std::size_t>(band)].fetch_add(1, std::memory_order_relaxed);
        });
        // Run has returned: every band has finished, each exactly once.
        for (int b = 0; b < n; ++b)
          ASSERT_EQ(hits[static_cast<std::size_t>(b)].load(), 1)
              << workers << " workers, band " << b << " of " << n;
      }
    }
  }
}

TEST(Bands, WorkersShareTheBandsAndStopWithThePool) {
  std::set<std::thread::id> seen;
  {
    video::Bands pool(2);
    std::mutex m;
    std::atomic<int> arrived{0};
    // Three bands that wait for each other can only finish if three threads run them.
    pool.Run(3, [&](int) {
      {
        std::lock_guard lock(m);
        seen.insert(std::this_thread::get_id());
      }
      arrived.fetch_add(1);
      while (arrived.load() < 3) std::this_thread::yield();
    });
    EXPECT_EQ(pool.Runs(), 1u);
    pool.Run(0, [](int) { FAIL() << "no band to run"; });
    EXPECT_EQ(pool.Runs(), 1u);
  }  // joined here
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_TRUE(seen.count(std::this_thread::get_id())) << "the caller takes a band too";
}

}  // namespace
