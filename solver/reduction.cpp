// reduction.cpp: the reduce-trim-finish driver and the check of the boards it takes.
#include "solver/reduction.h"

#include <ctime>

#include "exact/end_game_search.h"

SolveResult SolveByReduction(Solver& solver, const ReductionSteps& steps, bool reportsSides) {
  if (!IsSolvableBoard(solver.Current().ToBoard()))
    return SolveResult::Refused(Refusal::CANNOT_SOLVE);
  SolveResult result;
  result.reportsSides = reportsSides;
  // Both methods make about 2.5 n^3 moves on a random board: room for them all from the start.
  const size_t side = solver.Current().Side();
  solver.ReserveMoves(3 * side * side * side);
  const std::clock_t start = std::clock();
  while (solver.Current().Side() > 3) {
    const int n = static_cast<int>(solver.Current().Side());
    steps.placeRow();
    if (!solver.IsTileAtGoal(n - 1) || !solver.IsTileAtGoal(n)) steps.finishRow();
    steps.placeCol();
    // The column is filled from the bottom up, so its last two tiles are those of rows 2 and 1.
    if (!solver.IsTileAtGoal(2 * n + 1) || !solver.IsTileAtGoal(n + 1)) steps.finishCol();
    if (!solver.Trim()) {
      result.refusal = Refusal::TRIM_FAILED;
      result.untrimmed = solver.Current().ToBoard();
      result.faults = solver.TakeFaults();
      return result;
    }
    if (reportsSides) result.trimmedSides.push_back(solver.Current().Side());
  }
  const std::clock_t start3x3 = std::clock();
  solver.DoMoves(Solve3x3(solver.Current().ToBoard()));
  const std::clock_t end = std::clock();
  result.moves = solver.TakeMoves();
  result.times = {end - start, end - start3x3, 3};
  result.faults = solver.TakeFaults();
  return result;
}

bool IsSolvableBoard(const Board& board, unsigned smallestSide) {
  return board.n >= smallestSide && board.n <= MAX_SIDE && board.IsSolvablePermutation();
}
