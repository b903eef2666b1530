// lower_bound_test.cpp: the bound against the true distances of small boards.
#include "study/lower_bound.h"

#include <gtest/gtest.h>

#include <deque>
#include <unordered_map>

#include "solver/position.h"
#include "test_support/sample_boards.h"
#include "test_support/three_by_three.h"

TEST(LowerBound, CountsEveryLineOnce) {
  // Row 0 holds 3 2 1 (two of them must leave it) and column 0 holds 7 4 (one must leave):
  // Manhattan 2 + 2 + 1 + 1, conflicts 2 * (2 + 1).
  EXPECT_EQ(12u, LowerBound(BoardOf(3, {3, 2, 1, 7, 5, 6, 4, 8, 0})));
}

TEST(LowerBound, NeverAboveTheShortestSolutionOfAnyThreeByThreeBoard) {
  const ThreeByThreeTable& table = ThreeByThree();
  unsigned tight = 0;
  for (size_t distance = 0; distance < table.byDistance.size(); ++distance) {
    for (const Cells3x3& cells : table.byDistance[distance]) {
      const unsigned bound = LowerBound(BoardOf(3, cells));
      ASSERT_LE(bound, distance) << ::testing::PrintToString(cells);
      tight += bound == distance;
    }
  }
  EXPECT_GT(tight, 1000u);
}

TEST(LowerBound, NeverAboveTheDistanceOfFourByFourBoardsNearTheGoal) {
  // Every position up to 14 moves from the goal, breadth first.
  std::unordered_map<std::uint64_t, unsigned> distances;
  std::deque<Board> queue = {GoalBoard(4)};
  const auto key = [](const Board& board) {
    std::uint64_t k = 0;
    for (const int t : board.tiles) k = k << 4 | static_cast<std::uint64_t>(t);
    return k;
  };
  distances[key(queue.front())] = 0;
  for (; !queue.empty(); queue.pop_front()) {
    const unsigned distance = distances[key(queue.front())];
    ASSERT_LE(LowerBound(queue.front()), distance);
    for (const char letter : {'U', 'D', 'L', 'R'}) {
      Board next = queue.front();
      if (distance < 14 && ApplyMoves(next, MoveSequence(1, letter)) &&
          distances.emplace(key(next), distance + 1).second) {
        queue.push_back(next);
      }
    }
  }
  EXPECT_GT(distances.size(), 50000u);
}
