// tile_mover.h: carrying one tile to a cell by a shortest walk, placed cells as walls.
#pragma once

#include <cstdint>
#include <vector>

#include "planner/blank_router.h"
#include "planner/grid.h"

namespace planner {

/// Moves single tiles by the fewest moves: an A* search over the tile's cell and the side of it
/// where the blank stands, with the exact cost on a board without walls as estimate. Every other
/// tile may go anywhere; locked cells are never entered. Holds its working storage.
class TileMover {
 public:
  /// Moves the tile to the target cell; false, with the grid unchanged, when no walk exists.
  bool MoveTile(Grid& grid, int tile, int target);
  /// The moves MoveTile would make, or -1 when no walk exists; the grid is not changed.
  int Cost(const Grid& grid, int tile, int target);

 private:
  struct Entry {
    int f;
    int g;
    int state;
  };
  /// Runs the search; returns the goal state reached, or -1.
  int Search(const Grid& grid, int tile, int target);
  /// The length of the blank's shortest walk round the tile at cell from side `from` to side
  /// `to`, and the walk itself into dirs when given; -1 when there is none.
  int Turn(const Grid& grid, int cell, int from, int to, std::vector<int8_t>* dirs);

  BlankRouter router;
  std::vector<int> g;
  std::vector<int> parent;
  std::vector<uint32_t> seen;
  std::vector<Entry> heap;
  std::vector<int> chain;
  std::vector<int8_t> walk;
  uint32_t stamp = 0;
};

}  // namespace planner
