// move_macros_test.cpp: every macro does to the board what its name says.
#include "solver/move_macros.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "board/sample_boards.h"

namespace {

// A goal board with the given values moved to the given cells (row, col), each by one swap.
Board Arrange(unsigned n, const std::vector<std::pair<int, Coord>>& placements) {
  Board board = GoalBoard(n);
  for (const auto& [value, cell] : placements) {
    const unsigned from = board.FindTile(value);
    std::swap(board.tiles[from], board.tiles[cell.row * n + cell.col]);
  }
  board.FindBlank();
  return board;
}

int At(const Board& board, unsigned row, unsigned col) {
  return board.tiles[row * board.n + col];
}

struct Step {
  const char* name;
  const char* text;
  int sideRow, sideCol;  // where the blank stands, relative to the tile
  int stepRow, stepCol;  // the tile's step
  char route;            // 'L' passes below the tile, 'H' above it, '-' either
};

const Step STEPS[] = {
    {"UP_BR", UP_BR, 0, 1, -1, 0, '-'},
    {"UP_BL", UP_BL, 0, -1, -1, 0, '-'},
    {"LEFT_BR", LEFT_BR, 0, 1, 0, -1, 'L'},
    {"LEFT_BR_LOW", LEFT_BR_LOW, 0, 1, 0, -1, 'L'},
    {"LEFT_BR_HIGH", LEFT_BR_HIGH, 0, 1, 0, -1, 'H'},
    {"LEFT_BL_LOW", LEFT_BL_LOW, 0, -1, 0, -1, 'L'},
    {"LEFT_BL_HIGH", LEFT_BL_HIGH, 0, -1, 0, -1, 'H'},
    {"RIGHT_BR_LOW", RIGHT_BR_LOW, 0, 1, 0, 1, 'L'},
    {"RIGHT_BR_HIGH", RIGHT_BR_HIGH, 0, 1, 0, 1, 'H'},
    {"RIGHT_BL_LOW", RIGHT_BL_LOW, 0, -1, 0, 1, 'L'},
    {"RIGHT_BL_HIGH", RIGHT_BL_HIGH, 0, -1, 0, 1, 'H'},
    {"DOWN_BL", DOWN_BL, 0, -1, 1, 0, '-'},
    {"DOWN_BR", DOWN_BR, 0, 1, 1, 0, '-'},
    {"UP_BL_2", UP_BL_2, 0, -1, -1, 0, '-'},
    {"UP_BR_2", UP_BR_2, 0, 1, -1, 0, '-'},
    {"UPRIGHT_BA", UPRIGHT_BA, -1, 0, -1, 1, '-'},
    {"UPRIGHT_BR", UPRIGHT_BR, 0, 1, -1, 1, '-'},
    {"UPRIGHT_BL", UPRIGHT_BL, 0, -1, -1, 1, '-'},
    {"UPLEFT_BA", UPLEFT_BA, -1, 0, -1, -1, '-'},
    {"UPLEFT_BR", UPLEFT_BR, 0, 1, -1, -1, '-'},
    {"UPLEFT_BL", UPLEFT_BL, 0, -1, -1, -1, '-'},
    {"DOWNLEFT_BA", DOWNLEFT_BA, -1, 0, 1, -1, '-'},
    {"DOWNLEFT_BL", DOWNLEFT_BL, 0, -1, 1, -1, '-'},
    {"DOWNLEFT_BR", DOWNLEFT_BR, 0, 1, 1, -1, '-'},
    {"DOWNRIGHT_BA", DOWNRIGHT_BA, -1, 0, 1, 1, '-'},
    {"DOWNRIGHT_BR", DOWNRIGHT_BR, 0, 1, 1, 1, '-'},
    {"DOWNRIGHT_BL", DOWNRIGHT_BL, 0, -1, 1, 1, '-'},
    {"DOWN_BA", DOWN_BA, -1, 0, 1, 0, '-'},
    {"UP_BA", UP_BA, -1, 0, -1, 0, '-'},
    {"LEFT_BA", LEFT_BA, -1, 0, 0, -1, '-'},
    {"UP_BB_RIGHT", UP_BB_RIGHT, 1, 0, -1, 0, '-'},
    {"UP_BB_LEFT", UP_BB_LEFT, 1, 0, -1, 0, '-'},
    {"LEFT_BB", LEFT_BB, 1, 0, 0, -1, '-'},
};

}  // namespace

