// line_tails.h: placing single tiles of the first row and column, and the lines' last two tiles.
#pragma once

#include "snake/line.h"
#include "solver/line_view.h"
#include "solver/solver.h"

namespace snake {

/// Moves the tile at the view's (row, col) to (targetRow, targetCol), in row 0 or row 1, ending
/// with the blank on its right, or below that when the tile was there already.
void PlaceTile(const LineView& line, int row, int col, int targetRow, int targetCol);
/// Places the last two tiles of the line: tiles n-1 and n of row 0, 2n+1 and n+1 of column 0.
void FinishLine(Solver& solver, const Line& tail);

}  // namespace snake
