// pair_finisher.h: the last two tiles of a row or column, by a search in a small window.
#pragma once

#include <vector>

#include "planner/grid.h"

namespace planner {

/// Brings the tiles of cells a and b home by the fewest moves keeping the blank inside the window
/// (at most 16 unlocked cells); false, grid unchanged, when that cannot be done.
bool FinishPairInWindow(Grid& grid, int targetA, int targetB, const std::vector<int>& window);

}  // namespace planner
