// reduction.h: the driver both constructive methods share: place, trim, repeat, finish 3 x 3.
#pragma once

#include <functional>

#include "solver/solve_result.h"
#include "solver/solver.h"

/// A method's steps for one reduction of the solver's board.
struct ReductionSteps {
  /// Places tiles 1 ... n-2 of row 0 and prepares the last two.
  std::function<void()> placeRow;
  /// Places tiles n-1 and n; run only when either is not home.
  std::function<void()> finishRow;
  /// Places column 0 from the bottom up to row 3 and prepares the last two.
  std::function<void()> placeCol;
  /// Places tiles 2n+1 and n+1; run only when either is not home.
  std::function<void()> finishCol;
};

/// Solves the solver's board by placing its first row and column and trimming, down to the 3 x 3
/// search; refuses what IsSolvableBoard refuses, or a failed trim. The result takes the solver's
/// faults.
SolveResult SolveByReduction(Solver& solver, const ReductionSteps& steps, bool reportsSides);

/// True for a solvable permutation of side smallestSide ... 100.
bool IsSolvableBoard(const Board& board, unsigned smallestSide = 3);
