// blank_path_search_test.cpp: shortest blank walks, their tie-breaking, and the grid left behind.
#include <gtest/gtest.h>

#include <sstream>

#include "snake/snake_solver.h"
#include "snake/test_boards.h"

namespace {

class FindMovesTo : public ::testing::Test {
 protected:
  // A board of side n with the blank at the cell and every cell free.
  void Load(unsigned n, unsigned row, unsigned col) {
    solver.SetPuzzle(GoalWithBlankAt(n, row, col));
  }
  void Block(int index) { solver.cellGrid[index / solver.board.n][index % solver.board.n] = -1; }
  // Every board cell free but the blocked ones, every other entry blocked.
  void ExpectGrid(const std::vector<int>& blocked) {
    const int n = static_cast<int>(solver.board.n);
    for (int i = 0; i < 100 * 100; ++i) {
      const int row = i / 100, col = i % 100;
      bool isBlocked = row >= n || col >= n;
      for (const int cell : blocked) isBlocked = isBlocked || cell == row * n + col;
      ASSERT_EQ(isBlocked ? -1 : -2, solver.cellGrid[row][col]) << row << ", " << col;
    }
  }

  std::ostringstream out;
  SnakeSolver solver{out};
};

}  // namespace

TEST_F(FindMovesTo, PrefersRightBeforeDown) {
  Load(3, 0, 0);
  EXPECT_EQ("RD", solver.FindMovesTo(4));
  EXPECT_EQ(0u, solver.blankIndex);
  ExpectGrid({});
}

TEST_F(FindMovesTo, NeverWrapsRoundARowEnd) {
  // Cells 2 and 3 differ by one but are not neighbours; 3 is first reached from 0.
  Load(3, 0, 2);
  EXPECT_EQ("LLD", solver.FindMovesTo(3));
  ExpectGrid({});
}

TEST_F(FindMovesTo, GoesRoundBlockedCells) {
  Load(3, 0, 0);
  Block(1);
  Block(4);
  EXPECT_EQ("DDRRUU", solver.FindMovesTo(2));
  ExpectGrid({1, 4});
}

TEST_F(FindMovesTo, NeighbourAndOwnCell) {
  Load(4, 1, 1);
  EXPECT_EQ("U", solver.FindMovesTo(1));
  EXPECT_EQ("", solver.FindMovesTo(5));
  EXPECT_EQ("", out.str());
  ExpectGrid({});
}

TEST_F(FindMovesTo, ThroughTheGapOfAWall) {
  // Column 2 is walled off except in the bottom row.
  Load(5, 0, 0);
  for (const int cell : {2, 7, 12, 17}) Block(cell);
  const MoveSequence moves = solver.FindMovesTo(4);
  EXPECT_EQ(12u, moves.size());
  Board walked = solver.board;
  EXPECT_TRUE(walked.ApplySequence(moves, out));
  EXPECT_EQ(4u, walked.blank);
  for (const int cell : {2, 7, 12, 17}) EXPECT_EQ(solver.board.tiles[cell], walked.tiles[cell]);
  ExpectGrid({2, 7, 12, 17});
}

TEST_F(FindMovesTo, UnreachableTargetLeavesTheGridAsItWas) {
  Load(3, 0, 0);
  Block(1);
  Block(3);
  EXPECT_EQ("", solver.FindMovesTo(8));
  EXPECT_EQ("Error in FindMovesTo - failed to reach final destination!", out.str());
  ExpectGrid({1, 3});
  // A blocked target cannot be reached either; a later search is unaffected.
  Load(3, 0, 0);
  Block(2);
  out.str("");
  EXPECT_EQ("", solver.FindMovesTo(2));
  EXPECT_EQ("RD", solver.FindMovesTo(4));
  ExpectGrid({2});
}

TEST_F(FindMovesTo, TargetOffTheBoardIsUnreachable) {
  Load(3, 0, 0);
  EXPECT_EQ("", solver.FindMovesTo(9));
  EXPECT_EQ("", solver.FindMovesTo(-1));
  EXPECT_EQ(2 * std::string("Error in FindMovesTo - failed to reach final destination!").size(),
            out.str().size());
  ExpectGrid({});
}

TEST_F(FindMovesTo, FreesTheBlanksOwnCell) {
  Load(3, 1, 1);
  Block(4);
  EXPECT_EQ("R", solver.FindMovesTo(5));
  ExpectGrid({});
}
