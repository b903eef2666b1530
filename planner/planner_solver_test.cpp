// planner_solver_test.cpp: shortest solutions of the smallest boards, the time line, and the same
// answer from several threads (refusals: methods/method_table_test.cpp).
#include "planner/planner_solver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "board/random_draw.h"
#include "exact/optimal_4x4.h"
#include "solver/position.h"
#include "test_support/masked_text.h"
#include "test_support/sample_boards.h"
#include "test_support/three_by_three.h"

namespace {

// Solves the board; a solve reports no sides and no faults, and its finish is the shortest
// search of the last 4 x 4, or of the whole of a smaller board.
SolveResult Solve(const Board& board) {
  SolveResult result = planner::SolvePlanner(board);
  EXPECT_TRUE(!result.reportsSides && result.faults.empty());
  if (result.Solved()) {
    EXPECT_EQ(std::min(board.n, 4u), result.times.finishSide);
  }
  return result;
}

}  // namespace

TEST(SolvePlanner, ShortestOnTheSmallestBoards) {
  // Every 3 x 3 position of the farthest layer (the 3 x 3 search's own test samples each layer).
  for (const Cells3x3& cells : ThreeByThree()[31]) {
    const Board board = BoardOf(3, cells);
    const SolveResult result = Solve(board);
    ASSERT_TRUE(SolvesBoard(board, result.moves));
    EXPECT_EQ(31u, result.moves.size());
  }
  // 4 x 4: the shortest search's answer, which its own tests check against a breadth-first one.
  SeedRandom(44);
  for (int i = 0; i < 5; ++i) {
    const Board board = ShuffledBoard(4);
    EXPECT_EQ(SolveOptimal4x4(board).size(), Solve(board).moves.size());
  }
  EXPECT_EQ("", Solve(GoalBoard(7)).moves);
}

TEST(SolvePlanner, ACornerTooHardForTheShortestSearchOrAGoalTurnedAQuarterIsSolved) {
  // The transposed goal needs 72 moves: the shortest search runs out of its budget first. Past
  // side 40 the faster search takes the corner at once.
  std::vector<Board> boards;
  for (const unsigned n : {5u, 12u, 41u}) boards.push_back(TransposedCornerBoard(n));
  // The goal turned a quarter: every domino travels far, and the searches spend their work
  // early and go on greedily.
  const unsigned n = 45;
  const Board goal = GoalBoard(n);
  Board turned = goal;
  for (unsigned row = 0; row < n; ++row) {
    for (unsigned col = 0; col < n; ++col)
      turned.tiles[row * n + col] = goal.tiles[(n - 1 - col) * n + row];
  }
  turned.FindBlank();
  if (!turned.IsSolvable()) std::swap(turned.tiles[0], turned.tiles[1]);
  boards.push_back(turned);
  for (const Board& board : boards) {
    const SolveResult result = Solve(board);
    ASSERT_TRUE(result.Solved()) << board.n;
    EXPECT_TRUE(SolvesBoard(board, result.moves)) << board.n;
  }
}
