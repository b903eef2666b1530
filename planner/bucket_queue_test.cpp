// bucket_queue_test.cpp: lowest priority first, last in first out among equals, also when a
// search pushes below what it has already taken out, and entries left behind passed over.
#include "planner/bucket_queue.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST(BucketQueue, LowestFirstAndLastInFirstOutAmongEquals) {
  planner::BucketQueue queue;
  // State 4's entry at 6 is left behind when it is pushed again at 1, below the 3 taken out.
  const auto current = [](int state, size_t priority) { return state != 4 || priority == 1; };
  auto drain = [&] {
    std::vector<std::pair<int, size_t>> taken;
    int state;
    size_t at = 0;
    while (queue.Pop(state, [&](int s, size_t p) { return current(s, at = p); })) {
      taken.emplace_back(state, at);
    }
    return taken;
  };
  for (const auto& [priority, state] : {std::pair{5, 1}, {3, 2}, {5, 3}, {6, 4}}) {
    queue.Push(priority, state);
  }
  int state;
  ASSERT_TRUE(queue.Pop(state, current));
  EXPECT_EQ(2, state);
  queue.Push(1, 4);
  EXPECT_EQ((std::vector<std::pair<int, size_t>>{{4, 1}, {3, 5}, {1, 5}}), drain());
  // Cleared with states left in it, the queue starts afresh.
  queue.Push(7, 5);
  queue.Push(9, 6);
  queue.Clear();
  queue.Push(8, 7);
  EXPECT_EQ((std::vector<std::pair<int, size_t>>{{7, 8}}), drain());
}