TEST(MoveMacros, EachTileStepMovesTheTileAndKeepsTheBlankBeside) {
  const unsigned n = 7, row = 3, col = 3;
  for (const Step& step : STEPS) {
    SCOPED_TRACE(step.name);
    Board board = Arrange(n, {{0, Coord{row + step.sideRow, col + step.sideCol}}});
    const int tile = At(board, row, col);
    const Board before = board;
    std::ostringstream out;
    ASSERT_TRUE(board.ApplySequence(step.text, out)) << out.str();
    const unsigned newRow = row + step.stepRow, newCol = col + step.stepCol;
    EXPECT_EQ(tile, At(board, newRow, newCol));
    EXPECT_EQ((newRow + step.sideRow) * n + newCol + step.sideCol, board.blank);
    // LOW leaves the row above the tile alone, HIGH the row below.
    for (unsigned c = 0; c < n; ++c) {
      if (step.route == 'L') {
        EXPECT_EQ(At(before, row - 1, c), At(board, row - 1, c));
      }
      if (step.route == 'H') {
        EXPECT_EQ(At(before, row + 1, c), At(board, row + 1, c));
      }
    }
  }
}

TEST(MoveMacros, SideBranchesTakeTheNamedColumn) {
  // UP_BB_RIGHT passes right of the tile, UP_BB_LEFT left of it.
  const unsigned n = 7;
  const Board start = Arrange(n, {{0, Coord{4, 3}}});
  Board right = start, left = start;
  std::ostringstream out;
  right.ApplySequence(UP_BB_RIGHT, out);
  left.ApplySequence(UP_BB_LEFT, out);
  for (unsigned r = 0; r < n; ++r) {
    EXPECT_EQ(At(start, r, 2), At(right, r, 2));
    EXPECT_EQ(At(start, r, 4), At(left, r, 4));
  }
}

TEST(MoveMacros, TailsTurnTheirStartIntoTheirEnd) {
  const unsigned n = 6;
  const int rowLast = n - 1, rowNext = n, rowPrevious = n - 2;  // tiles n-1, n and n-2
  const int colUpper = 2 * n + 1, colLower = n + 1, colBelow = 3 * n + 1;
  const struct {
    const char* name;
    const char* text;
    std::vector<std::pair<int, Coord>> start, end;
  } tails[] = {
      {"ROW_TAIL_CORNER",
       ROW_TAIL_CORNER,
       {{rowLast, {1, n - 2}}, {rowNext, {0, n - 1}}, {0, {1, n - 1}}, {rowPrevious, {0, n - 3}}},
       {{rowPrevious, {0, n - 3}}, {rowLast, {0, n - 2}}, {rowNext, {0, n - 1}}, {0, {1, n - 3}}}},
      {"ROW_TAIL_SWAP",
       ROW_TAIL_SWAP,
       {{0, {1, n - 1}}, {rowNext, {0, n - 2}}, {rowLast, {0, n - 1}}},
       {{rowLast, {0, n - 2}}, {rowNext, {0, n - 1}}, {0, {1, n - 1}}}},
      {"ROW_TAIL_TURN",
       ROW_TAIL_TURN,
       {{rowLast, {0, n - 1}}, {rowNext, {1, n - 1}}, {0, {1, n - 2}}},
       {{rowLast, {0, n - 2}}, {rowNext, {0, n - 1}}, {0, {1, n - 1}}}},
      {"COL_TAIL_CORNER",
       COL_TAIL_CORNER,
       {{0, {1, 1}}, {colUpper, {2, 1}}, {colLower, {1, 0}}, {colBelow, {3, 0}}},
       {{colLower, {1, 0}}, {colUpper, {2, 0}}, {0, {2, 1}}, {colBelow, {3, 0}}}},
      {"COL_TAIL_SWAP",
       COL_TAIL_SWAP,
       {{0, {1, 1}}, {colUpper, {1, 0}}, {colLower, {2, 0}}},
       {{colLower, {1, 0}}, {colUpper, {2, 0}}, {0, {1, 1}}}},
      {"COL_TAIL_TURN",
       COL_TAIL_TURN,
       {{colUpper, {1, 0}}, {colLower, {1, 1}}, {0, {2, 1}}},
       {{colLower, {1, 0}}, {colUpper, {2, 0}}, {0, {1, 1}}}},
  };
  for (const auto& tail : tails) {
    SCOPED_TRACE(tail.name);
    Board board = Arrange(n, tail.start);
    const Board before = board;
    std::ostringstream out;
    ASSERT_TRUE(board.ApplySequence(tail.text, out)) << out.str();
    for (const auto& [value, cell] : tail.end) EXPECT_EQ(value, At(board, cell.row, cell.col));
    // A row tail keeps to rows 0 ... 2 and the last three columns; a column tail to rows 1 ... 3
    // and the first three columns.
    const bool row = tail.name[0] == 'R';
    for (unsigned r = 0; r < n; ++r) {
      for (unsigned c = 0; c < n; ++c) {
        const bool inside = row ? (r <= 2 && c >= n - 3) : (r >= 1 && r <= 3 && c <= 2);
        if (!inside) {
          EXPECT_EQ(At(before, r, c), At(board, r, c)) << r << "," << c;
        }
      }
    }
  }
}

