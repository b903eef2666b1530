// pair_carrier.cpp: bringing a pair together, forming its snake and carrying it home.
#include "snake/snake_routes.h"
#include "snake/snake_solver.h"
#include "snake/tile_walk.h"

namespace snake {

Cell GetCellNextTo(int row2, int col2, int row1, int col1) {
  const int d = (row1 - col1) - (row2 - col2);
  const int s = (row1 + col1) - (row2 + col2);
  if (d < 0 && s < 0) return {row2 - 1, col2};
  if (d >= 0 && s < 0) return {row2, col2 - 1};
  if (d <= 0) return {row2, col2 + 1};
  if (s == 0) return {row2, col2 - 1};
  return {row2 + 1, col2};
}

bool SnakeSolver::Carry(int t, int row1, int col1, int row2, int col2) {
  const int n = static_cast<int>(solver.Current().Side());
  const int tileA = solver.Current().TileAt(row1, col1);
  const int tileB = solver.Current().TileAt(row2, col2);
  if (tileA <= 0 || tileB <= 0) return false;
  const int blankRow = solver.Current().BlankRow(), blankCol = solver.Current().BlankCol();

  // The blank comes to the side of A that faces away from B's column.
  char side = col1 < col2 ? 'L' : 'R';
  LineView::FirstRow(solver).BringBlankBeside(side, blankCol, blankRow, row1, col1);
  if (side == 'R' && col1 < col2) {
    solver.DoMoves({"L"});
    ++col1;
    side = 'L';
  }
  // Bringing the blank to A may have moved B.
  const int b = static_cast<int>(solver.Current().CellOf(tileB));
  row2 = b / n;
  col2 = b % n;
  const Cell beside = GetCellNextTo(row2, col2, row1, col1);
  MoveTileToCoords(solver, row1, col1, beside.row, beside.col, side);

  if (!snake.Form(tileA, tileB)) {
    solver.Out() << "\n\nError - cant init snake from tiles " << tileA << " and " << tileB << "\n";
    return false;
  }
  // The set-up does not look out for placed tiles; if it pushed one out of place, the pair is
  // not worth carrying home.
  const Line& frame = t < n ? FIRST_ROW : FIRST_COL;
  if (!PlacedTilesHome(frame, t)) return false;
  // A pair that cannot be carried from where it stands is not carried.
  if (!BuildRoute(solver, frame, t, snake.Cells(), snake.Path())) return false;
  const std::vector<int>& path = snake.Path();
  if (!path.empty() && path.front() == snake.Cells().front()) return false;
  return snake.MoveAlongPath();
}

bool SnakeSolver::PlacedTilesHome(const Line& frame, int t) const {
  const int n = static_cast<int>(solver.Current().Side());
  if (frame.firstRowPlaced) {
    for (int placed = 1; placed <= n; ++placed) {
      if (!solver.IsTileAtGoal(placed)) return false;
    }
  }
  const LineView view = frame.view(solver);
  int homeRow, k;
  view.FromBoard((t - 1) / n, (t - 1) % n, homeRow, k);
  for (int col = 0; col < k; ++col) {
    if (!solver.IsTileAtGoal(view.HomeTile(0, col))) return false;
  }
  return true;
}

}  // namespace snake
