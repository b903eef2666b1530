// board_test.cpp: copies, solvability, random boards and printing.
#include "board/board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <sstream>

#include "board/random_draw.h"
#include "test_support/sample_boards.h"

TEST(Board, CopyConstructionRecordsTheTilesAsInitialAndAssignmentKeepsAll) {
  Board source = GoalBoard(3);
  source.initialTiles = {9, 9, 9};
  source.initialSize = 7;
  source.tiles = {1, 2, 3, 4, 5, 0, 7, 8, 6};
  const Board copy(source);
  EXPECT_EQ(source.tiles, copy.initialTiles);
  EXPECT_EQ(3, copy.initialSize);
  EXPECT_EQ(5u, copy.blank);
  Board assigned;
  assigned = source;
  EXPECT_EQ(source.initialTiles, assigned.initialTiles);
  EXPECT_EQ(7, assigned.initialSize);
}

TEST(Solvability, ParityOfEverySideAndBlankRow) {
  for (unsigned n : {2u, 3u, 4u, 5u, 10u, 100u}) {
    Board board = GoalBoard(n);
    EXPECT_TRUE(board.IsSolvable()) << n;
    // The blank one up and one left: in another row, which matters on an even side.
    const unsigned corner = n * n - 1;
    std::swap(board.tiles[corner], board.tiles[corner - n]);
    std::swap(board.tiles[corner - n], board.tiles[corner - n - 1]);
    board.FindBlank();
    EXPECT_TRUE(board.IsSolvablePermutation()) << n;
    std::swap(board.tiles[board.FindTile(1)], board.tiles[board.FindTile(2)]);
    EXPECT_FALSE(board.IsSolvable()) << n;
    EXPECT_FALSE(board.IsSolvablePermutation()) << n;
  }
  EXPECT_FALSE(Board().IsSolvable());
  // Values that are no permutation can have the goal's parity.
  for (const int wrong : {2, 9, -1}) {
    Board board = GoalBoard(3);
    board.tiles[0] = wrong;
    EXPECT_EQ(wrong != 9, board.IsSolvable()) << wrong;
    EXPECT_FALSE(board.IsSolvablePermutation()) << wrong;
  }
  Board beyond = GoalBoard(3);
  beyond.tiles[7] = 9;  // one past the last tile, where the 8 had the goal's parity
  EXPECT_FALSE(beyond.IsSolvablePermutation());
}

// A board read from a file may hold a tile of no goal cell and no blank where `blank` says: the
// report counts such a tile from cell 0 and says so where the distance stands.
TEST(PrintBoard, NamesATileOfNoGoalAndAMisplacedBlankInPlace) {
  Board board = GoalBoard(2);
  board.tiles = {-4, 2, 3, 0};
  board.FindBlank();
  std::ostringstream out;
  board.PrintBoard(out);
  EXPECT_EQ(
      "\n\nSize: 2x2\nManhattan distance: Error in function GetGoalPosition( -4 ) : n=20\n"
      "Solvable: Yes\n\nTiles: \n\n  -4   2\n   3   0",
      out.str());
  std::vector<int> negatives(25, -1);  // past twenty, such tiles are counted
  negatives.back() = 0;
  out.str("");
  BoardOf(5, negatives).PrintBoard(out);
  std::string faults;
  for (int i = 0; i < 20; ++i) faults += "Error in function GetGoalPosition( -1 ) : n=5";
  EXPECT_NE(std::string::npos, out.str().find(": " + faults + " (4 more such tiles) 92\n"));
  board.blank = 0;
  out.str("");
  board.PrintBoard(out);
  EXPECT_NE(
      std::string::npos,
      out.str().find("\nSolvable: Warning - in function IsSolvable: invalid zero positionYes\n"));
  // Tiles far past the last are each some 700 million rows from home: the sum passes 32 bits.
  board = BoardOf(3, {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0});
  EXPECT_EQ(5726623056u, board.ManhattanDistance());
}

TEST(Solvability, ParityOfAnyValuesMatchesThePairwiseCount) {
  SeedRandom(3);
  for (int round = 0; round < 50; ++round) {
    std::vector<int> values(static_cast<size_t>(DrawRandom() % 60));
    for (int& v : values) v = DrawRandom() % 20 - 5;  // duplicates and negatives
    // A permutation of 1 ... N, which HasEvenParity takes by its cycles.
    std::vector<int> permutation(values.size());
    for (size_t i = 0; i < permutation.size(); ++i) permutation[i] = static_cast<int>(i + 1);
    for (size_t i = permutation.size(); i > 1; --i) {
      std::swap(permutation[i - 1], permutation[static_cast<size_t>(DrawRandom()) % i]);
    }
    for (const std::vector<int>& tested : {values, permutation}) {
      long long pairs = 0;
      for (size_t i = 0; i < tested.size(); ++i) {
        for (size_t j = i + 1; j < tested.size(); ++j) pairs += tested[i] > tested[j] ? 1 : 0;
      }
      EXPECT_EQ(pairs % 2 == 0, HasEvenParity(tested));
    }
  }
}

TEST(RandomBoard, PermutationsWhoseResultIsTheirSolvability) {
  SeedRandom(11);
  for (unsigned n = 1; n <= 100; n += (n < 12 ? 1 : 11)) {
    for (int draw = 0; draw < (n < 12 ? 30 : 3); ++draw) {
      Board board;
      const bool result = board.RandomBoard(n);
      ASSERT_EQ(static_cast<size_t>(n) * n, board.tiles.size());
      EXPECT_EQ(n < 2 || board.IsSolvable(), result) << n;
      EXPECT_EQ(0, board.tiles[board.blank]);
      std::vector<int> sorted = board.tiles;
      std::sort(sorted.begin(), sorted.end());
      for (size_t i = 0; i < sorted.size(); ++i) ASSERT_EQ(static_cast<int>(i), sorted[i]);
    }
  }
}

TEST(PrintBoard, ByteForByte) {
  // The goal and the empty board: CommandLoop.HelpPromptsAndWords, NewAndRandUpToTheLimit.
  std::ostringstream unsolvable, large;
  Board swapped = GoalBoard(4);
  std::swap(swapped.tiles[13], swapped.tiles[14]);
  swapped.PrintBoard(unsolvable);
  EXPECT_EQ(
      "\n\nSize: 4x4\nManhattan distance: 2\nSolvable: NO!\n\nTiles: \n"
      "\n   1   2   3   4\n   5   6   7   8\n   9  10  11  12\n  13  15  14   0",
      unsolvable.str());
  GoalBoard(21).PrintBoard(large);
  EXPECT_EQ(
      "\n\nSize: 21x21\nManhattan distance: 0\nSolvable: Yes\nCan only print boards with "
      "size <=20",
      large.str());
  std::ostringstream largest;
  GoalBoard(20).PrintBoard(largest);
  EXPECT_EQ(" 398 399   0", largest.str().substr(largest.str().size() - 12));
}
