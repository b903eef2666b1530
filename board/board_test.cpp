// board_test.cpp: moves, trimming, solvability, random boards and printing.
#include "board/board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>

#include "board/random_draw.h"
#include "board/sample_boards.h"

// Moving the blank

TEST(Board, RefusesMovesOffEachEdge) {
  // The blank in each corner of a 3 x 3 board, and the two letters that would leave it.
  const struct {
    unsigned blank;
    const char* refused;
    const char* allowed;
  } corners[] = {{0, "UL", "DR"}, {2, "UR", "DL"}, {6, "DL", "UR"}, {8, "DR", "UL"}};
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
}

TEST(Board, LetterSlidesTheNeighbourIntoTheBlank) {
  Board board = GoalBoard(3);
  ASSERT_TRUE(board.MoveBlank('U'));
  EXPECT_EQ(5u, board.blank);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 0, 7, 8, 6}), board.tiles);
  ASSERT_TRUE(board.MoveBlank('L'));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 0, 5, 7, 8, 6}), board.tiles);
}

TEST(Board, RefusesForeignLetters) {
  Board board = GoalBoard(3);
  for (const char letter : std::string("udlrX \n0")) EXPECT_FALSE(board.MoveBlank(letter));
  EXPECT_EQ(GoalBoard(3).tiles, board.tiles);
}

