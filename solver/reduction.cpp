// reduction.cpp: the reduce-trim-finish driver and the checks and texts around it.
#include "solver/reduction.h"

#include <vector>

#include "board/text_format.h"
#include "solver/end_game_search.h"

SolveResult SolveByReduction(Solver& solver, const ReductionSteps& steps, bool showSides) {
  std::ostream& out = solver.Out();
  if (!IsSolvableBoard(solver.Current().ToBoard(), out)) return SolveResult::Refused(CANT_SOLVE);
  if (showSides) out << "\n";
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
      out << "Error! Can't trim board\n ";
      solver.Current().ToBoard().PrintBoard(out);
      return SolveResult::Refused(NOT_SOLVED);
    }
    if (showSides) out << solver.Current().Side() << " ... ";
  }
  const std::clock_t start3x3 = std::clock();
  solver.DoMoves(Solve3x3(solver.Current().ToBoard()));
  const std::clock_t end = std::clock();
  out << SolveTimeLine(start, start3x3, end);
  return SolveResult::Solved(solver.TakeMoves());
}

bool IsSolvableBoard(const Board& board, std::ostream& out, unsigned smallestSide) {
  if (board.n < smallestSide || board.n > MAX_SIDE) return false;
  if (board.tiles.size() != static_cast<size_t>(board.n) * board.n) return false;
  std::vector<bool> seen(board.tiles.size(), false);
  for (const int value : board.tiles) {
    if (value < 0 || static_cast<size_t>(value) >= seen.size() || seen[value]) return false;
    seen[value] = true;
  }
  return board.IsSolvable(out);
}

std::string SolveTimeLine(std::clock_t start, std::clock_t startFinish, std::clock_t end,
                          unsigned finishSide) {
  const long long total = static_cast<long long>(end - start) * 10 / CLOCKS_PER_SEC;
  const long long finish = static_cast<long long>(end - startFinish) * 10 / CLOCKS_PER_SEC;
  return Format("\nSolved in %.1f seconds ( %.1f of it solving %ux%u puzzle)", total / 10.0,
                finish / 10.0, finishSide, finishSide);
}
