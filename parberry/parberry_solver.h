// parberry_solver.h: Parberry's method, one tile at a time with the blank circling it.
#pragma once

#include "solver/line_view.h"
#include "solver/solve_result.h"
#include "solver/solver.h"

namespace parberry {

/// Solves a copy of the board by reductions down to the 3 x 3 search, as SolveByReduction does.
SolveResult SolveParberry(const Board& board);

/// What tells the first row from the first column, once each is seen in its own frame.
struct Line {
  /// The frame of the line on the solver's board.
  LineView (*view)(Solver& solver);
  /// The name the tail's faults are reported under.
  const char* tailName;
  /// The tail's text for the last tile standing in the line's last cell.
  const char* tailCorner;
  /// How the blank reaches the line's last cell when every other tile of the line was home
  /// from the start: through row 1 (true) or along its own row first.
  bool throughRowOne;
};
/// The first row and the first column.
extern const Line FIRST_ROW;
extern const Line FIRST_COL;

// One reduction step
/// Places the line but its last two tiles: its next-to-last tile is brought to a starting
/// position of the tail, below its home.
void PlaceLine(Solver& solver, const Line& line);
/// The tail: places the last two tiles of the line together.
void FinishLine(Solver& solver, const Line& line);

}  // namespace parberry
