// reduction.cpp: the reduce-trim-finish driver and the check of the boards it takes.
#include "solver/reduction.h"

#include <ctime>
#include <ostream>
#include <vector>

#include "exact/end_game_search.h"

SolveResult SolveByReduction(Solver& solver, const ReductionSteps& steps, bool reportsSides,
                             const std::ostringstream& faults) {
  Board& board = solver.board;
  if (!IsSolvableBoard(board)) return SolveResult::Refused(Refusal::CANNOT_SOLVE);
  SolveResult result;
  result.reportsSides = reportsSides;
  solver.applied.clear();
  // Both methods make about 2.5 n^3 moves on a random board: room for them all from the start.
  const size_t side = board.n;
  solver.applied.reserve(3 * side * side * side);
  board.FindBlank();
  const std::clock_t start = std::clock();
  while (board.n > 3) {
    const int n = static_cast<int>(board.n);
    steps.placeRow();
    if (!solver.IsTileAtGoal(n - 1) || !solver.IsTileAtGoal(n)) steps.finishRow();
    steps.placeCol();
    // The column is filled from the bottom up, so its last two tiles are those of rows 2 and 1.
    if (!solver.IsTileAtGoal(2 * n + 1) || !solver.IsTileAtGoal(n + 1)) steps.finishCol();
    if (!board.TrimBoard()) {
      result.refusal = Refusal::TRIM_FAILED;
      result.untrimmed = board;
      result.faults = faults.str();
      return result;
    }
    if (reportsSides) result.trimmedSides.push_back(board.n);
  }
  const std::clock_t start3x3 = std::clock();
  solver.applied += Solve3x3(board);
  const std::clock_t end = std::clock();
  result.moves = std::move(solver.applied);
  result.times = {end - start, end - start3x3, 3};
  result.faults = faults.str();
  return result;
}

bool IsSolvableBoard(const Board& board, unsigned smallestSide) {
  if (board.n < smallestSide || board.n > MAX_SIDE) return false;
  if (board.tiles.size() != static_cast<size_t>(board.n) * board.n) return false;
  std::vector<bool> seen(board.tiles.size(), false);
  for (const int value : board.tiles) {
    if (value < 0 || static_cast<size_t>(value) >= seen.size() || seen[value]) return false;
    seen[value] = true;
  }
  // A board whose blank index is out of date gets a warning here that no one is to see; the
  // answer does not depend on it.
  std::ostream discard(nullptr);
  return board.IsSolvable(discard);
}
