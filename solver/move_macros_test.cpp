// move_macros_test.cpp: every tile step moves its tile one cell and keeps the blank beside it.
#include "solver/move_macros.h"

#include <gtest/gtest.h>

#include "solver/position.h"
#include "test_support/sample_boards.h"

TEST(MoveMacros, EachTileStepMovesTheTileAndKeepsTheBlankBeside) {
  const struct {
    const char* name;
    const char* text;
    int sideRow, sideCol;  // where the blank stands, relative to the tile
    int stepRow, stepCol;  // the tile's step
    int untouchedRow;      // a row relative to the tile that the blank never enters, or 0
  } steps[] = {
      {"UP_BR", UP_BR, 0, 1, -1, 0, 0},
      {"UP_BL", UP_BL, 0, -1, -1, 0, 0},
      {"LEFT_BR", LEFT_BR, 0, 1, 0, -1, -1},
      {"LEFT_BR_HIGH", LEFT_BR_HIGH, 0, 1, 0, -1, 1},
      {"LEFT_BL_LOW", LEFT_BL_LOW, 0, -1, 0, -1, -1},
      {"LEFT_BL_HIGH", LEFT_BL_HIGH, 0, -1, 0, -1, 1},
      {"RIGHT_BR_LOW", RIGHT_BR_LOW, 0, 1, 0, 1, -1},
      {"RIGHT_BR_HIGH", RIGHT_BR_HIGH, 0, 1, 0, 1, 1},
      {"RIGHT_BL_LOW", RIGHT_BL_LOW, 0, -1, 0, 1, -1},
      {"RIGHT_BL_HIGH", RIGHT_BL_HIGH, 0, -1, 0, 1, 1},
      {"DOWN_BL", DOWN_BL, 0, -1, 1, 0, 0},
      {"DOWN_BR", DOWN_BR, 0, 1, 1, 0, 0},
      {"UPRIGHT_BR", UPRIGHT_BR, 0, 1, -1, 1, 0},
      {"UPRIGHT_BL", UPRIGHT_BL, 0, -1, -1, 1, 0},
      {"UPLEFT_BR", UPLEFT_BR, 0, 1, -1, -1, 0},
      {"UPLEFT_BL", UPLEFT_BL, 0, -1, -1, -1, 0},
      {"DOWNLEFT_BL", DOWNLEFT_BL, 0, -1, 1, -1, 0},
      {"DOWNLEFT_BR", DOWNLEFT_BR, 0, 1, 1, -1, 0},
      {"DOWNRIGHT_BR", DOWNRIGHT_BR, 0, 1, 1, 1, 0},
      {"DOWNRIGHT_BL", DOWNRIGHT_BL, 0, -1, 1, 1, 0},
      {"UP_BB_LEFT", UP_BB_LEFT, 1, 0, -1, 0, 0},
  };
  const int n = 7, row = 3, col = 3;
  for (const auto& step : steps) {
    Board board = GoalBoard(n);
    std::swap(board.tiles[(row + step.sideRow) * n + col + step.sideCol], board.tiles.back());
    board.FindBlank();
    const Board before = board;
    ASSERT_TRUE(ApplyMoves(board, step.text)) << step.name;
    const int newRow = row + step.stepRow, newCol = col + step.stepCol;
    EXPECT_EQ(before.tiles[row * n + col], board.tiles[newRow * n + newCol]) << step.name;
    EXPECT_EQ(static_cast<unsigned>((newRow + step.sideRow) * n + newCol + step.sideCol),
              board.blank)
        << step.name;
    for (int c = 0; c < n && step.untouchedRow != 0; ++c) {
      const int cell = (row + step.untouchedRow) * n + c;
      EXPECT_EQ(before.tiles[cell], board.tiles[cell]) << step.name;
    }
  }
}
