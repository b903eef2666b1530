// pattern_database.h: lower bounds on the moves a 4 x 4 position needs, read from tables of the
// shortest moves of tile groups.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

/// The cell (0 ... 15, row-major) of every tile of a 4 x 4 position: cellOf[t] for tile t; entry
/// 0, the blank's, is not read.
using TileCells = std::array<std::uint8_t, 16>;

/// Additive pattern tables of the 4 x 4 board. The tiles fall into three groups: 1 2 5 6 9 10
/// (the left 3 x 2 block), 3 4 7 8 11 12 (the right one) and 13 14 15 (the bottom row). A group's
/// table holds, for every placement of its tiles, the fewest moves of those tiles alone that
/// bring them home, the blank moving through the other cells at no cost; as no move shifts tiles
/// of two groups, the three values add up to a lower bound. The same groups reflected about the
/// main diagonal (1 5 2 6 3 7, 9 13 10 14 11 15, 4 8 12) give a second bound. Both left-right and
/// diagonal mirror images of a group are read from one table, so there are just two: 16!/10! bytes
/// for six tiles, 16!/13! for three.
class PatternDatabase4x4 {
 public:
  /// Number of group lookups: the three groups (0 ... 2), then the reflected three (3 ... 5).
  static constexpr int LOOKUPS = 6;

  /// Builds both tables by breadth-first search over the placements of each group: about 2 s
  /// and 60 MB, which is why the build does it once and the program reads the result (Shared).
  static PatternDatabase4x4 Build();
  /// The tables Build made when the program was built, decoded at the first call and shared by
  /// every caller; safe to call from many threads.
  static const PatternDatabase4x4& Shared();
  /// The database of two tables as Build makes them, the six tiles' first; throws
  /// std::invalid_argument when their sizes are not those of Build's.
  PatternDatabase4x4(std::vector<std::uint8_t> sixTileTable,
                     std::vector<std::uint8_t> threeTileTable);

  /// The table of the six tiles 1 2 5 6 9 10, indexed by RankCells of their cells in that order.
  const std::vector<std::uint8_t>& SixTileTable() const { return sixTiles; }
  /// The table of the three tiles 13 14 15, indexed the same way.
  const std::vector<std::uint8_t>& ThreeTileTable() const { return threeTiles; }

  /// The table value of a lookup for the tiles' current cells.
  int GroupValue(int lookup, const TileCells& cellOf) const {
    const Lookup& group = lookups[lookup];
    std::uint8_t cells[6];
    for (int i = 0; i < group.size; ++i) cells[i] = group.cellMap[cellOf[group.tiles[i]]];
    return group.table[RankCells(cells, group.size)];
  }
  /// The lookup among 0 ... 2 that holds tile t (1 ... 15).
  int GroupOf(int tile) const { return groupOf[tile]; }
  /// The lookup among 3 ... 5 that holds tile t (1 ... 15).
  int ReflectedGroupOf(int tile) const { return reflectedGroupOf[tile]; }
  /// The larger of the two sums: at most the moves the position needs, 0 only at the goal.
  int Estimate(const TileCells& cellOf) const;

  /// Index of distinct cells (each 0 ... 15) among all ordered choices of `count` cells.
  static std::uint32_t RankCells(const std::uint8_t* cells, int count) {
    std::uint32_t rank = 0;
    for (int i = 0; i < count; ++i) {
      unsigned smaller = 0;
      for (int j = 0; j < i; ++j) smaller += cells[j] < cells[i];
      rank = rank * (16 - i) + (cells[i] - smaller);
    }
    return rank;
  }

 private:
  // One group as read from a table: its tiles in the table's order, and the symmetry of the
  // board that carries their cells onto those of the table's group.
  struct Lookup {
    const std::uint8_t* table = nullptr;
    int size = 0;
    std::array<std::uint8_t, 6> tiles{};
    std::array<std::uint8_t, 16> cellMap{};
  };

  void SetLookups();

  std::vector<std::uint8_t> sixTiles;
  std::vector<std::uint8_t> threeTiles;
  std::array<Lookup, LOOKUPS> lookups{};
  std::array<std::uint8_t, 16> groupOf{};
  std::array<std::uint8_t, 16> reflectedGroupOf{};

 public:
  // The lookups point into the tables: a moved vector keeps its buffer, a copy would not.
  PatternDatabase4x4(PatternDatabase4x4&&) = default;
  PatternDatabase4x4(const PatternDatabase4x4&) = delete;
  PatternDatabase4x4& operator=(const PatternDatabase4x4&) = delete;
};
