// planner_solver.h: the third solving method, which plans every placement by a shortest search.
#pragma once

#include <ostream>

#include "board/board.h"
#include "solver/solve_result.h"

namespace planner {

/// Solves the board: rows and columns of the unsolved part are filled by shortest walks of each
/// tile with placed tiles as walls, the last two of each together by a small exhaustive search,
/// and the last 3 x 3 by a shortest solution (a 2 x 2 board by a shortest solution too).
/// Refuses, with CANT_SOLVE, a board that is no solvable permutation of side 2 ... 100.
/// Writes nothing to out on success. Keeps no state between calls.
SolveResult SolvePlanner(const Board& board, std::ostream& out);

}  // namespace planner
