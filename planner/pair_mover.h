// pair_mover.h: carrying two tiles home together as a domino, by a shortest walk.
#pragma once

#include <cstdint>
#include <vector>

#include "planner/blank_router.h"
#include "planner/bucket_queue.h"
#include "planner/grid.h"
#include "planner/stamped_records.h"

namespace planner {

/// Moves two adjacent tiles as a domino by A* over A's cell, B's side and the blank's slot: a
/// walk costs what the blank's walks cost (moves and pushes), and the estimate is the fewest
/// moves on a board walled only before the target's line, weighted.
class PairMover {
 public:
  /// Carries tiles a and b, side by side, so that a stands on targetA and b in direction
  /// goalOrient (RIGHT or DOWN) from it; false, grid unchanged, when it cannot.
  bool MovePair(Grid& grid, int tileA, int tileB, int targetA, int goalOrient);

 private:
  BlankRouter router;
  // Per state: the stamp of the search that saw it, its cost so far, its estimate and the state
  // it was reached from (in the same cell and orientation: by a walk round the domino).
  struct Node {
    uint32_t seen;
    int g;
    int h;
    int parent;
  };
  StampedRecords<Node> nodes;
  BucketQueue open;
  // Per orientation, the cell offsets of the ring round the domino on this grid.
  int ringOffsets[4][10];
  std::vector<int> chain;
  std::vector<int8_t> approachPaths[8];
};

}  // namespace planner
