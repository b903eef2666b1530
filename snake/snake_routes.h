// snake_routes.h: the staircase routes along which a snake's head is carried home.
#pragma once

#include <vector>

#include "solver/line_view.h"
#include "solver/solver.h"

namespace snake {

/// What differs between carrying a row pair and a column pair, each seen in its line's
/// frame.
struct RouteFrame {
  /// The line's frame.
  LineView (*view)(Solver& solver);
  /// Whether a snake whose head already stands on the first tile's home is dropped.
  bool dropHeadAtHome;
  /// Whether the staircase starts with a step up exactly when the head is below the blank;
  /// otherwise it starts sideways exactly when the head is on the blank's side away from the
  /// home.
  bool upFirstFromBelow;
  /// Whether the first row was placed before the line.
  bool firstRowPlaced;
};
/// The frames of the first row and the first column.
extern const RouteFrame ROW_ROUTE;
extern const RouteFrame COLUMN_ROUTE;

/// The head's route, into path, for the pair whose leading tile t has its home at the frame's
/// (0, k): a staircase up and towards the home from the blank, ending on (0, k + 1) and then
/// (0, k); it may first step the blank round the head. False when the pair cannot be carried
/// from where it stands, and the snake is to be dropped.
bool BuildRoute(Solver& solver, const RouteFrame& frame, int t, const std::vector<int>& snake,
                std::vector<int>& path);

}  // namespace snake
