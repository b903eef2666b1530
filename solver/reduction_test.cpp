// reduction_test.cpp: what the driver hands back when a trim fails (the boards it takes: the
// refusals in methods/method_table_test.cpp and console/command_loop_test.cpp).
#include "solver/reduction.h"

#include <gtest/gtest.h>

#include "test_support/sample_boards.h"

// Steps that take tile 5 out of the first row leave a board that cannot be trimmed: the result
// is that refusal, with the board as it was left and what was written on the way, and no moves.
TEST(Reduction, FailedTrimIsRefusedWithTheBoardAndTheFaults) {
  Solver solver;
  solver.Start(GoalBoard(5));
  const ReductionSteps steps = {
      [&solver] { solver.DoMoves({"UUUU"}); },
      [&solver] { solver.Fault("fault"); },
      [] {},
      [] {},
  };
  const SolveResult result = SolveByReduction(solver, steps, true);
  EXPECT_EQ(Refusal::TRIM_FAILED, result.refusal);
  EXPECT_EQ(solver.Current().ToBoard().tiles, result.untrimmed.tiles);
  EXPECT_EQ(5u, result.untrimmed.n);
  EXPECT_NE(5, result.untrimmed.tiles[4]);
  EXPECT_EQ("fault", result.faults);
  EXPECT_TRUE(result.moves.empty() && result.trimmedSides.empty());
}
