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
