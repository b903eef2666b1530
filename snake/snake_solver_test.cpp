// snake_solver_test.cpp: the grid over the board, the driver's output, and whole solves.
#include "snake/snake_solver.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "board/random_draw.h"
#include "parberry/parberry_solver.h"
#include "snake/test_boards.h"

namespace {

int FreeCells(const SnakeSolver& solver) {
  int free = 0;
  for (const auto& row : solver.cellGrid) {
    for (const int mark : row) free += mark == -2 ? 1 : 0;
  }
  return free;
}

// The output of a solve with the times replaced by T.
std::string WithoutTimes(const std::string& output) {
  static const std::regex times("[0-9]+\\.[0-9]");
  return std::regex_replace(output, times, "T");
}

const char* TIME_LINE = "\nSolved in T seconds ( T of it solving 3x3 puzzle)";

// Solves the board with the snake solver and checks that the solution, applied to a copy,
// ends at the goal with no warning and that the solver reported no error.
void ExpectSolved(const Board& board, const std::string& name) {
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(board);
  const MoveSequence solution = solver.SolveSnakes();
  Board copy(board);
  std::ostringstream applyOut;
  EXPECT_TRUE(copy.ApplySequence(solution, applyOut)) << name;
  EXPECT_TRUE(IsGoal(copy)) << name;
  EXPECT_EQ(std::string::npos, out.str().find("Error")) << name;
  EXPECT_EQ(std::string::npos, out.str().find("Warning")) << name;
}

Board RandomSolvable(unsigned n, unsigned seed) {
  SeedRandom(seed);
  std::ostringstream sink;
  Board board;
  while (!board.RandomBoard(n, sink)) {
  }
  return board;
}

Board NearGoal(unsigned n, unsigned seed, int moves) {
  SeedRandom(seed);
  Board board = GoalBoard(n);
  for (int i = 0; i < moves; ++i) board.RandomMove();
  return board;
}

}  // namespace

// The board and its grid

TEST(SnakeSolver, SetPuzzleFreesTheBoardsCellsOnly) {
  std::ostringstream out;
  SnakeSolver solver(out);
  EXPECT_EQ(0, FreeCells(solver));
  solver.SetPuzzle(GoalBoard(4));
  EXPECT_EQ(16, FreeCells(solver));
  EXPECT_EQ(-2, solver.cellGrid[3][3]);
  EXPECT_EQ(-1, solver.cellGrid[0][4]);
  EXPECT_EQ(-1, solver.cellGrid[4][0]);
}

TEST(SnakeSolver, TrimAndResetNeedsTheFirstRowAndColumn) {
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(GoalWithBlankAt(5, 2, 2));
  solver.cellGrid[2][2] = -1;
  EXPECT_TRUE(solver.TrimAndReset());
  EXPECT_EQ(4u, solver.board.n);
  EXPECT_EQ(16, FreeCells(solver));

  solver.SetPuzzle(GoalWithBlankAt(5, 2, 0));
  solver.cellGrid[2][2] = -1;
  const Board before = solver.board;
  EXPECT_FALSE(solver.TrimAndReset());
  EXPECT_EQ(before.tiles, solver.board.tiles);
  EXPECT_EQ(24, FreeCells(solver));
}

TEST(SnakeSolver, NoTileIsHomeWithoutABoard) {
  std::ostringstream out;
  SnakeSolver solver(out);
  EXPECT_FALSE(solver.IsTileAtGoal(1));
}

// The driver

TEST(SolveSnakes, ThreeByThreeGoesStraightToTheSearch) {
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(BoardOf({1, 2, 3, 4, 5, 6, 7, 0, 8}));
  EXPECT_EQ("R", solver.SolveSnakes());
  EXPECT_EQ(std::string("\n") + TIME_LINE, WithoutTimes(out.str()));
}

TEST(SolveSnakes, ProgressAfterEachReduction) {
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(NearGoal(4, 3, 40));
  solver.SolveSnakes();
  EXPECT_EQ(std::string("\n3 ... ") + TIME_LINE, WithoutTimes(out.str()));
}

TEST(SolveSnakes, SolvedBoardNeedsNoMoves) {
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(GoalBoard(5));
  EXPECT_EQ("", solver.SolveSnakes());
  EXPECT_EQ(std::string("\n4 ... 3 ... ") + TIME_LINE, WithoutTimes(out.str()));
}

TEST(SolveSnakes, RefusesSilently) {
  Board swapped = GoalBoard(4);
  std::swap(swapped.tiles[0], swapped.tiles[1]);
  Board repeated = GoalBoard(4);
  repeated.tiles[0] = 2;
  Board tooLarge;
  tooLarge.n = 101;
  tooLarge.tiles.assign(101 * 101, 0);
  for (const Board& board : {swapped, repeated, GoalBoard(2), tooLarge, Board()}) {
    std::ostringstream out;
    SnakeSolver solver(out);
    solver.SetPuzzle(board);
    solver.applied = "before";
    EXPECT_EQ("Can't solve this puzzle...", solver.SolveSnakes()) << board.n;
    EXPECT_EQ("", out.str());
    EXPECT_EQ("before", solver.applied);
  }
}

// Whole solves

TEST(SolveSnakes, SolvesRandomBoardsOfEverySide) {
  for (unsigned n = 3; n <= 20; ++n) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
      ExpectSolved(RandomSolvable(n, seed * 100 + n), "random " + std::to_string(n));
    }
  }
  ExpectSolved(RandomSolvable(50, 1), "random 50");
  ExpectSolved(RandomSolvable(100, 1), "random 100");
}

TEST(SolveSnakes, SolvesBoardsNearTheGoal) {
  for (unsigned n = 3; n <= 20; ++n) {
    for (const int moves : {1, 2, 5, 30, 300}) {
      ExpectSolved(NearGoal(n, n * 7 + moves, moves), "near " + std::to_string(n));
    }
  }
  ExpectSolved(NearGoal(50, 5, 1000), "near 50");
}

TEST(SolveSnakes, BothSolversFinishTheSameBoards) {
  for (unsigned n = 3; n <= 12; ++n) {
    const Board board = RandomSolvable(n, 42 + n);
    std::ostringstream out;
    SnakeSolver snakes(out);
    snakes.SetPuzzle(board);
    Solver parberry(out);
    parberry.board = board;
    Board bySnakes(board), byParberry(board);
    bySnakes.ApplySequence(snakes.SolveSnakes(), out);
    byParberry.ApplySequence(parberry::SolveParberry(parberry), out);
    EXPECT_TRUE(IsGoal(bySnakes)) << n;
    EXPECT_TRUE(IsGoal(byParberry)) << n;
  }
}
