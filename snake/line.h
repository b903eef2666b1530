// line.h: what tells the snake method's first row from its first column, each in its own frame.
#pragma once

#include "solver/line_view.h"
#include "solver/solver.h"

namespace snake {

/// The differences between the first row and the first column as the snake method fills them.
struct Line {
  /// The line's frame.
  LineView (*view)(Solver& solver);
  /// The frame whose right of a tile in the line's last column the blank comes to before the
  /// tile climbs in the tail: the column's for the row (above the tile), the row's for the column.
  LineView (*beside)(Solver& solver);
  /// Whether the first row was placed before the line, and is closed to the blank's routes.
  bool firstRowPlaced;
  /// The estimates' side of the blank: 'R' for the row, 'U' for the column.
  char side;
  /// How much dearer walking the first tile may be estimated and still be preferred.
  int firstExcess;
  /// Whether a snake whose head already stands on the first tile's home is dropped.
  bool dropHeadAtHome;
  /// Whether the staircase starts up when the head is below the blank, else sideways when it
  /// is on the blank's side away from the home.
  bool upFirstFromBelow;
  /// The function name the tail's fault reports give.
  const char* faultName;
};

/// Row 0, and column 0 below it. The row keeps the blank right of its tiles, the column above
/// them; the row lets the first tile of a pair lead even at up to two moves more than the
/// second, the column only when it is the cheaper.
inline const Line FIRST_ROW = {
    &LineView::FirstRow, &LineView::FirstColumn, false, 'R', 2, true, false, "SolveFirstRow2"};
inline const Line FIRST_COL = {
    &LineView::FirstColumn, &LineView::FirstRow, true, 'U', -1, false, true, "SolveFirstCol2"};

}  // namespace snake
