// planner_solver.h: the third solving method, which plans every placement by a shortest search.
#pragma once

#include "board/board.h"
#include "solver/solve_result.h"

namespace planner {

/// Solves the board: rows and columns of the unsolved part are filled by shortest walks of single
/// tiles and of two-tile dominoes with placed tiles as walls, choosing among equally short walks
/// the ones that push other tiles homewards; the last two of each line go together by a small
/// exhaustive search, and the last 4 x 4 by a shortest solution (2 x 2 and 3 x 3 boards too).
/// Refuses, with CANNOT_SOLVE, a board that is no solvable permutation of side 2 ... 100. The
/// result's finishing time is that of the final shortest search. Keeps no state between calls.
SolveResult SolvePlanner(const Board& board);

}  // namespace planner