TEST(Board, ApplySequenceWarnsAndGoesOn) {
  Board board = GoalBoard(3);
  std::ostringstream out;
  EXPECT_FALSE(board.ApplySequence("UXU", out));
  EXPECT_EQ("\nWarning: can't use this move - X (ApplySequence(UXU))", out.str());
  EXPECT_EQ(2u, board.blank);
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

TEST(Board, ApplySequenceOfNothingIsSilentSuccess) {
  Board board = GoalBoard(3);
  std::ostringstream out;
  EXPECT_TRUE(board.ApplySequence("", out));
  EXPECT_EQ("", out.str());
  EXPECT_TRUE(board.ApplySequence("ULDR", out));
  EXPECT_EQ(8u, board.blank);
}

TEST(Board, MovesNeverLeaveABoardWithoutCells) {
  Board empty;
  std::ostringstream out;
  EXPECT_FALSE(empty.ApplySequence("UDLR", out));
  EXPECT_FALSE(empty.RandomMove());
  Board mismatched = BoardOf(3, {1, 2, 0});  // fewer cells than its side says
  EXPECT_FALSE(mismatched.MoveBlank('L'));
  EXPECT_FALSE(mismatched.MoveBlank('D'));
}

TEST(Board, MoveLetterComparesIndicesOnly) {
  EXPECT_EQ('R', MoveLetter(4, 3, 4));  // different rows, yet "R"
  EXPECT_EQ('U', MoveLetter(1, 5, 4));
  EXPECT_EQ('L', MoveLetter(2, 3, 4));
  EXPECT_EQ('D', MoveLetter(7, 3, 4));
  EXPECT_EQ('X', MoveLetter(9, 3, 4));
}

TEST(Board, RandomMoveKeepsTheBoardAPermutation) {
  SeedRandom(7);
  Board board = GoalBoard(5);
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(board.RandomMove());
  EXPECT_EQ(0, board.tiles[board.blank]);
  std::vector<int> sorted = board.tiles;
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> expected(25);
  std::iota(expected.begin(), expected.end(), 0);
  EXPECT_EQ(expected, sorted);
  std::ostringstream out;
  EXPECT_TRUE(board.IsSolvable(out));
}

TEST(Board, RandomMoveOnOneCellReturnsInsteadOfSpinning) {
  Board board = GoalBoard(1);
  EXPECT_FALSE(board.RandomMove());
}

// Cells and tiles

TEST(Board, PositionToCoordWithoutSideKeepsTheCallersValues) {
  Board board;
  Coord cell{7, 8};
  std::ostringstream out;
  EXPECT_FALSE(board.PositionToCoord(5, cell, out));
  EXPECT_EQ("Error in function PositionToCoord( 5 ) : n is set to 0", out.str());
  EXPECT_EQ(7u, cell.row);
  EXPECT_EQ(8u, cell.col);
}

TEST(Board, GetGoalPosition) {
  Board board = GoalBoard(4);
  std::ostringstream out;
  EXPECT_EQ(6u, board.GetGoalPosition(7, out));
  EXPECT_EQ("", out.str());
  EXPECT_EQ(0u, board.GetGoalPosition(0, out));
  EXPECT_EQ("Error in function GetGoalPosition( 0 ) : n=4", out.str());
}

TEST(Board, FindTileAndFindBlankFallBackToZero) {
  Board board = GoalBoard(3);
  EXPECT_EQ(0u, board.FindTile(42));
  EXPECT_EQ(0u, board.FindTile(1));
  EXPECT_EQ(4u, board.FindTile(5));
  Board noBlank = BoardOf(2, {1, 2, 3, 4});
  noBlank.blank = 3;
  EXPECT_EQ(0u, noBlank.FindBlank());
  EXPECT_EQ(0u, noBlank.blank);
}

TEST(Board, CopyConstructionRecordsTheTilesAsInitial) {
  Board source = GoalBoard(3);
  source.initialTiles = {9, 9, 9};
  source.initialSize = 7;
  source.MoveBlank('U');
  const Board copy(source);
  EXPECT_EQ(source.tiles, copy.tiles);
  EXPECT_EQ(source.tiles, copy.initialTiles);
  EXPECT_EQ(3, copy.initialSize);
  EXPECT_EQ(5u, copy.blank);
  Board assigned;
  assigned = source;
  EXPECT_EQ(source.initialTiles, assigned.initialTiles);
  EXPECT_EQ(7, assigned.initialSize);
}

// Reducing the board

TEST(Board, TrimRenumbersTheRemainingTiles) {
  Board board = BoardOf(4, {1, 2, 3, 4, 5, 11, 6, 7, 9, 0, 10, 15, 13, 14, 12, 8});
  ASSERT_TRUE(board.TrimBoard());
  EXPECT_EQ(3u, board.n);
  // 6, 7, 8, 10, 11, 12, 14, 15 become 1 ... 8.
  EXPECT_EQ((std::vector<int>{5, 1, 2, 0, 4, 8, 7, 6, 3}), board.tiles);
  EXPECT_EQ(3u, board.blank);
}

TEST(Board, TrimSmallBoards) {
  Board two = BoardOf(2, {1, 2, 3, 0});
  EXPECT_TRUE(two.TrimBoard());
  EXPECT_EQ(1u, two.n);
  EXPECT_EQ(std::vector<int>{0}, two.tiles);
  Board one = BoardOf(1, {1});
  one.blank = 0;
  EXPECT_TRUE(one.TrimBoard());
  EXPECT_EQ(1u, one.n);
  EXPECT_EQ(std::vector<int>{1}, one.tiles);
}

TEST(Board, TrimRefusesAnUnsolvedFirstColumn) {
  Board board = GoalBoard(4);
  std::swap(board.tiles[4], board.tiles[5]);  // tiles[n] is not n + 1
  const Board before = board;
  EXPECT_FALSE(board.TrimBoard());
  EXPECT_EQ(before.tiles, board.tiles);
  EXPECT_EQ(4u, board.n);
  EXPECT_FALSE(Board().TrimBoard());
}

// Solvability

TEST(Solvability, GoalBoardsAreSolvableAndOneSwapIsNot) {
  std::ostringstream out;
  for (unsigned n : {2u, 3u, 4u, 5u, 10u, 100u}) {
    Board board = GoalBoard(n);
    EXPECT_TRUE(board.IsSolvable(out)) << n;
    std::swap(board.tiles[0], board.tiles[1]);
    EXPECT_FALSE(board.IsSolvable(out)) << n;
  }
  EXPECT_EQ("", out.str());
  EXPECT_FALSE(Board().IsSolvable(out));
}

TEST(Solvability, BlankInTheLastRowOfAFourByFour) {
  Board board = BoardOf(4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 13, 14, 15});
  std::ostringstream out;
  EXPECT_TRUE(board.IsSolvable(out));
  Board moved = GoalBoard(4);
  moved.ApplySequence("UUL", out);
  EXPECT_TRUE(moved.IsSolvable(out));
}

