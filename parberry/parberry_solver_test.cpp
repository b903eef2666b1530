// parberry_solver_test.cpp: the row and column steps, their tails, and whole solves.
#include "parberry/parberry_solver.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "board/random_draw.h"
#include "board/sample_boards.h"
#include "solver/end_game_search.h"

namespace {

class Parberry : public ::testing::Test {
 protected:
  // The goal board of side n with the given values swapped into the given cells, one by one.
  void Start(unsigned n, const std::vector<std::pair<int, Coord>>& placements) {
    Board board = GoalBoard(n);
    for (const auto& [value, cell] : placements) {
      std::swap(board.tiles[board.FindTile(value)], board.tiles[cell.row * n + cell.col]);
    }
    board.FindBlank();
    solver.board = board;
  }
  int At(unsigned row, unsigned col) const {
    return solver.board.tiles[row * solver.board.n + col];
  }
  bool BlankAt(unsigned row, unsigned col) const {
    return solver.board.tiles[row * solver.board.n + col] == 0;
  }
  // Solves a copy of the board and checks the whole run: the solution solves it and nothing
  // went wrong on the way.
  void ExpectSolved(const Board& board) {
    out.str("");
    solver.board = board;
    const MoveSequence solution = parberry::SolveParberry(solver).moves;
    const std::string printed = out.str();
    ASSERT_TRUE(SolvesBoard(board, solution)) << printed;
    EXPECT_EQ(std::string::npos, printed.find("Warning")) << printed;
    EXPECT_EQ(std::string::npos, printed.find("Error")) << printed;
  }

  std::ostringstream out;
  Solver solver{out};
};

}  // namespace

// The row step

TEST_F(Parberry, RowInOrderMakesNoMove) {
  Start(5, {{0, {3, 2}}, {7, {4, 4}}});
  parberry::SolveFirstRow(solver);
  EXPECT_EQ("", solver.applied);
}

TEST_F(Parberry, RowHomeWithBlankInTheCornerTurnsTileIntoIt) {
  // Tiles 1 ... n-1 home, the blank at (0, n-1), tile n elsewhere: only "LDR".
  Start(5, {{0, {0, 4}}, {5, {3, 3}}});
  parberry::SolveFirstRow(solver);
  EXPECT_EQ("LDR", solver.applied);
  EXPECT_EQ(4, At(0, 4));
  EXPECT_TRUE(BlankAt(1, 4));
}

TEST_F(Parberry, RowHomeWithBlankFarAwayStillReachesTheTailStart) {
  // The blank at the bottom left: it must reach the corner without disturbing row 0.
  Start(6, {{0, {5, 0}}, {6, {2, 3}}});
  parberry::SolveFirstRow(solver);
  for (unsigned c = 0; c < 4; ++c) EXPECT_EQ(static_cast<int>(c + 1), At(0, c));
  EXPECT_EQ(5, At(0, 5));
  EXPECT_TRUE(BlankAt(1, 5));
  parberry::SolveFirstRow2(solver);
  for (unsigned c = 0; c < 6; ++c) EXPECT_EQ(static_cast<int>(c + 1), At(0, c));
  EXPECT_EQ("", out.str());
}

TEST_F(Parberry, RowTileLeftOfItsHomeTravelsInRowOne) {
  Start(6, {{4, {3, 0}}, {0, {5, 5}}});
  // Tiles 1 ... 3 home; tile 4 below-left of its home.
  const Board start = solver.board;
  parberry::SolveFirstRow(solver);
  EXPECT_EQ(4, At(0, 3));
  // Replayed letter by letter, the solve never moves a tile already placed in row 0.
  Board replay = start;
  for (const char letter : solver.applied) {
    ASSERT_TRUE(replay.MoveBlank(letter));
    for (int c = 0; c < 3; ++c) ASSERT_EQ(c + 1, replay.tiles[c]);
  }
  EXPECT_EQ("", out.str());
}

// The row tail

TEST_F(Parberry, RowTailSwapsTilesStandingInEachOthersPlace) {
  Start(5, {{4, {0, 4}}, {5, {0, 3}}, {0, {1, 4}}});
  parberry::SolveFirstRow2(solver);
  EXPECT_EQ("LULDDRRULLURRD", solver.applied);
  for (unsigned c = 0; c < 5; ++c) EXPECT_EQ(static_cast<int>(c + 1), At(0, c));
}

TEST_F(Parberry, RowTailLiftsTileFromTheLastColumn) {
  Start(5, {{4, {0, 4}}, {0, {1, 4}}, {5, {3, 4}}});
  parberry::SolveFirstRow2(solver);
  EXPECT_EQ(
      "DDLUURDLU"
      "URD",
      solver.applied);
  for (unsigned c = 0; c < 5; ++c) EXPECT_EQ(static_cast<int>(c + 1), At(0, c));
}

TEST_F(Parberry, RowTailReportsAnUnexpectedStart) {
  Start(5, {{0, {3, 3}}});
  parberry::SolveFirstRow2(solver);
  EXPECT_EQ("\nError in function SolveFirstRow2() (n=5) : unexpected board configuration...",
            out.str());
  EXPECT_EQ("", solver.applied);
}

// The column step and its tail

