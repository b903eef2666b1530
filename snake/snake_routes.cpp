// snake_routes.cpp: the staircase routes along which a snake's head is carried home.
#include "snake/snake_routes.h"

namespace snake {

bool BuildRoute(Solver& solver, const Line& frame, int t, const std::vector<int>& snake,
                std::vector<int>& path) {
  const int n = static_cast<int>(solver.Current().Side());
  const LineView view = frame.view(solver);
  // The board index of a view cell. The cells are compared by index, as the snake holds them;
  // the index is linear in the view's row and column, so a cell just off the board still has
  // the index one step beyond its neighbour.
  const auto index = [&view, n](int row, int col) {
    int boardRow, boardCol;
    view.ToBoard(row, col, boardRow, boardCol);
    return boardRow * n + boardCol;
  };
  const int origin = index(0, 0), down = index(1, 0) - origin, right = index(0, 1) - origin;
  const auto at = [=](int row, int col) { return origin + row * down + col * right; };
  const int head = snake.front();
  int homeRow, k;
  view.FromBoard((t - 1) / n, (t - 1) % n, homeRow, k);
  path.clear();
  int cRow, cCol;
  view.FindBlank(cRow, cCol);
  int gRow = 0, gCol = k + 1;  // the tail's goal
  if (frame.dropHeadAtHome && head == at(0, k)) return false;
  // From the left the route comes along row 1 and turns up at the tail's goal column.
  const bool fromRight = cCol >= gCol;
  if (!fromRight) ++gRow;
  if (cRow == 0 && cCol == k) {
    if (head == at(0, k + 1)) return true;
    if (head == at(1, k)) {
      if (snake[1] == head + at(0, 1) - at(0, 0)) return false;
      view.DoMoves({"RD"});
      view.FindBlank(cRow, cCol);
    }
  }
  // The staircase only climbs: a blank above the row it must reach has no route.
  if (cRow < gRow) return false;
  const auto step = [&](int dRow, int dCol) {
    cRow += dRow;
    cCol += dCol;
    path.push_back(at(cRow, cCol));
  };
  // Diagonal steps, alternately up and sideways, while both the row and the column are to be
  // reached.
  const int sideways = cCol < gCol ? 1 : -1;
  bool up = frame.upFirstFromBelow ? head == at(cRow + 1, cCol) : head != at(cRow, cCol - sideways);
  while (cRow != gRow && cCol != gCol) {
    if (up) {
      step(-1, 0);
      step(0, sideways);
    } else {
      step(0, sideways);
      step(-1, 0);
    }
    up = !up;
  }
  // Then straight on to the goal.
  while (cRow > gRow) step(-1, 0);
  while (cCol != gCol) step(0, sideways);
  if (!fromRight) step(-1, 0);
  step(0, -1);
  return true;
}

}  // namespace snake
