// snake_solver.cpp: the first row and column, pair by pair, by snake or singly, and the
// method's entry.
#include "snake/snake_solver.h"

#include <sstream>

#include "snake/estimates.h"
#include "snake/line_tails.h"
#include "solver/reduction.h"

namespace snake {
namespace {

// The snake is tried only when its estimate stays under this share of the single placements.
constexpr double SNAKE_ESTIMATE_LIMIT = 1.2;
// A snake is kept only when it beats the single placements' estimate by at least this much.
constexpr int SNAKE_MIN_SAVING = 2;

}  // namespace

bool SnakeSolver::TrySnake(int t, int sum, int row1, int col1, int row2, int col2) {
  solver.SetCheckpoint();
  marks.BeginTrial();
  const bool ok = pairs.Carry(t, row1, col1, row2, col2);
  // The moves are shortened only when their length alone does not decide.
  const int limit = sum - SNAKE_MIN_SAVING;
  if (ok && (static_cast<int>(solver.MovesSinceCheckpoint()) <= limit ||
             static_cast<int>(solver.ShortenedMovesSinceCheckpoint(shortened)) <= limit)) {
    marks.KeepTrial();
    return true;
  }
  solver.RollBackToCheckpoint();
  marks.RollBackTrial();
  return false;
}

bool SnakeSolver::TrySnakeIfCheaper(const Pair& pair, int sum, int firstExcess) {
  const Position& position = solver.Current();
  const int blank = static_cast<int>(position.Blank());
  const int meet = pair.target + 1;
  const int firstToSecond = PairCost(position, blank, meet, pair.first, pair.second, true);
  const int secondToFirst = PairCost(position, blank, meet, pair.second, pair.first, false);
  const int n = static_cast<int>(position.Side());
  const int row1 = pair.first / n, col1 = pair.first % n;
  const int row2 = pair.second / n, col2 = pair.second % n;
  const double limit = SNAKE_ESTIMATE_LIMIT * sum;
  if (firstToSecond < limit && firstToSecond <= secondToFirst + firstExcess) {
    return TrySnake(pair.tile, sum, row1, col1, row2, col2);
  }
  if (secondToFirst < limit && secondToFirst < firstToSecond - 2) {
    return TrySnake(pair.tile, sum, row2, col2, row1, col1);
  }
  return false;
}

void SnakeSolver::PlaceLine(const Line& line) {
  const int n = Side();
  const LineView view = line.view(solver);
  const int width = view.Width();
  // The last two cells are the tail's; a line of two has no pair and no single before it.
  if (width <= 2) return;
  // Row 0 is complete, its tail included: no blank route may cross it.
  if (line.firstRowPlaced) {
    for (int col = 0; col < n; ++col) marks.Set(col, BLOCKED_CELL);
  }
  // Places the tile of the line's cell k at its home, and closes the home.
  const auto placeSingly = [&](int k) {
    const int t = view.HomeTile(0, k);
    int row, col;
    view.FindTile(t, row, col);
    PlaceTile(view, row, col, 0, k);
    marks.Set(t - 1, BLOCKED_CELL);
  };
  for (int k = 0; k <= width - 3;) {
    const int t = view.HomeTile(0, k);
    const int blank = static_cast<int>(solver.Current().Blank());
    const int first = static_cast<int>(solver.Current().CellOf(t));
    // With a line of odd width the pairs start at its second cell, so the first goes alone.
    if (k == 0 && width % 2 == 1) {
      if (solver.IsTileAtGoal(t)) {
        marks.Set(t - 1, BLOCKED_CELL);
      } else {
        placeSingly(k);
      }
      ++k;
      continue;
    }
    const int next = view.HomeTile(0, k + 1);
    // A pair already home is blocked like a placed one, or a later snake's blank would route
    // through it.
    if (solver.IsTileAtGoal(t) && solver.IsTileAtGoal(next)) {
      marks.Set(t - 1, BLOCKED_CELL);
      marks.Set(next - 1, BLOCKED_CELL);
      k += 2;
      continue;
    }
    const Pair pair = {t, first, static_cast<int>(solver.Current().CellOf(next)), t - 1};

    // The second tile's estimate starts with the blank right of the first tile's home.
    const Position& position = solver.Current();
    const int sum = SingleTileCost(position, pair.target, pair.first, blank, line.side, line.ruleA,
                                   line.ruleB) +
                    SingleTileCost(position, next - 1, pair.second, pair.target + 1, line.side,
                                   line.ruleA, line.ruleB);
    if (!TrySnakeIfCheaper(pair, sum, line.firstExcess)) {
      placeSingly(k);
      placeSingly(k + 1);
    }
    k += 2;
  }
}

SolveResult SolveSnakes(const Board& board) {
  std::ostringstream faults;
  Solver solver(faults);
  solver.Start(board);
  SnakeSolver snakes(solver);
  const ReductionSteps steps = {
      [&snakes] {
        // Each reduction starts on a smaller board with every cell of it free.
        snakes.Reset();
        snakes.PlaceLine(FIRST_ROW);
      },
      [&solver] { FinishLine(solver, FIRST_ROW); },
      [&snakes] { snakes.PlaceLine(FIRST_COL); },
      [&solver] { FinishLine(solver, FIRST_COL); },
  };
  return SolveByReduction(solver, steps, true, faults);
}

}  // namespace snake
