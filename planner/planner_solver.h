// planner_solver.h: the third solving method, which plans every placement by a shortest search.
#pragma once

#include "board/board.h"
#include "solver/solve_result.h"

namespace planner {

/// Solves the board by filling rows and columns with shortest walks of tiles and dominoes,
/// the last 4 x 4 (and 2 x 2, 3 x 3 boards) by a shortest solution; refuses what is no solvable
/// permutation of side 2 ... 100.
SolveResult SolvePlanner(const Board& board);
/// Builds the tables that every solve shares: the 4 x 4 pattern tables and the walks' costs.
void PrepareTables();

}  // namespace planner
