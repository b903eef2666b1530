// snake_fixture.h: boards and a fixture for the snake solver's tests.
#pragma once

#include <gtest/gtest.h>

#include "snake/snake_solver.h"
#include "solver/position.h"
#include "solver/solution_optimizer.h"
#include "test_support/sample_boards.h"

/// The goal board of side n with the blank walked up its column and along the row to the cell.
inline Board GoalWithBlankAt(unsigned n, unsigned row, unsigned col) {
  Board board = GoalBoard(n);
  ApplyMoves(board, MoveSequence(n - 1 - row, 'U') + MoveSequence(n - 1 - col, 'L'));
  return board;
}

/// Which cells of a board of side n the line's driver has placed before the line's cell k: the
/// row's cells before k, or the first row and the column's cells below k.
inline std::vector<bool> PlacedBefore(const snake::Line& line, unsigned n, int k) {
  const int side = static_cast<int>(n);
  std::vector<bool> placed(n * n);
  for (int cell = 0; cell < side * side; ++cell) {
    placed[size_t(cell)] = line.firstRowPlaced
                               ? cell < side || (cell % side == 0 && cell / side >= side - k)
                               : cell < k;
  }
  return placed;
}

/// A snake solver, the board it is given, and its marks and snake.
class SnakeTest : public ::testing::Test {
 protected:
  /// Gives the solver the board, with no moves made yet and every cell free.
  void Load(const Board& board) {
    solver.Start(board);
    snakes.Reset();
  }
  bool Blocked(int row, int col) const { return marks.At(row, col) == snake::BLOCKED_CELL; }

  Solver solver;
  snake::SnakeSolver snakes{solver};
  snake::Marks& marks = snakes.marks;
  snake::Snake& pairSnake = snakes.snake;
};
