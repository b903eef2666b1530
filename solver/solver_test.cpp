// solver_test.cpp: moving and recording, checkpoints, and routing the blank beside a tile.
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <sstream>

#include "board/sample_boards.h"

namespace {

class SolverTest : public ::testing::Test {
 protected:
  // The goal board of side n with the blank moved to (row, col) by swapping it there.
  void Start(unsigned n, unsigned row, unsigned col) {
    solver.board = GoalBoard(n);
    std::swap(solver.board.tiles.back(), solver.board.tiles[row * n + col]);
    solver.board.FindBlank();
  }
  int At(unsigned row, unsigned col) const {
    return solver.board.tiles[row * solver.board.n + col];
  }
  bool BlankAt(unsigned row, unsigned col) const {
    return solver.board.blank == row * solver.board.n + col;
  }

  std::ostringstream out;
  Solver solver{out};
};

}  // namespace

// Moving and recording

TEST_F(SolverTest, DoMovesWithARefusedLetter) {
  Start(3, 0, 1);
  solver.applied = "R";
  solver.DoMoves("DUD");  // fine
  EXPECT_EQ("RDUD", solver.applied);
  solver.recording = true;
  solver.DoMoves("LLR");  // the second L would leave the board
  EXPECT_EQ("\nWarning: can't use this move - L (ApplySequence(LLR))", out.str());
  EXPECT_TRUE(BlankAt(1, 1));  // L then R still moved the blank
  EXPECT_EQ("RDUD", solver.applied);
  EXPECT_EQ("LLR", solver.recordedMoves);
}

TEST_F(SolverTest, CheckpointRestoresBoardAndAppliedButNotRecording) {
  Start(4, 3, 3);
  solver.applied = "UL";
  solver.recordedMoves = "old";
  solver.SaveCheckpoint();
  EXPECT_TRUE(solver.recording);
  EXPECT_EQ("", solver.recordedMoves);
  solver.DoMoves("UUL");
  solver.RestoreCheckpoint();
  EXPECT_TRUE(BlankAt(3, 3));
  EXPECT_EQ("UL", solver.applied);
  EXPECT_EQ("UUL", solver.recordedMoves);
  EXPECT_TRUE(solver.recording);
}

// Routing the blank beside a tile

TEST_F(SolverTest, BringBlankAboveNeverEntersRowZeroFromRowOne) {
  Start(5, 1, 4);
  const int tile = At(1, 1);
  int row = 1, col = 1;
  solver.BringBlankAbove(1, 4, row, col);
  EXPECT_EQ('D', solver.applied[0]);
  EXPECT_EQ(tile, At(row, col));
  EXPECT_TRUE(BlankAt(row - 1, col));
  for (unsigned c = 0; c < 5; ++c) EXPECT_EQ(static_cast<int>(c + 1), At(0, c));
  EXPECT_EQ("", out.str());
}

TEST_F(SolverTest, BringBlankAboveAColumnZeroTileFromBelow) {
  // The blank climbs column 1 and enters column 0 directly below the tile, pushing it down.
  Start(6, 5, 3);
  const int tile = At(2, 0);
  int row = 2, col = 0;
  solver.BringBlankAbove(5, 3, row, col);
  EXPECT_EQ(3, row);
  EXPECT_EQ(tile, At(3, 0));
  EXPECT_TRUE(BlankAt(2, 0));
  EXPECT_EQ(25, At(4, 0));  // only the cell below the tile was entered in column 0
  EXPECT_EQ(31, At(5, 0));
}

TEST_F(SolverTest, BringBlankRightInTheLastColumnStepsLeftFirst) {
  Start(4, 3, 3);
  const int tile = At(1, 3);
  int row = 1, col = 3;
  solver.BringBlankRight(3, 3, row, col);
  EXPECT_EQ('L', solver.applied[0]);
  EXPECT_EQ(tile, At(row, col));
  EXPECT_TRUE(BlankAt(row, col + 1));
  EXPECT_EQ("", out.str());
}

TEST_F(SolverTest, BringBlankRightOfARowZeroTileTravelsAlongRowOne) {
  Start(6, 3, 0);
  const int tile = At(0, 4);
  int row = 0, col = 4;
  solver.BringBlankRight(0, 3, row, col);
  EXPECT_EQ(3, col);
  EXPECT_EQ(tile, At(0, 3));
  EXPECT_TRUE(BlankAt(0, 4));
  for (unsigned c = 0; c < 3; ++c) EXPECT_EQ(static_cast<int>(c + 1), At(0, c));
}

