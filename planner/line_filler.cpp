// line_filler.cpp: single tiles along the line, then its two-tile tail.
#include "planner/line_filler.h"

#include <algorithm>

#include "planner/domino.h"
#include "planner/open_board_costs.h"
#include "planner/pair_finisher.h"

namespace planner {

namespace {

// What a step more of some tile away from home costs, in moves, when ways of filling a line are
// weighed (LineFiller::Cheapest): with it, trying both ends saves 1 to 3.5 in a hundred moves
// against the estimate's choice at sides 10 to 100; 2 or 4 save a little less.
constexpr long long DRIFT_WEIGHT = 3;

// A domino is taken where its estimate is below this many sixteenths of the single tiles': its
// estimate is as near its moves as theirs (within 1 in a hundred for both at side 100), yet
// taking it wherever it is lower made longer solutions. Against 16, 15 saves 3.5 to 4.5 in a
// thousand moves at sides 61 to 100, for a few in a hundred less time, and about 1 in a thousand up
// to side 60; 14.5 is as good, 14 saves a little less and 13 nothing.
constexpr int DOMINO_SIXTEENTHS = 15;

// Where neither end's tile is estimated more than this many times as dear to bring home as the
// other's, Trials::NONE fills the dearer end, else the cheaper one. Trying both ends
// (Trials::ENDS) kept the dearer of two such ends 55 to 60 times in a hundred at sides 50 and 70,
// and taking it without a trial makes solutions 0.8 in a hundred shorter at sides 85 to 100 than
// taking the cheaper end always, in the same time; 1.5 and 1.75 save about as much, 2.5 less, and
// the dearer end always makes them 1.5 in a hundred longer.
constexpr int NEAR_ENDS_RATIO = 2;

// Where one end's tile is estimated more than this many times as dear to bring home as the
// other's, Trials::ENDS fills the cheaper end without trying the other: there the estimate chose
// better than the weighing of both ends' moves and drift. Against trying both, when they were
// tried up to side 80: 0.2 to 0.5 in a hundred moves fewer at sides 38 to 60 (none at side 29), in
// 0.8 to 0.9 times the time. 2.5, 3.5 and 5 save about as much; with both ends tried with and
// without a domino (Trials::ENDS_AND_DOMINOES) it saves nothing, and at side 10 costs 0.3 in a
// hundred.
constexpr int FAR_END_RATIO = 3;

// The cell `steps` cells from `cell` in the direction, or -1 off the board.
int Step(const Grid& grid, int cell, int dir, int steps) {
  const int row = grid.Row(cell) + DIR_ROW[dir] * steps;
  const int col = grid.Col(cell) + DIR_COL[dir] * steps;
  const int n = grid.Side();
  if (row < 0 || col < 0 || row >= n || col >= n) return -1;
  return grid.CellAt(row, col);
}

// Estimated moves to walk the blank from `blank` beside the tile at `cell` and carry the tile to
// `target`, walls ignored.
int SingleEstimate(const Grid& grid, int cell, int target, int blank) {
  const LineCosts openBoard;
  int best = 1 << 30;
  for (int side = 0; side < 4; ++side) {
    const int sideCell = grid.Neighbour(cell, side);
    if (sideCell < 0) continue;
    const int cost =
        std::abs(grid.Row(blank) - grid.Row(sideCell)) +
        std::abs(grid.Col(blank) - grid.Col(sideCell)) +
        openBoard(grid.Row(cell) - grid.Row(target), grid.Col(cell) - grid.Col(target), side);
    best = std::min(best, cost);
  }
  return best;
}

// True when neither of two estimates is more than `ratio` times the other.
bool Near(int a, int b, int ratio) {
  return std::max(a, b) <= ratio * std::min(a, b);
}

// The estimate of bringing home the tile of the line's cell `index` from where it is now.
int EndEstimate(const Grid& grid, const Line& line, int index) {
  const int target = line.targets[index];
  return SingleEstimate(grid, grid.CellOf(grid.TileFor(target)), target, grid.Blank());
}

// True when the cell is one of the window's.
bool InWindow(const std::vector<int>& window, int cell) {
  return std::find(window.begin(), window.end(), cell) != window.end();
}

}  // namespace

bool LineFiller::WalkBlankBeside(Grid& grid, int tile, const std::vector<int>& window) {
  const int cell = grid.CellOf(tile);
  int dist[4];
  router.DistancesAround(grid, grid.Blank(), cell, 1 << 30, dist);
  int best = -1;
  for (int dir = 0; dir < 4; ++dir) {
    if (dist[dir] >= 0 && InWindow(window, grid.Neighbour(cell, dir)) &&
        (best < 0 || dist[dir] < dist[best])) {
      best = dir;
    }
  }
  if (best < 0) return false;
  grid.Walk(router.PathAround(best));
  return true;
}

bool LineFiller::Fill(Grid& grid, const Line& line) {
  const int length = static_cast<int>(line.targets.size());
  // The unfilled cells stay one run, lo ... hi, filled from either end: the cheaper to fill or,
  // without trials, the one NEAR_ENDS_RATIO picks; the last two go together.
  int lo = 0, hi = length - 1;
  while (hi - lo + 1 > 2) {
    if (!PlaceCheapest(grid, line, lo, hi)) return false;
  }
  if (length < 2) return true;
  if (trials != Trials::ENDS_AND_DOMINOES) return FillTail(grid, line, lo);
  // The tail too: brought one by one, and as a domino.
  return Cheapest(grid, line, lo, lo + 1, 2, [&](int way) {
           return FillTail(grid, line, lo, way == 0 ? Placing::SINGLE : Placing::DOMINO);
         }) >= 0;
}

template <typename Place>
int LineFiller::Cheapest(Grid& grid, const Line& line, int lo, int hi, int ways, Place place) {
  // The ways are tried in turn, each undone unless it is the last and the cheapest: no estimate
  // tells as well which one leaves the other tiles nearer home.
  const size_t mark = grid.Mark();
  const long long distance = grid.Distance();
  long long best = 0;
  int chosen = -1;
  for (int way = 0; way < ways; ++way) {
    if (place(way)) {
      const long long cost = static_cast<long long>(grid.Moves().size() - mark) +
                             DRIFT_WEIGHT * (grid.Distance() - distance);
      if (chosen < 0 || cost < best) {
        best = cost;
        chosen = way;
        if (way == ways - 1) return way;
        trial.clear();
        for (size_t m = mark; m < grid.Moves().size(); ++m) {
          trial.push_back(static_cast<int8_t>(CodeOf(grid.Moves()[m])));
        }
        trialLocked.clear();
        for (int t = lo; t <= hi; ++t) {
          if (grid.IsLocked(line.targets[t])) trialLocked.push_back(line.targets[t]);
        }
      }
    }
    for (int t = lo; t <= hi; ++t) {
      if (grid.IsLocked(line.targets[t])) grid.Unlock(line.targets[t]);
    }
    grid.RollBack(mark);
  }
  if (chosen < 0) return -1;
  grid.Walk(trial);
  for (const int cell : trialLocked) grid.Lock(cell);
  return chosen;
}

bool LineFiller::PlaceCheapest(Grid& grid, const Line& line, int& lo, int& hi) {
  struct Way {
    bool fromBack;
    Placing how;
  };
  static constexpr Way ENDS[] = {{false, Placing::ESTIMATED}, {true, Placing::ESTIMATED}};
  static constexpr Way ENDS_AND_DOMINOES[] = {{false, Placing::SINGLE},
                                              {false, Placing::DOMINO},
                                              {true, Placing::SINGLE},
                                              {true, Placing::DOMINO}};
  const bool dominoes = trials == Trials::ENDS_AND_DOMINOES;
  const Way* ways = dominoes ? ENDS_AND_DOMINOES : ENDS;
  int count = dominoes ? 4 : 2;
  if (!dominoes) {
    // One end only: without trials the one NEAR_ENDS_RATIO picks, else one far cheaper.
    const int front = EndEstimate(grid, line, lo), back = EndEstimate(grid, line, hi);
    if (trials == Trials::NONE || !Near(front, back, FAR_END_RATIO)) {
      count = 1;
      const bool dearer = trials == Trials::NONE && Near(front, back, NEAR_ENDS_RATIO);
      if (dearer ? back > front : back < front) ++ways;
    }
  }
  int wayLo[4], wayHi[4];
  const int chosen = Cheapest(grid, line, lo, hi, count, [&](int way) {
    wayLo[way] = lo;
    wayHi[way] = hi;
    return PlaceAtEnd(grid, line, ways[way].fromBack, wayLo[way], wayHi[way], ways[way].how);
  });
  if (chosen < 0) return false;
  lo = wayLo[chosen];
  hi = wayHi[chosen];
  return true;
}

bool LineFiller::PlaceAtEnd(Grid& grid, const Line& line, bool fromBack, int& lo, int& hi,
                            Placing how) {
  // The end filled, and the step from it into the run.
  int& end = fromBack ? hi : lo;
  const int step = fromBack ? -1 : 1;
  if (how != Placing::SINGLE && hi - lo >= 3 &&
      TryDomino(grid, line, std::min(end, end + step), how == Placing::ESTIMATED)) {
    end += 2 * step;
    return true;
  }
  if (how == Placing::DOMINO) return false;
  // The line's placed cells lie on the side of the end away from the run.
  const int target = line.targets[end];
  const int placed = fromBack ? line.Along() : line.Along() ^ 1;
  if (!mover.MoveTile(grid, grid.TileFor(target), target, line.inward ^ 1, placed)) return false;
  grid.Lock(target);
  end += step;
  return true;
}

LineFiller::DominoPlan LineFiller::PlanDomino(const Grid& grid, int tileA, int tileB, int targetA,
                                              int goalOrient) const {
  const int cellA = grid.CellOf(tileA), cellB = grid.CellOf(tileB);
  // The cheapest way to join them: one tile walks to a side of the other, which stays.
  const DominoCosts dominoCosts(goalOrient);
  DominoPlan plan;
  for (const int walker : {tileA, tileB}) {
    const int from = grid.CellOf(walker);
    const int other = walker == tileA ? cellB : cellA;
    for (int dir = 0; dir < 4; ++dir) {
      const int cell = grid.Neighbour(other, dir);
      if (cell < 0 || grid.IsLocked(cell)) continue;
      const int join = SingleEstimate(grid, from, cell, grid.Blank());
      // The domino then: A's cell and B's direction follow from who moved where.
      const int newA = walker == tileA ? cell : cellA;
      const int orient = walker == tileA ? (dir ^ 1) : dir;
      int carry = 1 << 30;
      for (int slot = 0; slot < DOMINO_SLOTS; ++slot) {
        if (!IsDominoSlot(orient, slot)) continue;
        // Only slots the blank can stand in: the table knows nothing of the others.
        const int slotCell = SlotCell(grid, newA, orient, slot);
        if (slotCell < 0 || grid.IsLocked(slotCell)) continue;
        carry = std::min(carry, dominoCosts(grid.Row(newA) - grid.Row(targetA),
                                            grid.Col(newA) - grid.Col(targetA), orient, slot));
      }
      if (join + carry + 2 < plan.moves) plan = {join + carry + 2, walker, cell};
    }
  }
  return plan;
}

bool LineFiller::CarryDomino(Grid& grid, int tileA, int tileB, int targetA, int goalOrient,
                             const DominoPlan& plan) {
  const int stay = grid.CellOf(plan.walker == tileA ? tileB : tileA);
  grid.Lock(stay);
  const bool joined = mover.MoveTile(grid, plan.walker, plan.cell);
  grid.Unlock(stay);
  return joined && pairMover.MovePair(grid, tileA, tileB, targetA, goalOrient);
}

bool LineFiller::TryDomino(Grid& grid, const Line& line, int first, bool whenCheaper) {
  const int targetA = line.targets[first], targetB = line.targets[first + 1];
  const int tileA = grid.TileFor(targetA), tileB = grid.TileFor(targetB);
  const int singles =
      SingleEstimate(grid, grid.CellOf(tileA), targetA, grid.Blank()) +
      SingleEstimate(grid, grid.CellOf(tileB), targetB, grid.Neighbour(targetA, line.inward));
  const DominoPlan plan = PlanDomino(grid, tileA, tileB, targetA, line.Along());
  if (plan.walker < 0 || (whenCheaper && 16 * plan.moves >= DOMINO_SIXTEENTHS * singles) ||
      !CarryDomino(grid, tileA, tileB, targetA, line.Along(), plan)) {
    return false;
  }
  grid.Lock(targetA);
  grid.Lock(targetB);
  return true;
}

bool LineFiller::FillTail(Grid& grid, const Line& line, int first, Placing how) {
  const int targetA = line.targets[first], targetB = line.targets[first + 1];
  const int tileA = grid.TileFor(targetA), tileB = grid.TileFor(targetB);
  if (grid.CellOf(tileA) != targetA || grid.CellOf(tileB) != targetB) {
    // The window: three cells deep from the line, one cell beyond the pair on either side.
    const int along = line.Along();
    std::vector<int> window;
    for (int offset = -1; offset <= 2; ++offset) {
      const int base = Step(grid, targetA, along, offset);
      for (int depth = 0; base >= 0 && depth < 3; ++depth) {
        const int cell = Step(grid, base, line.inward, depth);
        if (cell >= 0 && !grid.IsLocked(cell)) window.push_back(cell);
      }
    }
    const auto inWindow = [&] {
      return InWindow(window, grid.CellOf(tileA)) && InWindow(window, grid.CellOf(tileB)) &&
             InWindow(window, grid.Blank());
    };
    // The pair may come as a domino to the cells just inside its targets, when that is estimated
    // cheaper than the single walks below; the blank then stands beside it, in the window.
    const int innerA = Step(grid, targetA, line.inward, 1);
    const int innerB = Step(grid, targetB, line.inward, 1);
    bool carried = false;
    if (how != Placing::SINGLE && !inWindow() && innerA >= 0 && innerB >= 0 &&
        !grid.IsLocked(innerA) && !grid.IsLocked(innerB)) {
      const int singles = SingleEstimate(grid, grid.CellOf(tileB), targetA, grid.Blank()) +
                          SingleEstimate(grid, grid.CellOf(tileA), innerA, targetA);
      const DominoPlan plan = PlanDomino(grid, tileA, tileB, innerA, along);
      if (plan.walker >= 0 && (how == Placing::DOMINO || plan.moves < singles)) {
        CarryDomino(grid, tileA, tileB, innerA, along, plan);
        carried = true;
      }
    }
    // A domino asked for but not carried would only repeat the single tiles' way.
    if (how == Placing::DOMINO && !carried) return false;
    if (!inWindow()) {
      // B to A's cell first, then A into the window (one cell in from its target), then the
      // blank beside A: from there the window search always finishes.
      if (!mover.MoveTile(grid, tileB, targetA, line.inward ^ 1, along ^ 1)) return false;
      grid.Lock(targetA);
      bool placed = InWindow(window, grid.CellOf(tileA)) ||
                    mover.MoveTile(grid, tileA, Step(grid, targetA, line.inward, 1));
      if (placed && !InWindow(window, grid.Blank())) placed = WalkBlankBeside(grid, tileA, window);
      grid.Unlock(targetA);
      if (!placed) return false;
    }
    if (!FinishPairInWindow(grid, targetA, targetB, window)) return false;
  }
  grid.Lock(targetA);
  grid.Lock(targetB);
  return true;
}

}  // namespace planner
