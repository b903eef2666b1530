// blank_router.h: shortest walks of the blank to the cells around one cell, around obstacles.
#pragma once

#include <cstdint>
#include <vector>

#include "planner/grid.h"

namespace planner {

/// What a walk of the blank costs the searches: STEP_COST a move, and DISPLACEMENT_PENALTY more
/// for every tile it pushes away from its home instead of towards it. Among equally short walks
/// the one that pushes the most tiles homewards wins, and a walk one move longer wins when it
/// spares two tiles from being pushed away. Over a whole solve the tiles then drift towards
/// their homes, and the later placements are shorter.
constexpr int STEP_COST = 4;
constexpr int DISPLACEMENT_PENALTY = 2;

/// The extra cost of moving the tile at `from` to the neighbouring cell `to`: 0 when that brings
/// it closer to its home, DISPLACEMENT_PENALTY when it takes it away.
int DisplacementCost(const Grid& grid, int from, int to);

/// Finds shortest walks of the blank over cells that are not locked, keeping off one cell (the
/// tile it works around). Holds its working storage between searches.
class BlankRouter {
 public:
  /// The length of the cheapest walk (see STEP_COST) from start to target that never enters
  /// `avoid` (nor `avoid2`, when given), or -1 when there is none within `limit` moves. PathTo
  /// then gives that walk.
  int Distance(const Grid& grid, int start, int avoid, int target, int limit, int avoid2 = -1);
  /// From start, the distance to each side cell of focus (index = direction from focus), or -1
  /// for a side off the board, locked, or more than `slack` beyond the nearest side. The walk
  /// never enters focus.
  void DistancesAround(const Grid& grid, int start, int focus, int slack, int dist[4]);
  /// The directions of the walk that the last call of Distance found.
  void PathTo(std::vector<int8_t>& dirs) const;

 private:
  /// The cheapest walk that only steps towards the target, into path; its length, or -1 when
  /// blocked cells cut every such walk.
  int Straight(const Grid& grid, int from, int avoid, int target, int avoid2);

  struct Entry {
    int f;
    int g;
    int cell;
  };
  std::vector<int> g;
  std::vector<int> steps;
  std::vector<uint32_t> seen;
  std::vector<int8_t> cameFrom;
  std::vector<Entry> heap;
  uint32_t stamp = 0;
  std::vector<int8_t> path;
  std::vector<int> cost;
  std::vector<uint8_t> viaRow;
};

}  // namespace planner
