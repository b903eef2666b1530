// end_game_search.cpp: A* over 3 x 3 positions with the Manhattan distance as estimate.
#include "exact/end_game_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

// One search node: nine 4-bit cells, and the path as two bits a letter (U, D, L, R = 0 ... 3).
// The Manhattan estimate never overstates, so no node deeper than a shortest solution (31 moves)
// is ever expanded and its children fit in 64 bits.
struct Node {
  std::uint64_t cells;
  std::uint64_t path;
  std::uint8_t blank;
  std::uint8_t depth;
  std::uint8_t estimate;
};

constexpr char LETTERS[] = "UDLR";
// What each letter adds to the blank's cell.
constexpr int STEPS[] = {-3, 3, -1, 1};

// DISTANCE[tile][cell]: rows and columns from the tile's goal cell to the cell; 0 for the blank.
constexpr std::array<std::array<std::uint8_t, 9>, 9> DISTANCE = [] {
  std::array<std::array<std::uint8_t, 9>, 9> table{};
  for (int tile = 1; tile < 9; ++tile) {
    for (int cell = 0; cell < 9; ++cell) {
      const int rows = (tile - 1) / 3 - cell / 3, cols = (tile - 1) % 3 - cell % 3;
      table[tile][cell] =
          static_cast<std::uint8_t>((rows < 0 ? -rows : rows) + (cols < 0 ? -cols : cols));
    }
  }
  return table;
}();

// The open list is a heap of keys, the cost in the high half and the node's place in a pool in
// the low half, ordered by cost alone. It sees the same comparisons, and so takes the same
// course, as a heap of whole nodes with the comparator "cost(a) > cost(b)" of
// std::priority_queue: cheapest on top, ties settled by the heap's own sift rules. Keys are a
// third of a node's size, and the pool and the heap are kept from one search to the next.
using Key = std::uint64_t;

// A type rather than a function, so that the heap's algorithms inline the comparison.
struct Costlier {
  bool operator()(Key a, Key b) const { return (a >> 32) > (b >> 32); }
};

MoveSequence PathOf(const Node& node) {
  MoveSequence path;
  for (int i = 0; i < node.depth; ++i) path += LETTERS[(node.path >> (2 * i)) & 3];
  return path;
}

}  // namespace

MoveSequence Solve3x3(const Board& board) {
  if (board.tiles.size() < 9) return MoveSequence();
  Board corner;
  corner.TakeLoadedTiles(3, std::vector<int>(board.tiles.begin(), board.tiles.begin() + 9));
  if (!corner.IsSolvablePermutation()) return MoveSequence();

  Node start{0, 0, static_cast<std::uint8_t>(corner.blank), 0, 0};
  for (int i = 0; i < 9; ++i) {
    start.cells |= static_cast<std::uint64_t>(corner.tiles[i]) << (4 * i);
    start.estimate = static_cast<std::uint8_t>(start.estimate + DISTANCE[corner.tiles[i]][i]);
  }

  // Kept per thread, so that a search does not allocate and touch fresh memory each time.
  thread_local std::vector<Node> pool;
  thread_local std::vector<Key> open;
  pool.clear();
  open.clear();
  const auto push = [](const Node& node) {
    open.push_back(static_cast<Key>(node.depth + node.estimate) << 32 | pool.size());
    pool.push_back(node);
    std::push_heap(open.begin(), open.end(), Costlier());
  };
  push(start);
  while (!open.empty()) {
    std::pop_heap(open.begin(), open.end(), Costlier());
    const Node node = pool[static_cast<std::uint32_t>(open.back())];
    open.pop_back();
    if (node.estimate == 0) return PathOf(node);
    const int blank = node.blank;
    const int last =
        node.depth == 0 ? -1 : static_cast<int>((node.path >> (2 * (node.depth - 1))) & 3);
    for (int letter = 0; letter < 4; ++letter) {
      // U and D, L and R are 0 and 1, 2 and 3: a letter's opposite differs in the lowest bit.
      if (letter == (last ^ 1)) continue;
      // Off the board above or below, or a step across into another row.
      const int target = blank + STEPS[letter];
      if (target < 0 || target > 8 || (letter >= 2 && target / 3 != blank / 3)) continue;
      const int tile = static_cast<int>((node.cells >> (4 * target)) & 15);
      Node child;
      child.cells = (node.cells & ~(std::uint64_t{15} << (4 * target))) |
                    (static_cast<std::uint64_t>(tile) << (4 * blank));
      child.blank = static_cast<std::uint8_t>(target);
      child.path = node.path | (static_cast<std::uint64_t>(letter) << (2 * node.depth));
      child.depth = static_cast<std::uint8_t>(node.depth + 1);
      child.estimate =
          static_cast<std::uint8_t>(node.estimate + DISTANCE[tile][blank] - DISTANCE[tile][target]);
      push(child);
    }
  }
  return MoveSequence();
}
