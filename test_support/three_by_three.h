// three_by_three.h: the distance of every solvable 3 x 3 position, by breadth-first search.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

/// Nine cells, row-major, 0 for the blank.
using Cells3x3 = std::vector<int>;

/// Every position reachable from the goal, with its distance from it.
struct ThreeByThreeTable {
  std::unordered_map<std::uint64_t, int> distances;
  /// The positions at each distance, in the order the search reached them.
  std::vector<std::vector<Cells3x3>> byDistance;

  /// The distance of a solvable position.
  int Distance(const Cells3x3& cells) const;
  /// The key of a position: four bits a cell.
  static std::uint64_t Key(const Cells3x3& cells);
};

/// The table, searched once on first use.
const ThreeByThreeTable& ThreeByThree();
