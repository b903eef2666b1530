// position_test.cpp: the engine's moves, its warnings, frames, roll-back and trim.
#include "solver/position.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <vector>

#include "test_support/sample_boards.h"

// Letters that leave the board at its edges, against plain moves: solver/solver_test.cpp.
TEST(Position, MovesAndForeignLetters) {
  Board board = GoalBoard(3);
  for (const char letter : std::string("udlrX \n0")) {
    EXPECT_FALSE(ApplyMoves(board, MoveSequence(1, letter))) << letter;
  }
  EXPECT_EQ(GoalBoard(3).tiles, board.tiles);
  Position position(board);
  ASSERT_TRUE(position.Move(Direction::UP) && position.Move(Direction::LEFT));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 0, 5, 7, 8, 6}), position.Cells());
  EXPECT_EQ("UL", position.Moves());
  // Boards without cells, with fewer than their side says, or without a blank have no move.
  Position empty{Board()}, mismatched(BoardOf(3, {1, 2, 0})), full(BoardOf(2, {1, 2, 3, 4}));
  EXPECT_FALSE(empty.Move(Direction::UP) || empty.RandomWalk(1));
  EXPECT_FALSE(mismatched.Move(Direction::LEFT) || mismatched.Move(Direction::DOWN));
  EXPECT_FALSE(full.Move(Direction::DOWN) || full.RandomWalk(5));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), full.Cells());
  Position one(GoalBoard(1));
  EXPECT_FALSE(one.RandomWalk(1));  // one cell: no move at all, and no endless draw
}

// A long sequence refused letter by letter: the first 20 warnings quote its first 1000 letters,
// one line counts the rest, when there is a rest; a sequence of 1000 letters is still quoted whole.
TEST(Position, WarningsAreBounded) {
  for (const size_t length : {size_t{20}, size_t{1000}, size_t{1001}, size_t{100000}}) {
    Board board = GoalBoard(3);
    const MoveSequence sequence(length, 'R');  // the blank starts in the right column
    MoveSequence refused;
    EXPECT_FALSE(ApplyMoves(board, sequence, &refused));
    std::ostringstream out;
    WriteMoveWarnings(out, sequence, refused);
    const std::string quoted = length <= 1000 ? sequence : sequence.substr(0, 1000) + "...";
    std::string expected;
    for (int i = 0; i < 20; ++i) {
      expected += "\nWarning: can't use this move - R (ApplySequence(" + quoted + "))";
    }
    if (length > 20) {
      expected += "\nWarning: " + std::to_string(length - 20) + " more moves can't be used";
    }
    EXPECT_EQ(expected, out.str()) << length;
  }
}

TEST(Position, AFrameTurnsTheLettersAndRollBackUndoesThem) {
  // In the column's frame, whose down is the board's right and whose right is the board's up,
  // U L D R are the board's L D R U; repeated macros, single letters and runs near the edge all
  // agree with the turned text given on the board, and a roll-back returns cells, index and log.
  const Orientation& turned = COLUMN_VIEW;
  const MovePiece pieces[] = {Repeated("ULDRU", 2), LetterRun('L', 3), "DR", Repeated("R", 40)};
  const MovePiece board[] = {Repeated("LDRUL", 2), LetterRun('D', 3), "RU", Repeated("U", 40)};
  for (const unsigned n : {3u, 5u, 12u}) {
    const Board start = ShuffledBoard(n);
    Position viewed(start), plain(start);
    for (size_t i = 0; i < 4; ++i) {
      const size_t mark = viewed.Mark();
      MoveSequence viewedRefused, plainRefused;
      viewed.Apply(&pieces[i], 1, turned, &viewedRefused);
      plain.Apply(&board[i], 1, BOARD_VIEW, &plainRefused);
      ASSERT_EQ(plain.Cells(), viewed.Cells()) << n << " " << i;
      ASSERT_EQ(plain.Moves(), viewed.Moves());
      ASSERT_EQ(plainRefused, viewedRefused);
      const std::vector<int> after = viewed.Cells();
      viewed.RollBack(mark);
      plain.RollBack(mark);
      viewed.Apply(&pieces[i], 1, turned);
      plain.Apply(&board[i], 1);
      ASSERT_EQ(after, viewed.Cells());
    }
    for (int t = 0; t < static_cast<int>(n * n); ++t) {
      EXPECT_EQ(t, viewed.Cells()[viewed.CellOf(t)]) << t;
    }
    viewed.RollBack(0);
    EXPECT_EQ(start.tiles, viewed.Cells());
    EXPECT_EQ("", viewed.Moves());
  }
}

TEST(Position, TrimRenumbersTheRemainingTilesOrRefuses) {
  Position position(BoardOf(4, {1, 2, 3, 4, 5, 11, 6, 7, 9, 0, 10, 15, 13, 14, 12, 8}));
  ASSERT_TRUE(position.Trim());
  EXPECT_EQ(3u, position.Blank());
  EXPECT_EQ(1, position.BlankRow());
  EXPECT_EQ(5u, position.CellOf(8));
  Board unsolved = GoalBoard(4);
  std::swap(unsolved.tiles[4], unsolved.tiles[5]);
  Position refused(unsolved);
  EXPECT_FALSE(refused.Trim());
  EXPECT_EQ(unsolved.tiles, refused.Cells());
  EXPECT_FALSE(Position().Trim());
}

// The renumbering multiplies by a reciprocal instead of dividing, exact on each side.
TEST(Position, TrimRenumbersEveryTileOnEachSide) {
  std::mt19937 random(7);
  for (const unsigned n : {4u, 5u, 6u, 9u, 37u, MAX_SIDE, MAX_SIDE + 1}) {
    Board board = GoalBoard(n);
    // Everything but the first row and column shuffled, blank included.
    std::vector<int> rest;
    for (unsigned row = 1; row < n; ++row) {
      for (unsigned col = 1; col < n; ++col) rest.push_back(board.tiles[row * n + col]);
    }
    std::shuffle(rest.begin(), rest.end(), random);
    std::vector<int> expected;
    for (unsigned row = 1, next = 0; row < n; ++row) {
      for (unsigned col = 1; col < n; ++col) {
        const int v = rest[next++];
        board.tiles[row * n + col] = v;
        const int goalRow = (v - 1) / static_cast<int>(n), goalCol = (v - 1) % static_cast<int>(n);
        expected.push_back(v == 0 ? 0 : (goalRow - 1) * static_cast<int>(n - 1) + goalCol);
      }
    }
    Position position(board);
    ASSERT_TRUE(position.Trim()) << n;
    EXPECT_EQ(n - 1, position.Side());
    EXPECT_EQ(expected, position.Cells()) << n;
  }
}
