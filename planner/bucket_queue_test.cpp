// bucket_queue_test.cpp: lowest priority first, last in first out among equals, also when a
// search pushes below what it has already taken out.
#include "planner/bucket_queue.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Every state with its priority, in the order taken out.
std::vector<std::pair<int, size_t>> Drain(planner::BucketQueue& queue) {
  std::vector<std::pair<int, size_t>> taken;
  int state;
  while (queue.Pop(state, [&](int s, size_t priority) {
    taken.emplace_back(s, priority);
    return true;
  })) {
  }
  return taken;
}

}  // namespace

TEST(BucketQueue, LowestFirstAndLastInFirstOutAmongEquals) {
  planner::BucketQueue queue;
  queue.Push(5, 1);
  queue.Push(3, 2);
  queue.Push(5, 3);
  int state;
  ASSERT_TRUE(queue.Pop(state, [](int, size_t) { return true; }));
  EXPECT_EQ(2, state);
  // An estimate that drops by more than a move puts a state below the last one taken out.
  queue.Push(1, 4);
  EXPECT_EQ((std::vector<std::pair<int, size_t>>{{4, 1}, {3, 5}, {1, 5}}), Drain(queue));
  // Cleared with states left in it, the queue starts afresh.
  queue.Push(7, 5);
  queue.Push(9, 6);
  queue.Clear();
  queue.Push(8, 7);
  EXPECT_EQ((std::vector<std::pair<int, size_t>>{{7, 8}}), Drain(queue));
}

TEST(BucketQueue, PassesOverEntriesLeftBehind) {
  planner::BucketQueue queue;
  // State 9 pushed again lower: only that entry is current.
  queue.Push(4, 9);
  queue.Push(2, 9);
  const auto current = [](int state, size_t priority) { return state != 9 || priority == 2; };
  int state;
  ASSERT_TRUE(queue.Pop(state, current));
  EXPECT_EQ(9, state);
  EXPECT_FALSE(queue.Pop(state, current));
}
