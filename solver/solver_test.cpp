// solver_test.cpp: what DoMoves records, and the checks and texts of the reduction driver.
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <sstream>

#include "solver/reduction.h"
#include "test_support/sample_boards.h"

TEST(Solver, DoMovesKeepsOnlyWholeTextsInApplied) {
  std::ostringstream out;
  Solver solver(out);
  solver.board = GoalBoard(3);
  solver.DoMoves("ULUD");
  solver.recording = true;
  solver.DoMoves("LLR");  // the second L would leave the board
  EXPECT_EQ("\nWarning: can't use this move - L (ApplySequence(LLR))", out.str());
  EXPECT_EQ(4u, solver.board.blank);  // L then R still moved the blank
  EXPECT_EQ("ULUD", solver.applied);
  EXPECT_EQ("LLR", solver.recordedMoves);
}

TEST(Reduction, IsSolvableBoardRefusesWhatNoSolverTakes) {
  std::ostringstream out;
  EXPECT_TRUE(IsSolvableBoard(GoalBoard(3), out));
  Board swapped = GoalBoard(3), duplicate = GoalBoard(3), outOfRange = GoalBoard(3);
  std::swap(swapped.tiles[0], swapped.tiles[1]);
  duplicate.tiles = {2, 1, 1, 4, 5, 6, 7, 8, 0};  // parity would pass, the values do not
  outOfRange.tiles[0] = 9;
  for (const Board& board : {swapped, duplicate, outOfRange, GoalBoard(2), GoalBoard(101)}) {
    EXPECT_FALSE(IsSolvableBoard(board, out)) << board.n;
  }
  EXPECT_EQ("", out.str());
}

TEST(Reduction, TimeLineTruncatesToTenths) {
  const std::clock_t second = CLOCKS_PER_SEC;
  EXPECT_EQ("\nSolved in 1.2 seconds ( 0.7 of it solving 3x3 puzzle)",
            SolveTimeLine(0, second / 2, second * 129 / 100));
}
