// snake_rows.cpp: the first row and column, pair by pair, choosing snake or single placements.
#include <algorithm>
#include <cstdlib>

#include "snake/snake_solver.h"
#include "solver/solution_optimizer.h"

namespace {

// The snake is tried only when its estimate stays under this share of the single placements.
constexpr double SNAKE_ESTIMATE_LIMIT = 1.2;
// A snake is kept only when it beats the single placements' estimate by at least this much.
constexpr int SNAKE_MIN_SAVING = 2;

}  // namespace

Cell SnakeSolver::ApproachCell(char side, int blankRow, int blankCol, int& tileRow, int& tileCol) {
  if (side == 'R') {
    if (blankCol >= tileCol) return {tileRow, tileCol + 1};
    --tileCol;
    return {tileRow, tileCol + 1};
  }
  if (blankRow <= tileRow) return {tileRow - 1, tileCol};
  ++tileRow;
  return {tileRow - 1, tileCol};
}

int SnakeSolver::SingleTileCost(int targetIdx, int tileIdx, int blankIdx, char side, bool ruleA,
                                bool ruleB) const {
  const int n = Side();
  if (Current().Cells().empty() || n < 2) return -1;
  const int br = blankIdx / n, bc = blankIdx % n;
  int tr = tileIdx / n, tc = tileIdx % n;
  const int gr = targetIdx / n, gc = targetIdx % n;
  const Cell approach = ApproachCell(side, br, bc, tr, tc);
  int cost = std::abs(br - approach.row) + std::abs(bc - approach.col);
  if (tileIdx == targetIdx) return cost;
  // Six moves per diagonal step of the tile, five per straight one.
  const int dr = std::abs(tr - gr), dc = std::abs(tc - gc);
  cost += 5 * std::abs(dr - dc) + 6 * std::min(dr, dc);
  // A tile that has to come round to the far side of its goal costs a detour more.
  if (ruleA && tr + tc <= gr + gc) {
    cost += 4;
  } else if (ruleB && tr - tc >= gr - gc) {
    cost += 4;
  }
  return cost;
}

int SnakeSolver::PairCost(int blankIdx, int meetIdx, int idxA, int idxB, bool adjust) const {
  const int n = Side();
  if (Current().Cells().empty() || n < 2) return -1;
  const int br = blankIdx / n, bc = blankIdx % n;
  const int mr = meetIdx / n, mc = meetIdx % n;
  const int ar = idxA / n, ac = idxA % n;
  int qr = idxB / n, qc = idxB % n;
  const int toA = std::abs(br - ar) + std::abs(bc - ac) - 1;
  const int dR = std::abs(ar - qr), dC = std::abs(ac - qc);
  const int walk = dR == dC ? 5 + 6 * (dR - 1)
                            : 5 * (std::max(dR, dC) - std::min(dR, dC) - 1) + 6 * std::min(dR, dC);
  if (adjust) {
    // The snake starts from the cell beside B that faces A.
    const int s1 = ar + ac, s2 = qr + qc, d1 = ar - ac, d2 = qr - qc;
    if (s1 < s2 && d1 > d2) {
      --qc;
    } else if (s1 < s2) {
      --qr;
    } else if (d1 < d2) {
      ++qc;
    } else if (s1 == s2) {
      --qc;
    } else {
      ++qr;
    }
  }
  const int eR = std::abs(qr - mr), eC = std::abs(qc - mc);
  return toA + walk + 7 * std::max(eR, eC) + 3 * std::min(eR, eC) + 3;
}

bool SnakeSolver::TrySnake(int sum, int row1, int col1, int row2, int col2) {
  BeginTrial();
  const bool ok = PlaceTilesBySnake(row1, col1, row2, col2);
  // The moves are shortened only when their length alone does not decide.
  const int limit = sum - SNAKE_MIN_SAVING;
  if (ok && (static_cast<int>(MovesSinceCheckpoint()) <= limit ||
             static_cast<int>(ShortenedMovesSinceCheckpoint(shortened)) <= limit)) {
    KeepTrial();
    return true;
  }
  RollBackTrial();
  blankIndex = Current().Blank();
  return false;
}

bool SnakeSolver::TrySnakeIfCheaper(int sum, int firstExcess, int row1, int col1, int row2,
                                    int col2) {
  const int firstToSecond =
      PairCost(blankIndex, targetIndex + 1, firstTileIndex, secondTileIndex, true);
  const int secondToFirst =
      PairCost(blankIndex, targetIndex + 1, secondTileIndex, firstTileIndex, false);
  const double limit = SNAKE_ESTIMATE_LIMIT * sum;
  if (firstToSecond < limit && firstToSecond <= secondToFirst + firstExcess) {
    return TrySnake(sum, row1, col1, row2, col2);
  }
  if (secondToFirst < limit && secondToFirst < firstToSecond - 2) {
    return TrySnake(sum, row2, col2, row1, col1);
  }
  return false;
}

