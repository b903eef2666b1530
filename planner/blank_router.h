// blank_router.h: shortest walks of the blank to the cells around one cell, around obstacles.
#pragma once

#include <cstdint>
#include <vector>

#include "planner/bucket_queue.h"
#include "planner/grid.h"
#include "planner/stamped_records.h"

namespace planner {

/// Finds the blank's walks over unlocked cells, short and pushing few tiles away from home,
/// keeping off the tile it works around.
class BlankRouter {
 public:
  /// The moves of a walk from start to target avoiding `avoid` (and `avoid2`): of the straight
  /// ones (every move towards the target) the one whose pushes cost least, unless they cost
  /// much, and then the walk cheapest in moves and pushes together, perhaps longer. -1 when there
  /// is none within `limit` moves; Path then gives it.
  int Distance(const Grid& grid, int start, int avoid, int target, int limit, int avoid2 = -1);
  /// From start, avoiding focus, the distance to each side of focus (by direction); -1 for one off
  /// the board, locked, or more than `slack` beyond the nearest.
  void DistancesAround(const Grid& grid, int start, int focus, int slack, int dist[4],
                       int pushes[4] = nullptr);
  /// The walk that the last call of DistancesAround found to the side, which has a distance.
  const std::vector<int8_t>& PathAround(int dir) const { return sidePaths[dir]; }
  /// The push cost (see Grid::PushCost) of the walk that the last call of Distance found.
  int LastPushes() const { return lastPushes; }
  /// The directions of the walk that the last call of Distance found.
  const std::vector<int8_t>& Path() const { return path; }
  /// The walk round `centre` (and `avoid2`) from position `from` to `to` of the ring of `size`
  /// cells (at most ten) at offsets rows, cols from it, free where `free` says: the way
  /// CheaperFreeWay takes by the push costs of its cells; when both are cut, the cheapest walk
  /// round the walls.
  const std::vector<int8_t>& WalkRound(const Grid& grid, int centre, int avoid2, const int* rows,
                                       const int* cols, int size, uint32_t free, int from, int to);
  /// While held, the grid is taken as unchanged from call to call, so that walks from one start
  /// to cells near each other share the costs worked out for the first: a search's approaches
  /// to the cells round its tile or pair.
  void HoldGrid(bool held) {
    holding = held;
    straight.reusable = false;
  }

 private:
  /// The cheapest walk that only steps towards the target, into path; its length, or -1 when
  /// blocked cells cut every such walk.
  int Straight(const Grid& grid, int from, int avoid, int target, int avoid2);
  /// True when the target is blocked, or lies in a pocket of at most SHUT_IN_CELLS free cells
  /// that `from` does not border: then no walk exists, which the search would find out only
  /// after looking at every cell it can reach.
  bool ShutIn(const Grid& grid, int from, int avoid, int target, int avoid2);
  static constexpr size_t SHUT_IN_CELLS = 64;

  // Per cell: the stamp of the search that saw it, the cost and the moves of the cheapest walk
  // there so far, its estimate, kept for the looks at it when it is taken from the queue, and
  // the direction of its last move.
  struct Node {
    uint32_t seen;
    int g;
    int steps;
    uint16_t h;
    int8_t cameFrom;
  };
  StampedRecords<Node> nodes;
  // The search's open cells by cost plus estimate.
  BucketQueue open;
  std::vector<int8_t> path;
  // The straight walk, while a search looks for a cheaper one.
  std::vector<int8_t> straightPath;
  std::vector<int8_t> sidePaths[4];
  int lastPushes = 0;
  std::vector<int> cost;
  std::vector<uint8_t> viaRow;
  // What Straight's cost and viaRow describe: the rectangle from `from` that steps rows and
  // columns in the given directions, the cells kept off, and the first row cut all across
  // (height when none). Reusable when it was filled while the grid was held, until let go.
  struct StraightRectangle {
    bool reusable = false;
    int from, avoid, avoid2, rowDir, colDir, height, width;
    int cutRow = 0;
  } straight;
  /// Fills cost and viaRow for the rectangle `straight` names; returns its cutRow.
  int FillStraightCosts(const Grid& grid);
  bool holding = false;
  struct FloodMark {
    uint32_t seen;
  };
  StampedRecords<FloodMark> flooded;
  std::vector<int> flood;
};

}  // namespace planner
