// board_test.cpp: moves, trimming, solvability, random boards and printing.
#include "board/board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "board/random_draw.h"
#include "test_support/sample_boards.h"

TEST(Board, MovesAtTheEdgesAndForeignLetters) {
  // The blank in each corner of a 3 x 3 board: the two letters that would leave it are refused
  // and change nothing, the other two slide a neighbour into the blank.
  const struct {
    unsigned blank;
    const char* refused;
    const char* allowed;
  } corners[] = {{0, "ULudlrX \n0", "DR"}, {2, "UR", "DL"}, {6, "DL", "UR"}, {8, "DR", "UL"}};
  for (const auto& corner : corners) {
    Board board = GoalBoard(3);
    std::swap(board.tiles[corner.blank], board.tiles[8]);
    board.FindBlank();
    const Board before = board;
    for (const char* letter = corner.refused; *letter; ++letter) {
      EXPECT_FALSE(board.MoveBlank(*letter)) << corner.blank << " " << *letter;
      EXPECT_EQ(before.tiles, board.tiles);
      EXPECT_EQ(corner.blank, board.blank);
    }
    for (const char* letter = corner.allowed; *letter; ++letter) {
      Board moved = before;
      EXPECT_TRUE(moved.MoveBlank(*letter)) << corner.blank << " " << *letter;
      EXPECT_EQ(0, moved.tiles[moved.blank]);
    }
  }
  Board board = GoalBoard(3);
  ASSERT_TRUE(board.MoveBlank('U') && board.MoveBlank('L'));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 0, 5, 7, 8, 6}), board.tiles);
  // Boards without cells, or with fewer than their side says, have no legal move.
  Board empty, mismatched = BoardOf(3, {1, 2, 0});
  EXPECT_FALSE(empty.MoveBlank('U') || empty.RandomMove());
  EXPECT_FALSE(mismatched.MoveBlank('L') || mismatched.MoveBlank('D'));
  EXPECT_FALSE(GoalBoard(1).RandomMove());  // one cell: no move at all, and no endless draw
}

TEST(Board, ApplySequenceWarnsAndGoesOn) {
  Board board = GoalBoard(3);
  std::ostringstream out;
  EXPECT_FALSE(board.ApplySequence("UXU", out));
  EXPECT_EQ("\nWarning: can't use this move - X (ApplySequence(UXU))", out.str());
  EXPECT_EQ(2u, board.blank);
  EXPECT_TRUE(board.ApplySequence("", out));
}

// A long sequence refused letter by letter: the first 20 warnings quote its first 1000 letters,
// one line counts the rest; a sequence of 1000 letters is still quoted whole.
TEST(Board, ApplySequenceBoundsItsWarnings) {
  for (const size_t length : {size_t{1000}, size_t{1001}, size_t{100000}}) {
    Board board = GoalBoard(3);
    const MoveSequence sequence(length, 'R');  // the blank starts in the right column
    std::ostringstream out;
    EXPECT_FALSE(board.ApplySequence(sequence, out));
    const std::string quoted = length <= 1000 ? sequence : sequence.substr(0, 1000) + "...";
    std::string expected;
    for (int i = 0; i < 20; ++i) {
      expected += "\nWarning: can't use this move - R (ApplySequence(" + quoted + "))";
    }
    expected += "\nWarning: " + std::to_string(length - 20) + " more moves can't be used";
    EXPECT_EQ(expected, out.str()) << length;
  }
}

TEST(Board, CopyConstructionRecordsTheTilesAsInitialAndAssignmentKeepsAll) {
  Board source = GoalBoard(3);
  source.initialTiles = {9, 9, 9};
  source.initialSize = 7;
  source.MoveBlank('U');
  const Board copy(source);
  EXPECT_EQ(source.tiles, copy.initialTiles);
  EXPECT_EQ(3, copy.initialSize);
  EXPECT_EQ(5u, copy.blank);
  Board assigned;
  assigned = source;
  EXPECT_EQ(source.initialTiles, assigned.initialTiles);
  EXPECT_EQ(7, assigned.initialSize);
}

TEST(Board, TrimRenumbersTheRemainingTilesOrRefuses) {
  Board board = BoardOf(4, {1, 2, 3, 4, 5, 11, 6, 7, 9, 0, 10, 15, 13, 14, 12, 8});
  ASSERT_TRUE(board.TrimBoard());
  EXPECT_EQ(3u, board.n);
  // 6, 7, 8, 10, 11, 12, 14, 15 become 1 ... 8.
  EXPECT_EQ((std::vector<int>{5, 1, 2, 0, 4, 8, 7, 6, 3}), board.tiles);
  EXPECT_EQ(3u, board.blank);
  Board unsolved = GoalBoard(4);
  std::swap(unsolved.tiles[4], unsolved.tiles[5]);
  const Board before = unsolved;
  EXPECT_FALSE(unsolved.TrimBoard());
  EXPECT_EQ(before.tiles, unsolved.tiles);
  EXPECT_FALSE(Board().TrimBoard());
}

