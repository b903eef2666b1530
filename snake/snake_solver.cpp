// snake_solver.cpp: the first row and column, pair by pair, by snake or singly, and the
// method's entry.
#include "snake/snake_solver.h"

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

void SnakeSolver::SolveFirstRow() {
  const int n = Side();
  if (n - 1 <= 1) return;
  int t = 1;
  while (t < n - 1) {
    const int blank = static_cast<int>(solver.Current().Blank());
    const int first = static_cast<int>(solver.FindTile(t));
    const int row1 = first / n, col1 = first % n;
    // With an odd side the pairs start at tile 2, so tile 1 goes alone.
    if (t == 1 && n % 2 == 1) {
      if (!solver.IsTileAtGoal(1)) PlaceRowTile(solver, row1, col1, 0, 0);
      marks.Set(0, BLOCKED_CELL);
      ++t;
      continue;
    }
    // A pair already home is blocked like a placed one, or a later snake's blank would route
    // through it.
    if (solver.IsTileAtGoal(t) && solver.IsTileAtGoal(t + 1)) {
      marks.Set(t - 1, BLOCKED_CELL);
      marks.Set(t, BLOCKED_CELL);
      t += 2;
      continue;
    }
    const Pair pair = {t, first, static_cast<int>(solver.FindTile(t + 1)), t - 1};

    // The second tile's estimate starts with the blank on its goal, where the first one left it.
    const Position& position = solver.Current();
    const int sum =
        SingleTileCost(position, pair.target, pair.first, blank, 'R', true, false) +
        SingleTileCost(position, pair.target + 1, pair.second, pair.target + 1, 'R', true, false);
    // The row lets the first tile lead even at up to two moves more than the second.
    if (TrySnakeIfCheaper(pair, sum, 2)) {
      t += 2;
      continue;
    }

    PlaceRowTile(solver, row1, col1, 0, t - 1);
    marks.Set(t - 1, BLOCKED_CELL);
    ++t;
    // The first placement may have moved the second tile.
    const int second = static_cast<int>(solver.FindTile(t));
    PlaceRowTile(solver, second / n, second % n, 0, t - 1);
    marks.Set(t - 1, BLOCKED_CELL);
    ++t;
  }
}

void SnakeSolver::SolveFirstCol() {
  const int n = Side();
  int k = 1;  // rows counted from the bottom
  if (n - 3 < 1) return;
  // Row 0 is complete, its tail included: no blank route may cross it.
  for (int col = 0; col < n; ++col) marks.Set(col, BLOCKED_CELL);
  while (k <= n - 3) {
    int t = (n - k) * n + 1;
    const int blank = static_cast<int>(solver.Current().Blank());
    const int goalRow = t / n;
    const int first = static_cast<int>(solver.FindTile(t));
    const int row1 = first / n, col1 = first % n;
    // With an even side the pairs start one row up, so the bottom tile goes alone.
    if (k == 1 && n % 2 == 0) {
      if (!solver.IsTileAtGoal(t)) PlaceColTile(solver, row1, col1, goalRow, 0);
      marks.Set(goalRow * n, BLOCKED_CELL);
      ++k;
      continue;
    }
    if (solver.IsTileAtGoal(t) && solver.IsTileAtGoal(t - n)) {
      marks.Set(t - 1, BLOCKED_CELL);
      marks.Set(t - 1 - n, BLOCKED_CELL);
      k += 2;
      continue;
    }
    const Pair pair = {t, first, static_cast<int>(solver.FindTile(t - n)), t - 1};

    // The upper tile's estimate starts with the blank right of the lower tile's goal.
    const Position& position = solver.Current();
    const int sum =
        SingleTileCost(position, pair.target, pair.first, blank, 'U', false, true) +
        SingleTileCost(position, pair.target - n, pair.second, pair.target + 1, 'U', false, true);
    // The column lets the first tile lead only when it is the cheaper.
    if (TrySnakeIfCheaper(pair, sum, -1)) {
      k += 2;
      continue;
    }

    PlaceColTile(solver, row1, col1, goalRow, 0);
    marks.Set(goalRow * n, BLOCKED_CELL);
    ++k;
    t = (n - k) * n + 1;
    const int second = static_cast<int>(solver.FindTile(t));
    PlaceColTile(solver, second / n, second % n, goalRow - 1, 0);
    marks.Set(t - 1, BLOCKED_CELL);
    ++k;
  }
}

SolveResult SolveSnakes(const Board& board, std::ostream& out) {
  Solver solver(out);
  solver.Start(board);
  SnakeSolver snakes(solver);
  const ReductionSteps steps = {
      [&snakes] {
        // Each reduction starts on a smaller board with every cell of it free.
        snakes.Reset();
        snakes.SolveFirstRow();
      },
      [&solver] { FinishFirstRow(solver); },
      [&snakes] { snakes.SolveFirstCol(); },
      [&solver] { FinishFirstCol(solver); },
  };
  return SolveByReduction(solver, steps, true);
}

}  // namespace snake
