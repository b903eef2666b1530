// reduction.h: the driver both constructive methods share: place, trim, repeat, finish 3 x 3.
#pragma once

#include <functional>
#include <sstream>

#include "solver/solve_result.h"
#include "solver/solver.h"

/// A method's steps for one reduction of the solver's board: each works on the solver it was
/// made for.
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

/// Solves the solver's board: the steps place the first row and column, the board is trimmed,
/// and so on down to 3 x 3, which the shortest search finishes. With reportsSides the result
/// lists each side the board was trimmed to. Refuses with CANNOT_SOLVE a board that
/// IsSolvableBoard refuses, with TRIM_FAILED when a trim fails. faults is the stream the solver
/// was made with; what it holds at the end is the result's faults.
SolveResult SolveByReduction(Solver& solver, const ReductionSteps& steps, bool reportsSides,
                             const std::ostringstream& faults);

/// True when the board can be handed to a solver: a solvable permutation of 0 ... n^2-1 whose
/// side is smallestSide ... 100.
bool IsSolvableBoard(const Board& board, unsigned smallestSide = 3);