TEST(Solvability, ParityOfEverySideAndBlankRow) {
  std::ostringstream out;
  for (unsigned n : {2u, 3u, 4u, 5u, 10u, 100u}) {
    Board board = GoalBoard(n);
    EXPECT_TRUE(board.IsSolvable(out)) << n;
    board.ApplySequence("UL", out);  // the blank in another row of an even side
    EXPECT_TRUE(board.IsSolvable(out)) << n;
    std::swap(board.tiles[board.FindTile(1)], board.tiles[board.FindTile(2)]);
    EXPECT_FALSE(board.IsSolvable(out)) << n;
  }
  EXPECT_EQ("", out.str());
  EXPECT_FALSE(Board().IsSolvable(out));
  Board wrongBlank = GoalBoard(3);
  wrongBlank.blank = 2;
  EXPECT_TRUE(wrongBlank.IsSolvable(out));
  EXPECT_EQ("Warning - in function IsSolvable: invalid zero position", out.str());
}

TEST(Solvability, InversionsCountedFastMatchThePairwiseCount) {
  SeedRandom(3);
  for (int round = 0; round < 50; ++round) {
    std::vector<int> values(static_cast<size_t>(DrawRandom() % 60));
    for (int& v : values) v = DrawRandom() % 20 - 5;  // duplicates and negatives
    long long pairs = 0;
    for (size_t i = 0; i < values.size(); ++i) {
      for (size_t j = i + 1; j < values.size(); ++j) pairs += values[i] > values[j] ? 1 : 0;
    }
    EXPECT_EQ(pairs, CountInversions(values));
    EXPECT_EQ(pairs % 2 == 0, HasEvenParity(values));
    // The same count as a permutation of 1 ... N, which HasEvenParity takes by its cycles.
    std::vector<int> permutation(values.size());
    for (size_t i = 0; i < permutation.size(); ++i) permutation[i] = static_cast<int>(i + 1);
    for (size_t i = permutation.size(); i > 1; --i) {
      std::swap(permutation[i - 1], permutation[static_cast<size_t>(DrawRandom()) % i]);
    }
    EXPECT_EQ(CountInversions(permutation) % 2 == 0, HasEvenParity(permutation));
  }
}

TEST(RandomBoard, PermutationsWhoseResultIsTheirSolvability) {
  SeedRandom(11);
  std::ostringstream out;
  for (unsigned n = 1; n <= 100; n += (n < 12 ? 1 : 11)) {
    for (int draw = 0; draw < (n < 12 ? 30 : 3); ++draw) {
      Board board;
      const bool result = board.RandomBoard(n, out);
      ASSERT_EQ(static_cast<size_t>(n) * n, board.tiles.size());
      EXPECT_EQ(n < 2 || board.IsSolvable(out), result) << n;
      EXPECT_EQ(0, board.tiles[board.blank]);
      std::vector<int> sorted = board.tiles;
      std::sort(sorted.begin(), sorted.end());
      for (size_t i = 0; i < sorted.size(); ++i) ASSERT_EQ(static_cast<int>(i), sorted[i]);
    }
  }
  EXPECT_EQ("", out.str());
}

TEST(RandomBoard, TheSameDrawsGiveTheSameBoards) {
  // Saved sessions and studies rebuild boards from a seed: the drawing must never change.
  std::ostringstream out;
  Board board;
  SeedRandom(2024);
  board.RandomBoard(4, out);
  EXPECT_EQ((std::vector<int>{8, 5, 10, 9, 14, 4, 7, 1, 13, 2, 0, 11, 6, 12, 3, 15}), board.tiles);
  board.RandomBoard(100, out);
  unsigned long long hash = 0;
  for (const int tile : board.tiles) hash = hash * 1000003 + static_cast<unsigned>(tile);
  EXPECT_EQ(1622902343166602408ull, hash);
}

TEST(PrintBoard, ByteForByte) {
  std::ostringstream goal, unsolvable, large, empty;
  GoalBoard(3).PrintBoard(goal);
  EXPECT_EQ(
      "\n\nSize: 3x3\nManhattan distance: 0\nSolvable: Yes\n\nTiles: \n"
      "\n   1   2   3\n   4   5   6\n   7   8   0",
      goal.str());
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
  Board().PrintBoard(empty);
  EXPECT_EQ("No puzzle to be print!", empty.str());
}
