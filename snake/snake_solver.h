// snake_solver.h: the second method, which carries pairs of tiles home together as snakes.
#pragma once

#include "snake/line.h"
#include "snake/marks.h"
#include "snake/snake.h"
#include "solver/solve_result.h"
#include "solver/solver.h"

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
  /// Places the pair headed by tile t by snake on trial and keeps it when it worked and took at
  /// most sum - 2 moves after shortening; otherwise returns the board, the record and the marks
  /// to where they were. True when the snake was kept.
  bool TrySnake(int t, int sum, int row1, int col1, int row2, int col2);
  /// Walks the first tile beside the second and carries them home as a snake headed by t, of the
  /// first row (t < n) or the first column; false when that was called off or went wrong.
  bool Carry(int t, int row1, int col1, int row2, int col2);

  /// The marks of the cells; the snake.
  Marks& GetMarks() { return marks; }
  Snake& GetSnake() { return snake; }

 private:
  /// TrySnake for the pair of tiles t and next when its estimate is under 1.2 x that of placing
  /// them singly, walking the cheaper tile.
  bool TrySnakeIfCheaper(const Line& line, int t, int next);
  /// True when every tile placed before the pair headed by t is still home.
  bool PlacedTilesHome(const Line& frame, int t) const;

  Solver& solver;
  Marks marks;
  Snake snake;
  /// Working storage of the trial's shortened length, kept to save an allocation per trial.
  MoveSequence shortened;
};

}  // namespace snake
