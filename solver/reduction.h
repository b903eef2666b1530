// reduction.h: the driver both constructive methods share: place, trim, repeat, finish 3 x 3.
#pragma once

#include <ctime>
#include <functional>
#include <ostream>
#include <string>

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
/// and so on down to 3 x 3, which the shortest search finishes. Writes the time line, and with
/// showSides a line break first and each new side followed by " ... " after each trim. Refuses
/// with CANT_SOLVE a board that IsSolvableBoard refuses, with NOT_SOLVED when a trim fails.
SolveResult SolveByReduction(Solver& solver, const ReductionSteps& steps, bool showSides);

/// True when the board can be handed to a solver: a solvable permutation of 0 ... n^2-1 whose
/// side is smallestSide ... 100.
bool IsSolvableBoard(const Board& board, std::ostream& out, unsigned smallestSide = 3);
/// The time line of a solve: the spans from start and from the start of the final shortest
/// search (of a finishSide x finishSide board) to end, each truncated to whole tenths of a
/// second.
std::string SolveTimeLine(std::clock_t start, std::clock_t startFinish, std::clock_t end,
                          unsigned finishSide = 3);
