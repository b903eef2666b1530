// tile_mover.h: carrying one tile to a cell by a shortest walk, placed cells as walls.
#pragma once

#include <cstdint>
#include <vector>

#include "planner/blank_router.h"
#include "planner/bucket_queue.h"
#include "planner/grid.h"
#include "planner/open_board_costs.h"
#include "planner/stamped_records.h"

namespace planner {

/// Moves single tiles by A* over the tile's cell and the blank's side of it, then picks among
/// the walks a little longer than the shortest, within a beam, the one that costs least: a move
/// STEP_COST and each push what Grid::PushCost says.
class TileMover {
 public:
  /// Moves the tile to the target by the cheapest walk found; false, grid unchanged, when there
  /// is none. wallDir (UP or LEFT) says everything before the target's line is wall, placedDir that
  /// so are the line's cells on that side of the target; both sharpen the estimate.
  bool MoveTile(Grid& grid, int tile, int target, int wallDir = -1, int placedDir = -1);

 private:
  /// The estimate of the moves left from the tile at cell, the blank on the side.
  int Estimate(const Grid& grid, int cell, int side) const {
    return costs(grid.Row(cell) - goalRow, grid.Col(cell) - goalCol, side);
  }
  /// The length of a shortest walk of the tile from cell start, by A* over buckets, or -1.
  int Search(const Grid& grid, int start, int target);
  /// Drops stale entries of the bucket and keeps the `beam` with the fewest pushes.
  void KeepBest(std::vector<int>& bucket, int cost);
  /// Among the walks within `moves` moves, the one that costs least, or with movesFirst the
  /// shortest and among those the cheapest (as far as the beam sees); returns its goal state,
  /// each state's way there in its Node::via, or -1.
  int CheapestWalk(const Grid& grid, int start, int target, int moves, bool movesFirst);
  /// The length of the blank's walk (BlankRouter::Distance) round the walls near the tile at
  /// cell, from side `from` to side `to`, for a ring cut both ways; -1 when there is none.
  int WallTurn(const Grid& grid, int cell, int from, int to);

  // Per cell, side and side, the length of WallTurn's walk, as the grid stood when this move's
  // searches began (one stamp per move).
  struct TurnRecord {
    uint32_t seen;
    int length;
  };
  StampedRecords<TurnRecord> turns;
  BlankRouter router;
  // Per state (tile cell * 4 + side, never negative, so read back by shift and mask): the stamp of
  // the pass that saw it, its moves and pushes so far, its estimate and, for CheapestWalk, how it
  // was reached: from the blank's side `via` of the same cell, else VIA_PUSH or VIA_START;
  // together, as every look wants most of them, and the four of a cell in one cache line.
  struct Node {
    uint32_t seen;
    int g;
    int pushes;
    uint16_t h;
    uint8_t via;
  };
  static_assert(sizeof(Node) == 16, "the states of a cell fill a cache line");
  static constexpr uint8_t VIA_PUSH = 4;
  static constexpr uint8_t VIA_START = 5;
  StampedRecords<Node> nodes;
  /// The state's record, seen from now on with its estimate, though perhaps not yet reached.
  Node& Known(const Grid& grid, int state);
  /// The state CheapestWalk reached the state from, which was not where it started.
  int Parent(const Grid& grid, int state) {
    const uint8_t via = nodes[state].via;
    const int cell = state >> 2, side = state & 3;
    return via == VIA_PUSH ? (cell + grid.Offset(side)) * 4 + (side ^ 1) : cell * 4 + via;
  }
  std::vector<std::vector<int>> buckets;
  size_t beam = 0;
  // Search's open states by moves plus estimate.
  BucketQueue open;
  std::vector<int> chain;
  int goalRow = 0;
  int goalCol = 0;
  LineCosts costs;
  int approach[4];
  int approachPushes[4];
};

}  // namespace planner
