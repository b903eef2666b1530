// blank_path_search_test.cpp: shortest blank walks, their tie-breaking, and the grid left behind.
#include <algorithm>

#include "snake/snake_test_support.h"

namespace {

class FindMovesTo : public SnakeTest {
 protected:
  // Side n, the blank at (row, col), the cells given blocked.
  void Load(unsigned n, unsigned row, unsigned col, const std::vector<int>& blocked = {}) {
    SnakeTest::Load(GoalWithBlankAt(n, row, col));
    for (const int cell : blocked) solver.cellGrid[cell / n][cell % n] = BLOCKED_CELL;
    std::copy(&solver.cellGrid[0][0], &solver.cellGrid[0][0] + sizeof before / sizeof(int), before);
  }
  // A search, found or not, leaves every mark as it was.
  void ExpectGridUnchanged() const {
    EXPECT_TRUE(std::equal(before, before + sizeof before / sizeof(int), &solver.cellGrid[0][0]));
  }

  int before[MAX_SIDE * MAX_SIDE];
};

const char* UNREACHABLE = "Error in FindMovesTo - failed to reach final destination!";

}  // namespace

TEST_F(FindMovesTo, TieBreakingGoesUpRightLeftDown) {
  Load(3, 0, 0);
  EXPECT_EQ("RD", solver.FindMovesTo(4));
  ExpectGridUnchanged();
  // Cells 2 and 3 differ by one but are no neighbours; 3 is first reached from 0.
  Load(3, 0, 2);
  EXPECT_EQ("LLD", solver.FindMovesTo(3));
  EXPECT_EQ("", solver.FindMovesTo(2));
  EXPECT_EQ("", out.str());
  ExpectGridUnchanged();
}

TEST_F(FindMovesTo, GoesRoundBlockedCells) {
  Load(3, 0, 0, {1, 4});
  EXPECT_EQ("DDRRUU", solver.FindMovesTo(2));
  ExpectGridUnchanged();
  // Through the one gap of a wall, in the bottom row.
  Load(5, 0, 0, {2, 7, 12, 17});
  EXPECT_EQ("RDDDDRRUUUUR", solver.FindMovesTo(4));
  ExpectGridUnchanged();
}

TEST_F(FindMovesTo, UnreachableTargetsLeaveTheGridAsItWas) {
  Load(3, 0, 0, {1, 3});
  EXPECT_EQ("", solver.FindMovesTo(8));
  ExpectGridUnchanged();
  Load(3, 0, 0, {2});
  EXPECT_EQ("", solver.FindMovesTo(2));
  EXPECT_EQ("", solver.FindMovesTo(9));  // off the board
  EXPECT_EQ(std::string(UNREACHABLE) + UNREACHABLE + UNREACHABLE, out.str());
  ExpectGridUnchanged();
  EXPECT_EQ("RD", solver.FindMovesTo(4));
}
