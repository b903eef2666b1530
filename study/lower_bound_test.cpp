// lower_bound_test.cpp: the bound against the true distances of small boards.
#include "study/lower_bound.h"

#include <gtest/gtest.h>

#include "test_support/sample_boards.h"
#include "test_support/three_by_three.h"

TEST(LowerBound, CountsEveryLineOnce) {
  // Row 0 holds 3 2 1 (two of them must leave it) and column 0 holds 7 4 (one must leave):
  // Manhattan 2 + 2 + 1 + 1, conflicts 2 * (2 + 1).
  EXPECT_EQ(12u, LowerBound(BoardOf(3, {3, 2, 1, 7, 5, 6, 4, 8, 0})));
}

TEST(LowerBound, NeverAboveTheShortestSolutionOfAnyThreeByThreeBoard) {
  const auto& byDistance = ThreeByThree();
  unsigned tight = 0;
  for (size_t distance = 0; distance < byDistance.size(); ++distance) {
    for (const Cells3x3& cells : byDistance[distance]) {
      const unsigned bound = LowerBound(BoardOf(3, cells));
      ASSERT_LE(bound, distance) << ::testing::PrintToString(cells);
      tight += bound == distance;
    }
  }
  EXPECT_GT(tight, 1000u);
}
