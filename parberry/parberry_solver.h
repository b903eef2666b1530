// parberry_solver.h: Parberry's method, one tile at a time with the blank circling it.
#pragma once

#include "solver/solve_result.h"
#include "solver/solver.h"

namespace parberry {

/// Solves a copy of the board: places the first row and column, trims, repeats down to 3 x 3 and
/// finishes with the shortest 3 x 3 search. Refuses, as SolveByReduction does, a board it cannot
/// take or a reduction that went wrong.
SolveResult SolveParberry(const Board& board);

// One reduction step
/// Places tiles 1 ... n-2 of row 0 and brings tile n-1 to a starting position of the row tail.
void SolveFirstRow(Solver& solver);
/// The row tail: places tiles n-1 and n together.
void SolveFirstRow2(Solver& solver);
/// Places column 0 from row n-1 up to row 3 and brings tile 2n+1 to a starting position of the
/// column tail.
void SolveFirstCol(Solver& solver);
/// The column tail: places tiles 2n+1 and n+1 together.
void SolveFirstCol2(Solver& solver);

}  // namespace parberry
