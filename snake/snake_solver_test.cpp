// snake_solver_test.cpp: the snake trial, pairs carried home, and the boards that once went wrong
// (the driver's output: console/command_loop_test.cpp).
#include "board/random_draw.h"
#include "test_support/snake_fixture.h"

namespace {

// Tiles 1 and 2 side by side in row 1, the blank below right: the snake walking tile 1 takes 13
// moves once shortened, exactly two less than the estimate of 15 for placing the two singly.
const std::vector<int> PAIR_IN_ROW_1 = {6, 10, 8, 14, 12, 1, 2, 13, 4, 7, 9, 0, 3, 11, 5, 15};

class SnakeSolverTest : public SnakeTest {};

}  // namespace

TEST_F(SnakeSolverTest, ATrialSavingTooLittleIsRolledBackWhole) {
  Load(BoardOf(4, PAIR_IN_ROW_1));
  EXPECT_FALSE(snakes.TrySnake(snake::FIRST_ROW, 0, 14, 1, 2));
  EXPECT_EQ(PAIR_IN_ROW_1, solver.Current().Cells());
  EXPECT_EQ(11u, solver.Current().Blank());
  EXPECT_EQ("", solver.Current().Moves());
  for (int cell = 0; cell < 16; ++cell) EXPECT_FALSE(Blocked(cell / 4, cell % 4)) << cell;
  EXPECT_TRUE(snakes.TrySnake(snake::FIRST_ROW, 0, 15, 1, 2));
  EXPECT_TRUE(solver.Current().IsHome(1) && solver.Current().IsHome(2));
  EXPECT_EQ(13u, OptimizeSolution(solver.Current().Moves()).size());
}

TEST_F(SnakeSolverTest, NextSnakeDoesNotRouteThroughAPairAlreadyHome) {
  // Tiles 1 and 2 start home; the blank's shortest way in front of the snake of 3 and 4 would
  // lead through tile 2.
  Load(BoardOf(6, {1,  2,  9,  11, 6,  5,  13, 8,  4,  3,  12, 18, 0,  14, 7,  15, 10, 17,
                   19, 20, 21, 16, 23, 24, 25, 26, 27, 22, 28, 29, 31, 32, 33, 34, 35, 30}));
  snakes.PlaceLine(snake::FIRST_ROW);
  for (int t = 1; t <= 4; ++t) EXPECT_TRUE(solver.Current().IsHome(t)) << t;
}

TEST_F(SnakeSolverTest, SnakeCalledOffWhenItsSetUpMovesAPlacedTile) {
  // Column pair 37, 28 of a 9 x 9 board, column 0 placed from row 5 down. Bringing the blank
  // left of 37 pushes 28 left first, so 37 ends right of 28 with the blank on its left, and its
  // walk up-left leads the blank through (8, 0) and (7, 0).
  Board board = GoalBoard(9);
  for (const auto& [cell, tile] : {std::pair{73, 37}, std::pair{56, 28}, std::pair{55, 0}}) {
    std::swap(board.tiles[cell], board.tiles[board.FindTile(tile)]);
  }
  board.FindBlank();
  Load(board);
  pairSnake.Path() = {99};
  EXPECT_FALSE(snakes.Carry(snake::FIRST_COL, 4, 37, 28));
  EXPECT_FALSE(solver.Current().IsHome(73));
  EXPECT_EQ((std::vector<int>{99}), pairSnake.Path());  // before any route was built
  EXPECT_EQ("", solver.TakeFaults());
}

TEST_F(SnakeSolverTest, AWalkStepThatCannotBeMadeFailsAndChangesNothing) {
  Load(GoalWithBlankAt(3, 1, 2));
  pairSnake.SetCells({4, 3});
  pairSnake.Path() = {1};
  marks.At(0, 1) = snake::BLOCKED_CELL;
  EXPECT_FALSE(pairSnake.MoveAlongPath());
  solver.TakeFaults();
  Load(GoalWithBlankAt(4, 0, 0));
  pairSnake.SetCells({5, 6});
  EXPECT_FALSE(pairSnake.MoveAlongSnake());
  EXPECT_EQ("\nError in function MoveAlongSnake - can't determine next step. P1=0 P2=5",
            solver.TakeFaults());
  EXPECT_EQ((std::vector<int>{5, 6}), pairSnake.Cells());
  EXPECT_EQ("", solver.Current().Moves());
  EXPECT_FALSE(Blocked(0, 0));
}

TEST_F(SnakeTest, CarriedPairsReachHomeAndLeaveThePlacedTilesThere) {
  // Row pairs after k placed tiles, and column pairs below a placed first row and above the
  // column's placed tiles, from random placements of the rest.
  SeedRandom(23);
  int carried = 0;
  for (int round = 0; round < 600; ++round) {
    const bool column = round % 2 == 1;
    const unsigned n = 5 + unsigned(DrawRandom()) % 6;
    const int side = int(n);
    const int k = DrawRandom() % (column ? side - 4 : side - 3);
    // The pair's leading tile, and the one its snake carries behind it.
    const int t = column ? (side - 1 - k) * side + 1 : k + 1;
    const int next = column ? t - side : t + 1;
    const snake::Line& line = column ? snake::FIRST_COL : snake::FIRST_ROW;
    const std::vector<bool> kept = PlacedBefore(line, n, k);
    Load(BoardKeeping(n, kept, {}, true));
    // As the line's driver leaves them: the placed tiles closed to the blank's routes.
    for (int cell = 0; cell < side * side; ++cell) {
      if (kept[size_t(cell)]) marks.Set(cell, snake::BLOCKED_CELL);
    }
    if (solver.Current().IsHome(t) && solver.Current().IsHome(next)) continue;
    // Either tile may be walked beside the other.
    const bool walkFirst = DrawRandom() % 2 == 0;
    const bool done = walkFirst ? snakes.Carry(line, k, t, next) : snakes.Carry(line, k, next, t);
    const std::string where = "n=" + std::to_string(n) + " t=" + std::to_string(t);
    ASSERT_EQ("", solver.TakeFaults()) << where;
    if (!done) continue;
    ++carried;
    ASSERT_TRUE(solver.Current().IsHome(t) && solver.Current().IsHome(next)) << where;
    for (int cell = 0; cell < side * side; ++cell) {
      ASSERT_TRUE(!kept[size_t(cell)] || solver.Current().IsHome(cell + 1)) << where << " " << cell;
    }
  }
  EXPECT_GT(carried, 300);
}
