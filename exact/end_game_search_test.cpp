// end_game_search_test.cpp: shortest 3 x 3 solutions, checked against a breadth-first search of
// every solvable position.
#include "exact/end_game_search.h"

#include <gtest/gtest.h>

#include "board/random_draw.h"
#include "test_support/sample_boards.h"
#include "test_support/three_by_three.h"

TEST(EndGame, HardestPositionsAndASampleOfAllDistancesAreShortest) {
  const auto& levels = ThreeByThree();
  ASSERT_EQ(32u, levels.size());
  // The benchmarks time these two; the random sample below meets each of them many times.
  EXPECT_EQ((std::vector<Cells3x3>{{8, 6, 7, 2, 5, 4, 3, 0, 1}, {6, 4, 7, 8, 5, 0, 3, 2, 1}}),
            levels.back());
  SeedRandom(17);
  for (int i = 0; i < 3000; ++i) {
    // A position of a random distance: its solution must be that short and solve it.
    const size_t distance = DrawRandom() % levels.size();
    const Board board = BoardOf(3, levels[distance][DrawRandom() % levels[distance].size()]);
    const MoveSequence solution = Solve3x3(board);
    EXPECT_EQ(distance, solution.size());
    EXPECT_TRUE(SolvesBoard(board, solution)) << solution;
  }
}

TEST(EndGame, RefusesWhatItCannotSolveAndReadsTheFirstNineCells) {
  for (const Cells3x3& cells : std::vector<Cells3x3>{{2, 1, 3, 4, 5, 6, 7, 8, 0},
                                                     {1, 1, 3, 4, 5, 6, 7, 8, 0},
                                                     {1, 2, 3, 4, 5, 6, 7, 9, 0},
                                                     {1, 2, 3, 4, 5, 6, 7, 8, -1}}) {
    EXPECT_EQ("", Solve3x3(BoardOf(3, cells)));
  }
  EXPECT_EQ("", Solve3x3(Board()));
  Board board = BoardOf(3, {1, 2, 3, 4, 5, 6, 7, 0, 8});
  board.tiles.push_back(42);
  EXPECT_EQ("R", Solve3x3(board));
}
