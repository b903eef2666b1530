// pair_mover.h: carrying two tiles home together as a domino, by a shortest walk.
#pragma once

#include <cstdint>
#include <vector>

#include "planner/blank_router.h"
#include "planner/grid.h"
#include "planner/stamped_records.h"

namespace planner {

/// Moves two adjacent tiles as a domino (one steps into the blank, the other follows into its
/// cell) by an A* search over A's cell, B's direction from A and the blank's slot beside them,
/// with the exact cost on a board walled only before the target's line as estimate, weighted
/// by 1/8 to keep the search narrow near the walls. Holds its working storage.
class PairMover {
 public:
  /// With tiles a and b side by side, carries them so that a stands on
  /// targetA and b next to it in direction goalOrient (RIGHT or DOWN); false, with the grid
  /// unchanged, when the tiles are not side by side or no walk exists.
  bool MovePair(Grid& grid, int tileA, int tileB, int targetA, int goalOrient);

 private:
  struct Entry {
    int f;
    int g;
    int state;
  };
  /// The blank's shortest walk round the domino from one slot to another: its length, and the
  /// walk into dirs when given; -1 when there is none.
  int Walk(const Grid& grid, int cellA, int orient, int from, int to, std::vector<int8_t>* dirs);
  /// The cell of the slot, or -1 off the board.
  int SlotCell(const Grid& grid, int cellA, int orient, int slot) const;

  BlankRouter router;
  // Per state: the stamp of the search that saw it, its moves so far, its estimate and the
  // state it was reached from.
  struct Node {
    uint32_t seen;
    int g;
    int h;
    int parent;
  };
  StampedRecords<Node> nodes;
  std::vector<Entry> heap;
  std::vector<int> chain;
  std::vector<int8_t> walk;
  std::vector<int8_t> approachPaths[8];
};

}  // namespace planner
