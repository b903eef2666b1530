// snake_solver.cpp: the first row and column, pair by pair, by snake or singly as the estimates
// choose; the pair carried home as a snake; the method's entry.
#include "snake/snake_solver.h"

#include <algorithm>
#include <cstdlib>

#include "snake/line_tails.h"
#include "snake/pair_carrier.h"
#include "solver/reduction.h"

namespace snake {
namespace {

// The snake is tried only when its estimate stays under this share of the single placements.
constexpr double SNAKE_ESTIMATE_LIMIT = 1.2;
// A snake is kept only when it beats the single placements' estimate by at least this much.
constexpr int SNAKE_MIN_SAVING = 2;

// Estimated moves to place one tile with the blank on side 'R' (a row's) or 'U' (a column's).
int SingleTileCost(const Position& position, int targetIdx, int tileIdx, int blankIdx, char side) {
  const int n = static_cast<int>(position.Side());
  const int br = blankIdx / n, bc = blankIdx % n;
  int tr = tileIdx / n, tc = tileIdx % n;
  const int gr = targetIdx / n, gc = targetIdx % n;
  // The blank ends beside the tile on side 'R' or 'U'; a blank coming from the far side pushes
  // the tile a cell.
  const bool right = side == 'R';
  if (right && bc < tc) --tc;
  if (!right && br > tr) ++tr;
  int cost = std::abs(br - (right ? tr : tr - 1)) + std::abs(bc - (right ? tc + 1 : tc));
  if (tileIdx == targetIdx) return cost;
  // Six moves per diagonal step of the tile, five per straight one.
  const int dr = std::abs(tr - gr), dc = std::abs(tc - gc);
  cost += 5 * std::abs(dr - dc) + 6 * std::min(dr, dc);
  // A tile that has to come round to the far side of its goal costs a detour more.
  if (right ? tr + tc <= gr + gc : tr - tc >= gr - gc) cost += 4;
  return cost;
}

// Estimated moves to bring tile A beside tile B and carry both as a snake to meetIdx.
int PairCost(const Position& position, int blankIdx, int meetIdx, int idxA, int idxB, bool adjust) {
  const int n = static_cast<int>(position.Side());
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

}  // namespace

bool SnakeSolver::TrySnake(const Line& line, int k, int sum, int tileA, int tileB) {
  solver.SetCheckpoint();
  marks.BeginTrial();
  const bool ok = Carry(line, k, tileA, tileB);
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

bool SnakeSolver::TrySnakeIfCheaper(const Line& line, int k) {
  const LineView view = line.view(solver);
  const int t = view.HomeTile(0, k), next = view.HomeTile(0, k + 1);
  const Position& position = solver.Current();
  const int blank = static_cast<int>(position.Blank());
  const int first = static_cast<int>(position.CellOf(t));
  const int second = static_cast<int>(position.CellOf(next));
  // The second tile's estimate starts with the blank right of the first tile's home, t - 1.
  const int sum = SingleTileCost(position, t - 1, first, blank, line.side) +
                  SingleTileCost(position, next - 1, second, t, line.side);
  const int firstToSecond = PairCost(position, blank, t, first, second, true);
  const int secondToFirst = PairCost(position, blank, t, second, first, false);
  const double limit = SNAKE_ESTIMATE_LIMIT * sum;
  if (firstToSecond < limit && firstToSecond <= secondToFirst + line.firstExcess) {
    return TrySnake(line, k, sum, t, next);
  }
  if (secondToFirst < limit && secondToFirst < firstToSecond - 2) {
    return TrySnake(line, k, sum, next, t);
  }
  return false;
}

void SnakeSolver::PlaceLine(const Line& line) {
  const LineView view = line.view(solver);
  const int width = view.Width();
  // Row 0 is complete, its tail included: no blank route may cross it.
  if (line.firstRowPlaced) {
    const int n = static_cast<int>(solver.Current().Side());
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
  // With a line of odd width the pairs start at its second cell, so the first goes alone.
  if (width % 2 == 1) {
    const int t = view.HomeTile(0, 0);
    if (!solver.IsTileAtGoal(t)) placeSingly(0);
    marks.Set(t - 1, BLOCKED_CELL);
  }
  // The last two cells are the tail's.
  for (int k = width % 2; k <= width - 3; k += 2) {
    const int t = view.HomeTile(0, k), next = view.HomeTile(0, k + 1);
    // A pair already home is blocked like a placed one, or a later snake's blank would route
    // through it.
    if (solver.IsTileAtGoal(t) && solver.IsTileAtGoal(next)) {
      marks.Set(t - 1, BLOCKED_CELL);
      marks.Set(next - 1, BLOCKED_CELL);
    } else if (!TrySnakeIfCheaper(line, k)) {
      placeSingly(k);
      placeSingly(k + 1);
    }
  }
}

SolveResult SolveSnakes(const Board& board) {
  Solver solver;
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
  return SolveByReduction(solver, steps, true);
}

bool SnakeSolver::Carry(const Line& line, int k, int tileA, int tileB) {
  const Position& position = solver.Current();
  const int n = static_cast<int>(position.Side());
  const int a = static_cast<int>(position.CellOf(tileA));
  int row1 = a / n, col1 = a % n;
  const int col2 = static_cast<int>(position.CellOf(tileB)) % n;
  const int blankRow = position.BlankRow(), blankCol = position.BlankCol();

  // The blank comes to the side of A that faces away from B's column.
  char side = col1 < col2 ? 'L' : 'R';
  LineView::FirstRow(solver).BringBlankBeside(side, blankCol, blankRow, row1, col1);
  if (side == 'R' && col1 < col2) {
    solver.DoMoves({"L"});
    ++col1;
    side = 'L';
  }
  // Bringing the blank to A may have moved B.
  const int b = static_cast<int>(position.CellOf(tileB));
  const Cell beside = GetCellNextTo(b / n, b % n, row1, col1);
  MoveTileToCoords(solver, row1, col1, beside.row, beside.col, side);

  if (!snake.Form(tileA, tileB)) {
    solver.Fault("\n\nError - cant init snake from tiles " + std::to_string(tileA) + " and " +
                 std::to_string(tileB) + "\n");
    return false;
  }
  // The set-up does not look out for placed tiles; if it pushed one out of place, the pair is
  // not worth carrying home.
  if (!PlacedTilesHome(line, k)) return false;
  // A pair that cannot be carried from where it stands is not carried.
  if (!BuildRoute(solver, line, k, snake.Cells(), snake.Path())) return false;
  const std::vector<int>& path = snake.Path();
  if (!path.empty() && path.front() == snake.Cells().front()) return false;
  return snake.MoveAlongPath();
}

bool SnakeSolver::PlacedTilesHome(const Line& line, int k) const {
  const int n = static_cast<int>(solver.Current().Side());
  if (line.firstRowPlaced) {
    for (int placed = 1; placed <= n; ++placed) {
      if (!solver.IsTileAtGoal(placed)) return false;
    }
  }
  const LineView view = line.view(solver);
  for (int col = 0; col < k; ++col) {
    if (!solver.IsTileAtGoal(view.HomeTile(0, col))) return false;
  }
  return true;
}

}  // namespace snake
