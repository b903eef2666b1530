// snake_test_support.h: boards and a fixture for the snake solver's tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <sstream>
#include <vector>

#include "snake/snake_solver.h"

/// The goal board of side n.
inline Board SolvedBoard(unsigned n) {
  Board board;
  board.n = n;
  board.tiles.resize(static_cast<size_t>(n) * n);
  std::iota(board.tiles.begin(), board.tiles.end(), 1);
  board.tiles.back() = 0;
  board.FindBlank();
  return board;
}

/// The square board holding these tiles in row-major order.
inline Board BoardFromTiles(std::vector<int> tiles) {
  Board board;
  board.n = static_cast<unsigned>(std::lround(std::sqrt(static_cast<double>(tiles.size()))));
  board.tiles = std::move(tiles);
  board.FindBlank();
  return board;
}

/// The goal board of side n with the blank walked up its column and along the row to the cell.
inline Board GoalWithBlankAt(unsigned n, unsigned row, unsigned col) {
  Board board = SolvedBoard(n);
  for (unsigned r = n - 1; r > row; --r) board.MoveBlank('U');
  for (unsigned c = n - 1; c > col; --c) board.MoveBlank('L');
  return board;
}

/// A snake solver writing to a string, and the board it is given.
class SnakeTest : public ::testing::Test {
 protected:
  /// Gives the solver the board, with no moves made yet and blankIndex on the blank.
  void Load(const Board& board) {
    solver.SetPuzzle(board);
    solver.applied.clear();
    solver.blankIndex = solver.board.blank;
  }
  int At(int row, int col) const { return solver.board.tiles[row * solver.board.n + col]; }
  bool Blocked(int row, int col) const { return solver.cellGrid[row][col] == BLOCKED_CELL; }

  std::ostringstream out;
  SnakeSolver solver{out};
};
