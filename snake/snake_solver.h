// snake_solver.h: the second method, which carries pairs of tiles home together as snakes.
#pragma once

#include "snake/line.h"
#include "snake/marks.h"
#include "snake/snake.h"
#include "solver/solve_result.h"
#include "solver/solver.h"

// The tests' fixture, which reaches the marks and the snake.
class SnakeTest;

namespace snake {

/// Solves a copy of the board by reductions with snakes where they pay; the result lists the
/// sides it trimmed to.
SolveResult SolveSnakes(const Board& board);
/// Builds the table of the blank's detours that every solve shares.
void PrepareTables();

/// Places the first row and column two tiles at a time, as a snake when that saves moves.
class SnakeSolver {
 public:
  explicit SnakeSolver(Solver& solver) : solver(solver), snake(solver, marks) {}
  SnakeSolver(const SnakeSolver&) = delete;
  SnakeSolver& operator=(const SnakeSolver&) = delete;

  /// Every cell of the solver's board free, everything off it blocked.
  void Reset() { marks.Reset(solver.Current().Side()); }
  /// Places the line but its last two cells, pair by pair, by snake or singly.
  void PlaceLine(const Line& line);
  /// Places the pair of the line's cells k and k + 1 by snake on trial and keeps it when it
  /// worked and took at most sum - 2 moves after shortening; otherwise returns the board, the
  /// record and the marks to where they were. True when the snake was kept.
  bool TrySnake(const Line& line, int k, int sum, int tileA, int tileB);
  /// Walks tile A of the pair beside tile B and carries them home to the line's cells k and
  /// k + 1 as a snake; false when that was called off or went wrong.
  bool Carry(const Line& line, int k, int tileA, int tileB);

 private:
  friend class ::SnakeTest;

  /// TrySnake for the pair of the line's cells k and k + 1 when its estimate is under 1.2 x that
  /// of placing them singly, walking the cheaper tile.
  bool TrySnakeIfCheaper(const Line& line, int k);
  /// True when every tile placed before the line's cell k is still home.
  bool PlacedTilesHome(const Line& line, int k) const;

  Solver& solver;
  Marks marks;
  Snake snake;
  /// Working storage of the trial's shortened length, kept to save an allocation per trial.
  MoveSequence shortened;
};

}  // namespace snake
