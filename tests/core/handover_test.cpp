#include "core/handover.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

TEST(Handover, CopiesShareOneChannelAndEachValueIsTakenOnce) {
  core::Handover<int> caller;
  core::Handover<int> loader = caller;
  EXPECT_EQ(caller.TryTake(), std::nullopt);
  EXPECT_EQ(caller.TakeFor(std::chrono::milliseconds(1)), std::nullopt);

  loader.Send(1);
  loader.Send(2);
  EXPECT_EQ(caller.TryTake(), 1);
  EXPECT_EQ(caller.TakeFor(std::chrono::milliseconds(1)), 2);
  EXPECT_EQ(caller.TryTake(), std::nullopt);
  EXPECT_EQ(loader.TryTake(), std::nullopt);
}

// A sender never waits for its value to be taken: a task whose screen has gone can always
// finish and be joined, and the value is dropped with the last copy of the channel.
TEST(HandoverThreads, SenderFinishesWhenNobodyTakes) {
  std::thread sender;
  {
    core::Handover<bool> done;
    sender = std::thread([done] { done.Send(true); });
  }
  sender.join();
}

TEST(HandoverThreads, WaiterReceivesEveryValueFromConcurrentSenders) {
  constexpr int SENDERS = 8;
  core::Handover<int> done;
  std::vector<std::jthread> senders;
  for (int i = 0; i < SENDERS; ++i) senders.emplace_back([done, i] { done.Send(i); });

  std::vector<bool> seen(SENDERS, false);
  for (int i = 0; i < SENDERS; ++i) {
    int v = done.Take();
    ASSERT_FALSE(seen[static_cast<std::size_t>(v)]) << "value " << v << " arrived twice";
    seen[static_cast<std::size_t>(v)] = true;
  }
  senders.clear();
  EXPECT_EQ(done.TryTake(), std::nullopt);
}

}  // namespace
