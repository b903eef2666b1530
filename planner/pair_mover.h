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
  /// Once the searches have expanded `states` states in all, from now on, the later ones count
  /// each move of the estimate far higher and so go nearly straight at the target.
  void LimitWork(long long states) { workLeft = states; }

 private:
  BlankRouter router;
  // Per state: the stamp of the search that saw it, its cost so far, its estimate and how it
  // was reached: VIA_STEP by a step of the domino, VIA_START from the blank's first walk, else
  // by a walk round the domino from that slot. Eight bytes, so that the eight slots of a cell
  // and orientation share a cache line: the search's time went mostly to fetching these.
  struct Node {
    uint16_t seen;
    uint16_t g;
    uint16_t h;
    uint8_t via;
    uint8_t unused;
  };
  static_assert(sizeof(Node) == 8, "the slots of a cell and orientation fill a cache line");
  StampedRecords<Node> nodes;
  BucketQueue open;
  // Per orientation, the cell offsets of the ring round the domino on this grid.
  int ringOffsets[4][10];
  std::vector<int> chain;
  std::vector<int8_t> approachPaths[8];
  // States the searches may still expand before they turn greedy; negative for no limit.
  long long workLeft = -1;
};

}  // namespace planner