TEST(MoveMacros, CyclesRotateTheBlocksThreeTiles) {
  // Blank at (2, 2); each entry: a tile's cell before and after.
  const struct {
    const char* name;
    const char* text;
    Coord moves[3][2];
  } cycles[] = {
      {"CYCLE_UL_CW", CYCLE_UL_CW, {{{2, 1}, {1, 2}}, {{1, 1}, {2, 1}}, {{1, 2}, {1, 1}}}},
      {"CYCLE_DL_CW", CYCLE_DL_CW, {{{3, 2}, {2, 1}}, {{3, 1}, {3, 2}}, {{2, 1}, {3, 1}}}},
      {"CYCLE_DL_CCW", CYCLE_DL_CCW, {{{2, 1}, {3, 2}}, {{3, 1}, {2, 1}}, {{3, 2}, {3, 1}}}},
      {"CYCLE_DR_CCW", CYCLE_DR_CCW, {{{3, 2}, {2, 3}}, {{3, 3}, {3, 2}}, {{2, 3}, {3, 3}}}},
      {"CYCLE_UL_CCW", CYCLE_UL_CCW, {{{1, 2}, {2, 1}}, {{1, 1}, {1, 2}}, {{2, 1}, {1, 1}}}},
      {"CYCLE_UR_CCW", CYCLE_UR_CCW, {{{2, 3}, {1, 2}}, {{1, 3}, {2, 3}}, {{1, 2}, {1, 3}}}},
  };
  for (const auto& cycle : cycles) {
    SCOPED_TRACE(cycle.name);
    Board board = Arrange(5, {{0, Coord{2, 2}}});
    const Board before = board;
    std::ostringstream out;
    ASSERT_TRUE(board.ApplySequence(cycle.text, out));
    EXPECT_EQ(12u, board.blank);
    int moved = 0;
    for (const auto& move : cycle.moves) {
      EXPECT_EQ(At(before, move[0].row, move[0].col), At(board, move[1].row, move[1].col));
    }
    for (unsigned i = 0; i < 25; ++i) moved += before.tiles[i] != board.tiles[i] ? 1 : 0;
    EXPECT_EQ(3, moved);
  }
}

TEST(MoveMacros, RepeatAndLetters) {
  EXPECT_EQ("ULDRUULDRU", Repeat(UP_BR, 2));
  EXPECT_EQ("", Repeat(UP_BR, 0));
  EXPECT_EQ("", Repeat(UP_BR, -3));
  EXPECT_EQ("DDD", Letters('D', 3));
  EXPECT_EQ("", Letters('D', -1));
}
