// three_by_three.h: every solvable 3 x 3 position by its distance, by breadth-first search.
#pragma once

#include <vector>

/// Nine cells, row-major, 0 for the blank.
using Cells3x3 = std::vector<int>;

/// Every position reachable from the goal, at index d those d moves from it, in the order the
/// search reached them; searched once on first use.
const std::vector<std::vector<Cells3x3>>& ThreeByThree();
