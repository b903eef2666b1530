// line_filler.cpp: single tiles along the line, then its two-tile tail.
#include "planner/line_filler.h"

#include <algorithm>

#include "planner/pair_finisher.h"

namespace planner {

namespace {

// The cell `steps` cells from `cell` in the direction, or -1 off the board.
int Step(const Grid& grid, int cell, int dir, int steps) {
  const int row = grid.Row(cell) + DIR_ROW[dir] * steps;
  const int col = grid.Col(cell) + DIR_COL[dir] * steps;
  const int n = grid.Side();
  if (row < 0 || col < 0 || row >= n || col >= n) return -1;
  return grid.CellAt(row, col);
}

}  // namespace

template <typename InWindow>
bool LineFiller::WalkBlankBeside(Grid& grid, int tile, InWindow inWindow) {
  const int cell = grid.CellOf(tile);
  int dist[4];
  router.DistancesAround(grid, grid.Blank(), cell, 1 << 30, dist);
  int best = -1;
  for (int dir = 0; dir < 4; ++dir) {
    if (dist[dir] >= 0 && inWindow(grid.Neighbour(cell, dir)) &&
        (best < 0 || dist[dir] < dist[best])) {
      best = dir;
    }
  }
  if (best < 0) return false;
  router.PathTo(grid, grid.Neighbour(cell, best), walk);
  for (const int8_t dir : walk) grid.Move(dir);
  return true;
}

bool LineFiller::Fill(Grid& grid, const Line& line) {
  const int length = static_cast<int>(line.targets.size());
  for (int i = 0; i + 2 < length; ++i) {
    const int target = line.targets[i];
    if (!mover.MoveTile(grid, grid.TileFor(target), target)) return false;
    grid.Lock(target);
  }
  return length < 2 || FillTail(grid, line, length - 2);
}

bool LineFiller::FillTail(Grid& grid, const Line& line, int first) {
  const int targetA = line.targets[first], targetB = line.targets[first + 1];
  const int tileA = grid.TileFor(targetA), tileB = grid.TileFor(targetB);
  if (grid.CellOf(tileA) != targetA || grid.CellOf(tileB) != targetB) {
    // The window: three cells deep from the line, one cell beyond the pair on either side.
    const int along = grid.Row(targetA) == grid.Row(targetB)
                          ? (grid.Col(targetB) > grid.Col(targetA) ? RIGHT : LEFT)
                          : (grid.Row(targetB) > grid.Row(targetA) ? DOWN : UP);
    std::vector<int> window;
    for (int offset = -1; offset <= 2; ++offset) {
      const int base = Step(grid, targetA, along, offset);
      for (int depth = 0; base >= 0 && depth < 3; ++depth) {
        const int cell = Step(grid, base, line.inward, depth);
        if (cell >= 0 && !grid.IsLocked(cell)) window.push_back(cell);
      }
    }
    auto inWindow = [&](int cell) {
      return std::find(window.begin(), window.end(), cell) != window.end();
    };
    auto ready = [&] {
      return inWindow(grid.CellOf(tileA)) && inWindow(grid.CellOf(tileB)) &&
             inWindow(grid.Blank());
    };
    if (!ready()) {
      // B to A's cell first, then A into the window (one cell in from its target), then the
      // blank beside A: from there the window search always finishes.
      if (!mover.MoveTile(grid, tileB, targetA)) return false;
      grid.Lock(targetA);
      bool placed = inWindow(grid.CellOf(tileA)) ||
                    mover.MoveTile(grid, tileA, Step(grid, targetA, line.inward, 1));
      if (placed && !inWindow(grid.Blank())) placed = WalkBlankBeside(grid, tileA, inWindow);
      grid.Unlock(targetA);
      if (!placed) return false;
    }
    if (!FinishPairInWindow(grid, tileA, targetA, tileB, targetB, window)) return false;
  }
  grid.Lock(targetA);
  grid.Lock(targetB);
  return true;
}

}  // namespace planner