void SnakeSolver::SolveFirstRow() {
  const int n = Side();
  currentTile = 1;
  firstTileIndex = secondTileIndex = targetIndex = 0;
  blankIndex = 0;
  if (n - 1 <= 1) return;
  while (currentTile < n - 1) {
    const int t = currentTile;
    blankIndex = Current().Blank();
    targetIndex = t - 1;
    firstTileIndex = static_cast<int>(FindTile(t));
    const int row1 = firstTileIndex / n, col1 = firstTileIndex % n;
    // With an odd side the pairs start at tile 2, so tile 1 goes alone.
    if (t == 1 && n % 2 == 1) {
      if (!IsTileAtGoal(1)) PlaceRowTile(row1, col1, 0, 0);
      SetMark(0, BLOCKED_CELL);
      ++currentTile;
      continue;
    }
    // A pair already home is blocked like a placed one, or a later snake's blank would route
    // through it.
    if (IsTileAtGoal(t) && IsTileAtGoal(t + 1)) {
      SetMark(t - 1, BLOCKED_CELL);
      SetMark(t, BLOCKED_CELL);
      currentTile += 2;
      continue;
    }
    secondTileIndex = static_cast<int>(FindTile(t + 1));
    const int row2 = secondTileIndex / n, col2 = secondTileIndex % n;

    // The second tile's estimate starts with the blank on its goal, where the first one left it.
    const int sum =
        SingleTileCost(targetIndex, firstTileIndex, blankIndex, 'R', true, false) +
        SingleTileCost(targetIndex + 1, secondTileIndex, targetIndex + 1, 'R', true, false);
    // The row lets the first tile lead even at up to two moves more than the second.
    if (TrySnakeIfCheaper(sum, 2, row1, col1, row2, col2)) {
      currentTile += 2;
      continue;
    }

    PlaceRowTile(row1, col1, 0, t - 1);
    SetMark(t - 1, BLOCKED_CELL);
    ++currentTile;
    ++targetIndex;
    blankIndex = Current().Blank();
    // The first placement may have moved the second tile.
    firstTileIndex = static_cast<int>(FindTile(currentTile));
    PlaceRowTile(firstTileIndex / n, firstTileIndex % n, 0, currentTile - 1);
    SetMark(currentTile - 1, BLOCKED_CELL);
    ++currentTile;
  }
}

void SnakeSolver::SolveFirstCol() {
  const int n = Side();
  currentTile = 1;
  firstTileIndex = secondTileIndex = targetIndex = 0;
  blankIndex = 0;
  int k = 1;  // rows counted from the bottom
  if (n - 3 < 1) return;
  // Row 0 is complete, its tail included: no blank route may cross it.
  for (int col = 0; col < n; ++col) SetMark(col, BLOCKED_CELL);
  while (k <= n - 3) {
    int t = (n - k) * n + 1;
    blankIndex = Current().Blank();
    targetIndex = t - 1;
    const int goalRow = t / n;
    currentTile = t;
    firstTileIndex = static_cast<int>(FindTile(t));
    const int row1 = firstTileIndex / n, col1 = firstTileIndex % n;
    // With an even side the pairs start one row up, so the bottom tile goes alone.
    if (k == 1 && n % 2 == 0) {
      if (!IsTileAtGoal(t)) PlaceColTile(row1, col1, goalRow, 0);
      SetMark(goalRow * n, BLOCKED_CELL);
      ++k;
      continue;
    }
    if (IsTileAtGoal(t) && IsTileAtGoal(t - n)) {
      SetMark(t - 1, BLOCKED_CELL);
      SetMark(t - 1 - n, BLOCKED_CELL);
      k += 2;
      continue;
    }
    secondTileIndex = static_cast<int>(FindTile(t - n));
    const int row2 = secondTileIndex / n, col2 = secondTileIndex % n;

    // The upper tile's estimate starts with the blank right of the lower tile's goal.
    const int sum =
        SingleTileCost(targetIndex, firstTileIndex, blankIndex, 'U', false, true) +
        SingleTileCost(targetIndex - n, secondTileIndex, targetIndex + 1, 'U', false, true);
    // The column lets the first tile lead only when it is the cheaper.
    if (TrySnakeIfCheaper(sum, -1, row1, col1, row2, col2)) {
      k += 2;
      continue;
    }

    PlaceColTile(row1, col1, goalRow, 0);
    SetMark(goalRow * n, BLOCKED_CELL);
    ++k;
    t = (n - k) * n + 1;
    blankIndex = Current().Blank();
    currentTile = t;
    firstTileIndex = static_cast<int>(FindTile(t));
    PlaceColTile(firstTileIndex / n, firstTileIndex % n, goalRow - 1, 0);
    SetMark(t - 1, BLOCKED_CELL);
    ++k;
  }
}
