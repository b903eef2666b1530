// test_boards.h: boards for the snake solver's tests.
#pragma once

#include <cmath>
#include <numeric>
#include <vector>

#include "board/board.h"

/// The goal board of side n.
inline Board GoalBoard(unsigned n) {
  Board board;
  board.n = n;
  board.tiles.resize(static_cast<size_t>(n) * n);
  std::iota(board.tiles.begin(), board.tiles.end(), 1);
  board.tiles.back() = 0;
  board.FindBlank();
  return board;
}

/// The square board holding these tiles in row-major order.
inline Board BoardOf(std::vector<int> tiles) {
  Board board;
  board.n = static_cast<unsigned>(std::lround(std::sqrt(static_cast<double>(tiles.size()))));
  board.tiles = std::move(tiles);
  board.FindBlank();
  return board;
}

/// The goal board of side n with the blank moved to the cell by a straight walk: up its column,
/// then left along the row.
inline Board GoalWithBlankAt(unsigned n, unsigned row, unsigned col) {
  Board board = GoalBoard(n);
  for (unsigned r = n - 1; r > row; --r) board.MoveBlank('U');
  for (unsigned c = n - 1; c > col; --c) board.MoveBlank('L');
  return board;
}

/// True when every tile of the board is home.
inline bool IsGoal(const Board& board) {
  return board.tiles == GoalBoard(board.n).tiles;
}
