// blank_router.cpp: A* over the free cells, the Manhattan distance to the focus as estimate.
#include "planner/blank_router.h"

#include <algorithm>
#include <cstdlib>

namespace planner {

namespace {

// What a straight walk's dynamic programming gives a blocked cell, or one no straight walk
// reaches: sums of it and push costs stay far from overflowing.
constexpr int BLOCKED = 1 << 30;

// Where the straight walk's pushes cost more than this many quarters a move, a search looks for
// a walk that costs less, moves and pushes together (STEP_COST a move), though it may be longer:
// one that goes round the tiles it would push away. 0.2 to 0.45 in a hundred moves fewer at
// sides 30 to 100, for 1.04 times the instructions at sides 50 and 100; flat up to side 15
// (within 0.3 in a hundred either way over 60 boards a side). 6 and 5 save up to 0.1 and 0.2 in
// a hundred more at side 100, for 1.04 and 1.09 times the instructions again; searching every
// walk, 0.1 more than 7 for 3.3 times the whole solve's time.
constexpr int DETOUR_PUSH_QUARTERS = 7;

// The most cells of a ring that WalkRound goes round: the domino's ten.
constexpr int MAX_RING = 10;

}  // namespace

int BlankRouter::Distance(const Grid& grid, int from, int avoid, int target, int limit,
                          int avoid2) {
  nodes.Resize(static_cast<size_t>(grid.Side()) * grid.Side());
  nodes.NextSearch();
  path.clear();
  const int straight = Straight(grid, from, avoid, target, avoid2);
  if (straight > limit) return -1;
  if (straight >= 0 && 4 * lastPushes <= DETOUR_PUSH_QUARTERS * straight) return straight;
  // With a straight walk in hand, the search need only look at walks that cost less, and
  // passes over those past the limit; should it find none, the straight walk stands.
  int bound = BLOCKED;
  const int straightPushes = lastPushes;
  if (straight >= 0) {
    bound = STEP_COST * straight + lastPushes;
    straightPath.swap(path);
    path.clear();
  } else if (ShutIn(grid, from, avoid, target, avoid2)) {
    return -1;
  }
  const int targetRow = grid.Row(target), targetCol = grid.Col(target);
  auto estimate = [&](int cell) {
    return STEP_COST *
           (std::abs(grid.Row(cell) - targetRow) + std::abs(grid.Col(cell) - targetCol));
  };
  // Cheapest estimate first; among equals the last reached, which runs the search straight at
  // its goal instead of widening over every equally cheap walk.
  open.Clear();
  Node& start = nodes.Mark(from);
  start.g = 0;
  start.steps = 0;
  start.h = static_cast<uint16_t>(estimate(from));
  start.cameFrom = -1;
  open.Push(start.h, from);
  int cell;
  while (open.Pop(
      cell, [&](int c, size_t f) { return static_cast<size_t>(nodes[c].g + nodes[c].h) == f; })) {
    const Node& node = nodes[cell];
    if (node.steps + node.h / STEP_COST > limit) {
      if (bound == BLOCKED) return -1;
      continue;
    }
    if (cell == target) {
      for (int at = target; at != from;) {
        const int dir = nodes[at].cameFrom;
        path.push_back(static_cast<int8_t>(dir));
        at = grid.Neighbour(at, dir ^ 1);
      }
      std::reverse(path.begin(), path.end());
      lastPushes = node.g - STEP_COST * node.steps;
      return node.steps;
    }
    for (int dir = 0; dir < 4; ++dir) {
      const int next = grid.Neighbour(cell, dir);
      if (next < 0 || next == avoid || next == avoid2 || grid.IsLocked(next)) continue;
      const int cost = node.g + STEP_COST + grid.PushCost(next, dir ^ 1);
      const int h = estimate(next);
      if (cost + h > bound) continue;
      if (nodes.Seen(next) && nodes[next].g <= cost) continue;
      Node& reached = nodes.Mark(next);
      reached.g = cost;
      reached.steps = node.steps + 1;
      reached.h = static_cast<uint16_t>(h);
      reached.cameFrom = static_cast<int8_t>(dir);
      open.Push(static_cast<size_t>(cost + h), next);
    }
  }
  if (straight < 0) return -1;
  path.swap(straightPath);
  lastPushes = straightPushes;
  return straight;
}

void BlankRouter::DistancesAround(const Grid& grid, int from, int focus, int slack, int dist[4],
                                  int pushes[4]) {
  // Sides in order of their Manhattan distance, a lower bound of the walk: a side whose bound is
  // already beyond the slack is not searched.
  int order[4], bound[4];
  for (int dir = 0; dir < 4; ++dir) {
    dist[dir] = -1;
    order[dir] = dir;
    const int side = grid.Neighbour(focus, dir);
    bound[dir] = side < 0 || grid.IsLocked(side) ? -1
                                                 : std::abs(grid.Row(side) - grid.Row(from)) +
                                                       std::abs(grid.Col(side) - grid.Col(from));
  }
  std::sort(order, order + 4, [&](int a, int b) { return bound[a] < bound[b]; });
  int nearest = -1;
  HoldGrid(true);
  for (const int dir : order) {
    if (bound[dir] < 0 || (nearest >= 0 && bound[dir] > nearest + slack)) continue;
    const int limit = nearest < 0 ? 1 << 30 : nearest + slack;
    dist[dir] = Distance(grid, from, focus, grid.Neighbour(focus, dir), limit);
    if (pushes) pushes[dir] = lastPushes;
    sidePaths[dir] = path;
    if (dist[dir] >= 0 && (nearest < 0 || dist[dir] < nearest)) nearest = dist[dir];
  }
  HoldGrid(false);
  for (int dir = 0; dir < 4; ++dir) {
    if (dist[dir] > nearest + slack) dist[dir] = -1;
  }
}

const std::vector<int8_t>& BlankRouter::WalkRound(const Grid& grid, int centre, int avoid2,
                                                  const int* rows, const int* cols, int size,
                                                  uint32_t free, int from, int to) {
  const RingWays ways = WaysRound(size, from, to);
  const int row = grid.Row(centre), col = grid.Col(centre);
  const int start = grid.CellAt(row + rows[from], col + cols[from]);
  const int rowStep = grid.Side();
  // Goes the way (0 forwards), writing its steps into steps[way], and returns what its pushes
  // cost; the way chosen is then copied, not gone again. Every cell of a free way is on the
  // board: each step goes by the offsets' difference.
  int8_t steps[2][MAX_RING];
  const auto walk = [&](int way) {
    int pushes = 0;
    for (int k = 0, at = from, cell = start; k < ways.length[way]; ++k) {
      const int next = way == 0 ? (at + 1 == size ? 0 : at + 1) : (at == 0 ? size - 1 : at - 1);
      const int down = rows[next] - rows[at], right = cols[next] - cols[at];
      const int dir = DirOfStep(down, right);
      cell += down * rowStep + right;
      steps[way][k] = static_cast<int8_t>(dir);
      pushes += grid.PushCost(cell, dir ^ 1);
      at = next;
    }
    return pushes;
  };
  int pushes = 0, way = 0;
  if (CheaperFreeWay(ways, free, walk, pushes, &way) >= 0) {
    path.assign(steps[way], steps[way] + ways.length[way]);
  } else {
    Distance(grid, start, centre, grid.CellAt(row + rows[to], col + cols[to]), 1 << 30, avoid2);
  }
  return path;
}

int BlankRouter::Straight(const Grid& grid, int from, int avoid, int target, int avoid2) {
  // Dynamic programming over the rectangle between the two cells: the cheapest walk that only
  // ever steps towards the target, if any such walk misses every blocked cell. A cell's cost
  // depends only on the cells between it and `from`, so the costs of a larger rectangle from
  // the same start serve every target inside it.
  const int rows = grid.Row(target) - grid.Row(from), cols = grid.Col(target) - grid.Col(from);
  const int height = std::abs(rows) + 1, width = std::abs(cols) + 1;
  const int rowDir = rows < 0 ? UP : DOWN, colDir = cols < 0 ? LEFT : RIGHT;
  if (!straight.reusable || straight.from != from || straight.avoid != avoid ||
      straight.avoid2 != avoid2 || straight.rowDir != rowDir || straight.colDir != colDir ||
      straight.height < height || straight.width < width) {
    // Held, the rectangle reaches two cells further each way, where the next targets lie.
    const int reach = holding ? 2 : 0;
    const int n = grid.Side(), row = grid.Row(target), col = grid.Col(target);
    const int moreRows = std::min(reach, rowDir == UP ? row : n - 1 - row);
    const int moreCols = std::min(reach, colDir == LEFT ? col : n - 1 - col);
    straight = StraightRectangle{
        holding, from, avoid, avoid2, rowDir, colDir, height + moreRows, width + moreCols};
    straight.cutRow = FillStraightCosts(grid);
  }
  if (height > straight.cutRow) return -1;
  const size_t stride = static_cast<size_t>(straight.width);
  const int end = cost[static_cast<size_t>(height - 1) * stride + static_cast<size_t>(width - 1)];
  if (end >= BLOCKED) return -1;
  lastPushes = end;
  for (int i = height - 1, j = width - 1; i > 0 || j > 0;) {
    const bool down = viaRow[static_cast<size_t>(i) * stride + static_cast<size_t>(j)] != 0;
    path.push_back(static_cast<int8_t>(down ? rowDir : colDir));
    --(down ? i : j);
  }
  std::reverse(path.begin(), path.end());
  return height + width - 2;
}

int BlankRouter::FillStraightCosts(const Grid& grid) {
  const StraightRectangle& rect = straight;
  const int height = rect.height, width = rect.width;
  const int rowStep = rect.rowDir == UP ? -grid.Side() : grid.Side();
  const int colStep = rect.colDir == LEFT ? -1 : 1;
  // Among equally cheap ways into a cell the one from the previous row wins.
  cost.resize(static_cast<size_t>(height) * width);
  viaRow.resize(cost.size());
  const int alongRow = rect.rowDir ^ 1, alongCol = rect.colDir ^ 1;
  auto blocked = [&](int cell) {
    return cell == rect.avoid || cell == rect.avoid2 || grid.IsLocked(cell);
  };
  cost[0] = 0;
  for (int j = 1; j < width; ++j) {
    const int cell = rect.from + j * colStep;
    cost[j] = blocked(cell) || cost[j - 1] >= BLOCKED ? BLOCKED
                                                      : cost[j - 1] + grid.PushCost(cell, alongCol);
    viaRow[j] = 0;
  }
  for (int i = 1; i < height; ++i) {
    int* const row = &cost[static_cast<size_t>(i) * width];
    const int* const above = row - width;
    uint8_t* const via = &viaRow[static_cast<size_t>(i) * width];
    int cell = rect.from + i * rowStep;
    bool open = false;
    for (int j = 0; j < width; ++j, cell += colStep) {
      if (blocked(cell)) {
        row[j] = BLOCKED;
        continue;
      }
      const int down = above[j] + grid.PushCost(cell, alongRow);
      const int across = j > 0 ? row[j - 1] + grid.PushCost(cell, alongCol) : BLOCKED;
      row[j] = std::min(std::min(down, across), BLOCKED);
      via[j] = across < down ? 0 : 1;
      open = open || row[j] < BLOCKED;
    }
    // A row cut all across cuts every walk that goes further.
    if (!open) return i;
  }
  return height;
}

bool BlankRouter::ShutIn(const Grid& grid, int from, int avoid, int target, int avoid2) {
  auto blocked = [&](int cell) { return cell == avoid || cell == avoid2 || grid.IsLocked(cell); };
  if (blocked(target)) return true;
  flooded.Resize(static_cast<size_t>(grid.Side()) * grid.Side());
  flooded.NextSearch();
  flood.clear();
  flood.push_back(target);
  flooded.Mark(target);
  for (size_t next = 0; next < flood.size(); ++next) {
    if (flood.size() > SHUT_IN_CELLS) return false;
    for (int dir = 0; dir < 4; ++dir) {
      const int cell = grid.Neighbour(flood[next], dir);
      if (cell == from) return false;
      if (cell < 0 || blocked(cell) || flooded.Seen(cell)) continue;
      flooded.Mark(cell);
      flood.push_back(cell);
    }
  }
  return true;
}

}  // namespace planner
