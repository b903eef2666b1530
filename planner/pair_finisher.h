// pair_finisher.h: the last two tiles of a row or column, by a search in a small window.
#pragma once

#include <vector>

#include "planner/grid.h"

namespace planner {

/// Brings tiles a and b to their targets by the fewest moves that keep the blank inside the
/// window (a list of at most 16 unlocked cells holding both tiles and the blank), whatever
/// becomes of the other tiles there. False, with the grid unchanged, when that cannot be done.
bool FinishPairInWindow(Grid& grid, int tileA, int targetA, int tileB, int targetB,
                        const std::vector<int>& window);

}  // namespace planner
