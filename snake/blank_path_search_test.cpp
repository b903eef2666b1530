// blank_path_search_test.cpp: shortest blank walks, their tie-breaking, and the grid left behind.
#include <algorithm>
#include <iterator>

#include "board/random_draw.h"
#include "test_support/snake_fixture.h"

namespace {

class FindMovesTo : public SnakeTest {
 protected:
  // Side n, the blank at (row, col), the cells given blocked.
  void Load(unsigned n, unsigned row, unsigned col, const std::vector<int>& blocked = {}) {
    SnakeTest::Load(GoalWithBlankAt(n, row, col));
    for (const int cell : blocked) marks.At(cell / n, cell % n) = snake::BLOCKED_CELL;
    std::copy(Whole(), Whole() + std::size(before), before);
  }
  // A search, found or not, leaves every mark as it was.
  void ExpectGridUnchanged() const {
    EXPECT_TRUE(std::equal(std::begin(before), std::end(before), Whole()));
  }
  // The router's searched walk to the target, as letters.
  MoveSequence WalkTo(int target) {
    const std::optional<MovePiece> route = router.FindMovesTo(target);
    return route ? MoveSequence(route->letters, route->length) : "";
  }

  // Every mark, the margin round the board included.
  int* Whole() const { return &marks.At(-snake::MARGIN, -snake::MARGIN); }

  snake::BlankRouter router{solver, marks};
  int before[snake::STRIDE * snake::STRIDE];
};

}  // namespace

// Ties go up, right, left, down; blocked cells are walked round, and a target that cannot be
// reached, blocked or off the board, is said so. No search leaves a mark changed.
TEST_F(FindMovesTo, ShortestWalksAndTheTargetsOutOfReach) {
  const std::string unreachable = "Error in FindMovesTo - failed to reach final destination!";
  const struct {
    unsigned n, row, col;
    std::vector<int> blocked;
    int target;
    const char* walk;
  } cases[] = {
      {3, 0, 0, {}, 4, "RD"},
      {3, 0, 2, {}, 3, "LLD"},  // 2 and 3 differ by one but are no neighbours
      {3, 0, 2, {}, 2, ""},
      {3, 0, 0, {1, 4}, 2, "DDRRUU"},
      {5, 0, 0, {2, 7, 12, 17}, 4, "RDDDDRRUUUUR"},  // through the one gap of a wall
      {3, 0, 0, {1, 3}, 8, nullptr},
      {3, 0, 0, {2}, 2, nullptr},
      {3, 0, 0, {2}, 9, nullptr},
  };
  for (const auto& c : cases) {
    Load(c.n, c.row, c.col, c.blocked);
    EXPECT_EQ(c.walk ? c.walk : "", WalkTo(c.target)) << c.target;
    EXPECT_EQ(c.walk ? "" : unreachable, solver.TakeFaults()) << c.target;
    ExpectGridUnchanged();
  }
  EXPECT_EQ("RD", WalkTo(4));  // the search after one that failed
}

TEST_F(FindMovesTo, RoundASnakeTheWalkIsTheSearchs) {
  // Random grids with a two-tile snake beside the blank: the listed walk found round the snake
  // must be the one the breadth-first search finds, letter for letter.
  SeedRandom(31);
  const int rowStep[] = {-1, 0, 0, 1}, colStep[] = {0, 1, -1, 0};
  int checked = 0;
  for (int round = 0; round < 3000; ++round) {
    const unsigned n = 4 + DrawRandom() % 9;
    const int size = static_cast<int>(n);
    const int blankRow = DrawRandom() % size, blankCol = DrawRandom() % size;
    int rows[4] = {blankRow}, cols[4] = {blankCol};
    bool onBoard = true;
    for (int i = 1; i < 4 && onBoard; ++i) {
      const int step = DrawRandom() % 4;
      rows[i] = rows[i - 1] + rowStep[step];
      cols[i] = cols[i - 1] + colStep[step];
      onBoard = rows[i] >= 0 && cols[i] >= 0 && rows[i] < size && cols[i] < size;
    }
    if (!onBoard) continue;
    Load(n, static_cast<unsigned>(blankRow), static_cast<unsigned>(blankCol));
    for (int cell = 0; cell < size * size; ++cell) {
      if (DrawRandom() % 4 == 0) marks.At(cell / size, cell % size) = snake::BLOCKED_CELL;
    }
    marks.At(blankRow, blankCol) = snake::FREE_CELL;
    marks.At(rows[1], cols[1]) = snake::BLOCKED_CELL;
    marks.At(rows[2], cols[2]) = snake::BLOCKED_CELL;
    const int target = rows[3] * size + cols[3];
    const std::vector<int> snake = {rows[2] * size + cols[2], rows[1] * size + cols[1]};
    snake::DetourFound found;
    if (!router.FollowDetour(target, snake, found)) continue;
    // The walk is followed by the snake's two letters.
    const MovePiece& walk = *found.walkAndStep;
    ASSERT_EQ(WalkTo(target), MoveSequence(walk.letters, walk.length - 2)) << round;
    ASSERT_EQ("", solver.TakeFaults());
    ++checked;
  }
  EXPECT_GT(checked, 500);
}
