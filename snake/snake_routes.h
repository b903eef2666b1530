// snake_routes.h: the staircase routes along which a snake's head is carried home.
#pragma once

#include <vector>

#include "snake/line.h"
#include "solver/line_view.h"
#include "solver/solver.h"

namespace snake {

/// The head's staircase route from the blank to (0, k + 1) and (0, k), the home of t in the
/// frame; false when the snake is to be dropped.
bool BuildRoute(Solver& solver, const Line& frame, int t, const std::vector<int>& snake,
                std::vector<int>& path);

}  // namespace snake
