// reduction_test.cpp: the boards the driver takes, and what it hands back when a trim fails.
#include "solver/reduction.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "test_support/sample_boards.h"

TEST(Reduction, IsSolvableBoardRefusesWhatNoSolverTakes) {
  EXPECT_TRUE(IsSolvableBoard(GoalBoard(3)));
  EXPECT_TRUE(IsSolvableBoard(GoalBoard(2), 2));
  Board swapped = GoalBoard(3), duplicate = GoalBoard(3), outOfRange = GoalBoard(3);
  std::swap(swapped.tiles[0], swapped.tiles[1]);
  duplicate.tiles = {2, 1, 1, 4, 5, 6, 7, 8, 0};  // parity would pass, the values do not
  outOfRange.tiles[0] = 9;
  for (const Board& board : {swapped, duplicate, outOfRange, GoalBoard(2), GoalBoard(101)}) {
    EXPECT_FALSE(IsSolvableBoard(board)) << board.n;
  }
}

// Steps that take tile 5 out of the first row leave a board that cannot be trimmed: the result
// is that refusal, with the board as it was left and what was written on the way, and no moves.
TEST(Reduction, FailedTrimIsRefusedWithTheBoardAndTheFaults) {
  std::ostringstream faults;
  Solver solver(faults);
  solver.Start(GoalBoard(5));
  const ReductionSteps steps = {
      [&solver] { solver.DoMoves("UUUU"); },
      [&faults] { faults << "fault"; },
      [] {},
      [] {},
  };
  const SolveResult result = SolveByReduction(solver, steps, true, faults);
  EXPECT_EQ(Refusal::TRIM_FAILED, result.refusal);
  EXPECT_EQ(solver.Current().ToBoard().tiles, result.untrimmed.tiles);
  EXPECT_EQ(5u, result.untrimmed.n);
  EXPECT_NE(5, result.untrimmed.tiles[4]);
  EXPECT_EQ("fault", result.faults);
  EXPECT_TRUE(result.moves.empty() && result.trimmedSides.empty());
}