TEST_F(Parberry, ColumnStepPlacesFromTheBottomUpAndPreparesTheTail) {
  SeedRandom(31);
  for (unsigned n : {4u, 5u}) {
    Board board = RandomSolvableBoard(n);
    solver.board = board;
    parberry::SolveFirstRow(solver);
    if (At(0, n - 2) != static_cast<int>(n - 1) || At(0, n - 1) != static_cast<int>(n)) {
      parberry::SolveFirstRow2(solver);
    }
    parberry::SolveFirstCol(solver);
    for (unsigned r = 3; r < n; ++r) EXPECT_EQ(static_cast<int>(r * n + 1), At(r, 0)) << n;
    const int upper = static_cast<int>(2 * n + 1);
    const bool corner = At(2, 1) == upper && BlankAt(1, 1);
    const bool above = At(1, 0) == upper && BlankAt(1, 1);
    const bool home = At(2, 0) == upper && At(1, 0) == static_cast<int>(n + 1);
    EXPECT_TRUE(corner || above || home) << n;
  }
}

TEST_F(Parberry, ColumnHomeWithBlankBelowRowTwoLeavesThePlacedTilesAlone) {
  // Column 0 home from the start, tile n+1 away, the blank in the bottom row.
  Start(6, {{7, {3, 3}}, {0, {5, 4}}});
  parberry::SolveFirstCol(solver);
  for (unsigned r = 2; r < 6; ++r) EXPECT_NE(0, At(r, 0));
  for (unsigned r = 3; r < 6; ++r) EXPECT_EQ(static_cast<int>(r * 6 + 1), At(r, 0));
  EXPECT_EQ(13, At(1, 0));
  EXPECT_TRUE(BlankAt(1, 1));
  parberry::SolveFirstCol2(solver);
  for (unsigned r = 0; r < 6; ++r) EXPECT_EQ(static_cast<int>(r * 6 + 1), At(r, 0));
  EXPECT_EQ("", out.str());
}

TEST_F(Parberry, ColumnTailSwapAndTurn) {
  Start(5, {{11, {1, 0}}, {6, {2, 0}}, {0, {1, 1}}});
  parberry::SolveFirstCol2(solver);
  EXPECT_EQ("DLDRRUULDDLUUR", solver.applied);
  EXPECT_EQ(6, At(1, 0));
  EXPECT_EQ(11, At(2, 0));
  EXPECT_EQ("", out.str());
}

TEST_F(Parberry, ColumnTailReportsAnUnexpectedStart) {
  Start(4, {{0, {3, 3}}, {9, {2, 2}}});
  parberry::SolveFirstCol2(solver);
  EXPECT_EQ("\nError in function SolveFirstCol2() (n=4) : unexpected board configuration...",
            out.str());
}

// The driver

TEST_F(Parberry, SolvedBoardGivesAnEmptySolutionAndATimeLine) {
  solver.board = GoalBoard(4);
  EXPECT_EQ("", parberry::SolveParberry(solver).moves);
  EXPECT_EQ("\nSolved in 0.0 seconds ( 0.0 of it solving 3x3 puzzle)", out.str());
}

TEST_F(Parberry, ThreeByThreeIsTheSearchAlone) {
  SeedRandom(8);
  const Board start = NearGoalBoard(3, 25);
  solver.board = start;
  EXPECT_EQ(Solve3x3(start), parberry::SolveParberry(solver).moves);
}

TEST_F(Parberry, RefusesSmallUnsolvableAndInvalidBoards) {
  solver.applied = "earlier";
  Board two = GoalBoard(2);
  Board swapped = GoalBoard(5);
  std::swap(swapped.tiles[0], swapped.tiles[1]);
  Board duplicates = GoalBoard(4);
  duplicates.tiles[0] = 2;
  duplicates.tiles[1] = 3;
  duplicates.tiles[2] = 2;
  for (const Board& board : {two, swapped, duplicates, Board()}) {
    solver.board = board;
    EXPECT_EQ(CANT_SOLVE, parberry::SolveParberry(solver).message);
  }
  EXPECT_EQ("earlier", solver.applied);
  EXPECT_EQ("", out.str());
}

// Every solvable board is solved

TEST_F(Parberry, SolvesRandomBoardsOfEverySmallSide) {
  SeedRandom(1);
  for (unsigned n = 3; n <= 20; ++n) {
    for (int k = 0; k < 6; ++k) ExpectSolved(RandomSolvableBoard(n));
  }
}

TEST_F(Parberry, SolvesNearGoalAndPartlyHomeBoards) {
  SeedRandom(2);
  for (unsigned n = 3; n <= 16; ++n) {
    for (int moves : {1, 2, 3, 5, 8, 13, 40}) ExpectSolved(NearGoalBoard(n, moves));
    for (int k = 0; k < 25; ++k) ExpectSolved(PartlyHomeBoard(n));
  }
}

TEST_F(Parberry, SolvesLargeBoards) {
  SeedRandom(3);
  for (unsigned n : {50u, 100u}) {
    ExpectSolved(RandomSolvableBoard(n));
    ExpectSolved(NearGoalBoard(n, 30));
    ExpectSolved(PartlyHomeBoard(n));
  }
}
