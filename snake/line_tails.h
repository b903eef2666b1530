// line_tails.h: placing single tiles of the first row and column, and the lines' last two tiles.
#pragma once

#include "solver/line_view.h"
#include "solver/solver.h"

namespace snake {

/// What tells the first row's tail from the first column's, each seen in its own frame.
struct Tail {
  /// The line's frame.
  LineView (*view)(Solver& solver);
  /// The frame whose right of a tile in the line's last column the blank comes to before the
  /// tile climbs: the column's for the row (above the tile), the row's for the column (below).
  LineView (*beside)(Solver& solver);
  /// The function name the tail's fault reports give.
  const char* faultName;
};
/// Tiles n-1 and n of row 0; tiles 2n+1 and n+1 of column 0.
extern const Tail ROW_TAIL;
extern const Tail COL_TAIL;

/// Moves the tile at the view's (row, col) to (targetRow, targetCol), in row 0 or row 1, ending
/// with the blank on its right, or below that when the tile was there already.
void PlaceTile(const LineView& line, int row, int col, int targetRow, int targetCol);
/// Places the last two tiles of the line.
void FinishLine(Solver& solver, const Tail& tail);

}  // namespace snake
