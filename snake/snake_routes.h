// snake_routes.h: the staircase routes along which a snake's head is carried home.
#pragma once

#include <vector>

#include "solver/solver.h"

namespace snake {

/// The head's route for the row pair of tiles t and t + 1, ending on (0, t) and then (0, t - 1),
/// into path; may first step the blank round the head. False when the pair cannot be carried
/// from where it stands, and the snake is to be dropped.
bool BuildRowRoute(Solver& solver, int t, const std::vector<int>& snake, std::vector<int>& path);
/// The head's route for the column pair whose lower tile t has its home in row k, ending on
/// (k - 1, 0) and then (k, 0); false as for BuildRowRoute.
bool BuildColRoute(Solver& solver, int t, const std::vector<int>& snake, std::vector<int>& path);

}  // namespace snake