TEST(Solvability, WrongBlankIndexWarnsOnceAndUsesTheRealBlank) {
  Board board = GoalBoard(3);
  board.blank = 2;
  std::ostringstream out;
  EXPECT_TRUE(board.IsSolvable(out));
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
  }
}

TEST(Solvability, ManhattanDistance) {
  std::ostringstream out;
  EXPECT_EQ(0u, GoalBoard(5).ManhattanDistance(out));
  Board board = GoalBoard(3);
  std::swap(board.tiles[0], board.tiles[1]);
  EXPECT_EQ(2u, board.ManhattanDistance(out));
  EXPECT_EQ(0u, Board().ManhattanDistance(out));
}

// Random boards

TEST(RandomBoard, ResultIsTheSolvabilityOfTheBoardLeft) {
  SeedRandom(11);
  std::ostringstream out;
  for (unsigned n = 2; n <= 100; n += (n < 12 ? 1 : 11)) {
    for (int draw = 0; draw < (n < 12 ? 30 : 3); ++draw) {
      Board board;
      const bool result = board.RandomBoard(n, out);
      ASSERT_EQ(n, board.n);
      ASSERT_EQ(static_cast<size_t>(n) * n, board.tiles.size());
      EXPECT_EQ(board.IsSolvable(out), result) << n;
      EXPECT_EQ(0, board.tiles[board.blank]);
      std::vector<int> sorted = board.tiles;
      std::sort(sorted.begin(), sorted.end());
      for (size_t i = 0; i < sorted.size(); ++i) ASSERT_EQ(static_cast<int>(i), sorted[i]);
    }
  }
  EXPECT_EQ("", out.str());
}

TEST(RandomBoard, OneAndZero) {
  std::ostringstream out;
  Board one;
  EXPECT_TRUE(one.RandomBoard(1, out));
  EXPECT_EQ(std::vector<int>{0}, one.tiles);
  Board zero = GoalBoard(3);
  EXPECT_FALSE(zero.RandomBoard(0, out));
  EXPECT_EQ(0u, zero.n);
  EXPECT_TRUE(zero.tiles.empty());
}

TEST(RandomBoard, LeavesTheInitialTilesAlone) {
  std::ostringstream out;
  Board board = GoalBoard(3);
  board.initialTiles = {4, 2};
  board.initialSize = 2;
  board.RandomBoard(4, out);
  EXPECT_EQ((std::vector<int>{4, 2}), board.initialTiles);
  EXPECT_EQ(2, board.initialSize);
}

// Printing

TEST(PrintBoard, GoalBoardByteForByte) {
  std::ostringstream out;
  GoalBoard(3).PrintBoard(out);
  EXPECT_EQ(
      "\n\nSize: 3x3\nManhattan distance: 0\nSolvable: Yes\n\nTiles: \n"
      "\n   1   2   3\n   4   5   6\n   7   8   0",
      out.str());
}

TEST(PrintBoard, UnsolvableWideNumbers) {
  Board board = GoalBoard(4);
  std::swap(board.tiles[13], board.tiles[14]);
  std::ostringstream out;
  board.PrintBoard(out);
  EXPECT_EQ(
      "\n\nSize: 4x4\nManhattan distance: 2\nSolvable: NO!\n\nTiles: \n"
      "\n   1   2   3   4\n   5   6   7   8\n   9  10  11  12\n  13  15  14   0",
      out.str());
}

TEST(PrintBoard, LargeAndEmptyBoards) {
  std::ostringstream large;
  GoalBoard(21).PrintBoard(large);
  EXPECT_EQ(
      "\n\nSize: 21x21\nManhattan distance: 0\nSolvable: Yes\nCan only print boards with "
      "size <=20",
      large.str());
  std::ostringstream empty;
  Board().PrintBoard(empty);
  EXPECT_EQ("No puzzle to be print!", empty.str());
}
