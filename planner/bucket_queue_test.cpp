// bucket_queue_test.cpp: lowest priority first, last in first out among equals, also when a
// search pushes below what it has already taken out.
#include "planner/bucket_queue.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<std::pair<int, size_t>> Drain(planner::BucketQueue& queue) {
  std::vector<std::pair<int, size_t>> taken;
  int state;
  size_t priority;
  while (queue.Pop(state, priority)) taken.emplace_back(state, priority);
  return taken;
}

}  // namespace

TEST(BucketQueue, LowestFirstAndLastInFirstOutAmongEquals) {
  planner::BucketQueue queue;
  queue.Push(5, 1);
  queue.Push(3, 2);
  queue.Push(5, 3);
  int state;
  size_t priority;
  ASSERT_TRUE(queue.Pop(state, priority));
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
