// snake_routes.h: the staircase routes along which a snake's head is carried home.
#pragma once

#include <vector>

#include "solver/line_view.h"
#include "solver/solver.h"

namespace snake {

/// What differs between carrying a row pair and a column pair, each in its line's frame.
struct RouteFrame {
  /// The line's frame.
  LineView (*view)(Solver& solver);
  /// Whether a snake whose head already stands on the first tile's home is dropped.
  bool dropHeadAtHome;
  /// Whether the staircase starts up when the head is below the blank, else sideways when it
  /// is on the blank's side away from the home.
  bool upFirstFromBelow;
  /// Whether the first row was placed before the line.
  bool firstRowPlaced;
};
/// The frames of the first row and the first column.
extern const RouteFrame ROW_ROUTE;
extern const RouteFrame COLUMN_ROUTE;

/// The head's staircase route from the blank to (0, k + 1) and (0, k), the home of t in the
/// frame; false when the snake is to be dropped.
bool BuildRoute(Solver& solver, const RouteFrame& frame, int t, const std::vector<int>& snake,
                std::vector<int>& path);

}  // namespace snake