TEST_F(SolverTest, BringBlankLeftFromTheRightPushesTheTile) {
  Start(5, 2, 4);
  const int tile = At(2, 1);
  int row = 2, col = 1;
  solver.BringBlankLeft(4, 2, row, col);
  EXPECT_EQ(2, col);
  EXPECT_EQ(tile, At(2, 2));
  EXPECT_TRUE(BlankAt(2, 1));
}

TEST_F(SolverTest, BringBlankLeftOfARowZeroTileFromBelow) {
  Start(6, 4, 1);
  const int tile = At(0, 4);
  int row = 0, col = 4;
  solver.BringBlankLeft(1, 4, row, col);
  EXPECT_EQ(4, col);
  EXPECT_EQ(tile, At(0, 4));
  EXPECT_TRUE(BlankAt(0, 3));
  for (unsigned c = 0; c < 3; ++c) EXPECT_EQ(static_cast<int>(c + 1), At(0, c));
}

TEST_F(SolverTest, LiftTileInLastColumn) {
  Start(5, 1, 4);
  const int tile = At(4, 4);
  solver.LiftTileInLastColumn(4);
  EXPECT_EQ(tile, At(1, 4));
  EXPECT_TRUE(BlankAt(1, 3));
  EXPECT_EQ("", out.str());
}

TEST_F(SolverTest, LiftTileInLastColumnNeedsTheBlankInPlace) {
  Start(5, 2, 4);
  solver.recording = true;
  solver.LiftTileInLastColumn(4);
  EXPECT_EQ("", solver.recordedMoves);
  EXPECT_TRUE(BlankAt(2, 4));
}

TEST_F(SolverTest, ShiftTileInRow) {
  Start(6, 2, 4);
  const int tile = At(2, 3);
  solver.ShiftTileInRow(1, 3);
  EXPECT_EQ(tile, At(2, 1));
  EXPECT_TRUE(BlankAt(2, 2));
  solver.ShiftTileInRow(4, 1);
  EXPECT_EQ(tile, At(2, 4));
  EXPECT_TRUE(BlankAt(2, 5));
  const std::string before = solver.applied;
  solver.recording = true;
  solver.ShiftTileInRow(4, 4);  // already there: an empty text, which counts as applied
  EXPECT_EQ(before, solver.applied);
  EXPECT_EQ("", out.str());
}

// Questions about the board

TEST_F(SolverTest, IsTileAtGoal) {
  Start(3, 1, 1);
  EXPECT_TRUE(solver.IsTileAtGoal(1));
  EXPECT_FALSE(solver.IsTileAtGoal(5));
  EXPECT_FALSE(solver.IsTileAtGoal(9));
  EXPECT_FALSE(solver.IsTileAtGoal(0));
  solver.board = Board();
  EXPECT_FALSE(solver.IsTileAtGoal(1));
}

TEST(SolvableBoard, RefusesWhatNoSolverTakes) {
  std::ostringstream out;
  const Board board = GoalBoard(3);
  EXPECT_TRUE(IsSolvableBoard(board, out));
  Board swapped = board;
  std::swap(swapped.tiles[0], swapped.tiles[1]);
  EXPECT_FALSE(IsSolvableBoard(swapped, out));
  Board duplicate = board;
  duplicate.tiles[0] = 2;
  duplicate.tiles[1] = 1;
  duplicate.tiles[2] = 1;  // parity would pass, the values do not
  EXPECT_FALSE(IsSolvableBoard(duplicate, out));
  Board outOfRange = board;
  outOfRange.tiles[0] = 9;
  EXPECT_FALSE(IsSolvableBoard(outOfRange, out));
  EXPECT_FALSE(IsSolvableBoard(GoalBoard(2), out));
  EXPECT_FALSE(IsSolvableBoard(GoalBoard(101), out));
  EXPECT_EQ("", out.str());
}

TEST(SolveTimeLine, TruncatesToTenths) {
  const std::clock_t second = CLOCKS_PER_SEC;
  EXPECT_EQ("\nSolved in 1.2 seconds ( 0.7 of it solving 3x3 puzzle)",
            SolveTimeLine(0, second / 2, second * 129 / 100));
  EXPECT_EQ("\nSolved in 0.0 seconds ( 0.0 of it solving 3x3 puzzle)", SolveTimeLine(5, 5, 5));
}
