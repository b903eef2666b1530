// pair_carrier.h: carrying a pair of tiles home together: walking one beside the other, forming
// the snake and driving it along its staircase route.
#pragma once

#include "snake/marks.h"
#include "snake/snake.h"
#include "snake/snake_routes.h"
#include "solver/solver.h"

namespace snake {

/// A cell as a signed row and column.
struct Cell {
  int row = 0;
  int col = 0;
};

/// The neighbour of (row2, col2) in the quarter, cut by its diagonals, that holds (row1, col1).
Cell GetCellNextTo(int row2, int col2, int row1, int col1);

/// Places the pair headed by tile t, of the first row (t < n) or the first column, by snake.
class PairCarrier {
 public:
  PairCarrier(Solver& solver, Marks& marks) : solver(solver), marks(marks), snake(solver, marks) {}
  PairCarrier(const PairCarrier&) = delete;
  PairCarrier& operator=(const PairCarrier&) = delete;

  /// Walks the first tile beside the second and carries them home as a snake headed by t; false
  /// when that was called off or went wrong.
  bool Carry(int t, int row1, int col1, int row2, int col2);
  /// The snake it carries.
  Snake& GetSnake() { return snake; }

 private:
  /// True when every tile placed before the pair headed by t is still home.
  bool PlacedTilesHome(const Line& frame, int t) const;

  Solver& solver;
  Marks& marks;
  Snake snake;
};

}  // namespace snake
