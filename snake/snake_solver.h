// snake_solver.h: the second method, which carries pairs of tiles home together as snakes.
#pragma once

#include <ostream>

#include "snake/line.h"
#include "snake/marks.h"
#include "snake/pair_carrier.h"
#include "solver/line_view.h"
#include "solver/solve_result.h"
#include "solver/solver.h"

namespace snake {

/// Solves a copy of the board by reductions with snakes where they pay; the result lists the
/// sides it trimmed to.
SolveResult SolveSnakes(const Board& board);

/// Places the first row and column two tiles at a time, as a snake when that saves moves.
class SnakeSolver {
 public:
  explicit SnakeSolver(Solver& solver) : solver(solver), pairs(solver, marks) { Reset(); }
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

  /// The marks of the cells; the pair carrier, with its snake.
  Marks& GetMarks() { return marks; }
  PairCarrier& Pairs() { return pairs; }

 private:
  /// A pair to place: its leading tile, the cells of the two tiles and the leading tile's home.
  struct Pair {
    int tile;
    int first;
    int second;
    int target;
  };
  int Side() const { return static_cast<int>(solver.Current().Side()); }
  /// TrySnake for the pair when its estimate is under 1.2 x sum, walking the cheaper tile.
  bool TrySnakeIfCheaper(const Pair& pair, int sum, int firstExcess);

  Solver& solver;
  Marks marks;
  PairCarrier pairs;
  /// Working storage of the trial's shortened length, kept to save an allocation per trial.
  MoveSequence shortened;
};

}  // namespace snake
