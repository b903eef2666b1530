// pattern_database.h: lower bounds on the moves a 4 x 4 position needs, read from tables of the
// shortest moves of tile groups.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

/// The cell (0 ... 15, row-major) of every tile of a 4 x 4 position: cellOf[t] for tile t; entry
/// 0, the blank's, is not read.
using TileCells = std::array<std::uint8_t, 16>;

/// Additive pattern tables of the 4 x 4 board. The tiles fall into three groups: 1 2 5 6 9 10 14
/// (the left two columns but for tile 13), 3 4 7 8 11 12 15 (the right two) and 13 alone. A
/// group's table holds, for every placement of its tiles, the fewest moves of those tiles alone
/// that bring them home, the blank moving through the other cells at no cost; as no move shifts
/// tiles of two groups, the three values add up to a lower bound. The same groups reflected
/// about the main diagonal (1 2 3 5 6 7 8, 9 ... 15 and 4) give a second bound. The right group
/// is the left one mirrored and the reflected groups are read through the reflection, so there
/// are just two tables: 16!/9! bytes for seven tiles, 16 for one.
class PatternDatabase4x4 {
 public:
  /// Number of group lookups: the three groups (0 ... 2), then the reflected three (3 ... 5).
  static constexpr int LOOKUPS = 6;
  /// Entries of the seven tiles' table: every ordered choice of seven cells.
  static constexpr std::size_t SEVEN_TILE_PLACEMENTS = 16ull * 15 * 14 * 13 * 12 * 11 * 10;

  /// Computes the seven tiles' table by breadth-first search: most of a minute and half a
  /// gigabyte, so the build does it once (Shared).
  static std::vector<std::uint8_t> BuildSevenTileTable();
  /// The database over the table the program was built with, shared by every caller; safe to
  /// call from many threads.
  static const PatternDatabase4x4& Shared();
  /// The database over a table as BuildSevenTileTable makes it, which must outlive the
  /// database; SEVEN_TILE_PLACEMENTS entries.
  explicit PatternDatabase4x4(const std::uint8_t* sevenTileTable);

  /// The table of the tiles 1 2 5 6 9 10 14, indexed by RankCells of their cells.
  const std::uint8_t* SevenTileTable() const { return sevenTiles; }

  /// The table value of a lookup for the tiles' current cells.
  int GroupValue(int lookup, const TileCells& cellOf) const { return *Entry(lookup, cellOf); }
  /// Where a lookup's table holds the value for the tiles' current cells.
  const std::uint8_t* Entry(int lookup, const TileCells& cellOf) const {
    const Lookup& group = lookups[lookup];
    std::uint8_t cells[7];
    for (int i = 0; i < group.size; ++i) cells[i] = group.cellMap[cellOf[group.tiles[i]]];
    return group.table + RankCells(cells, group.size);
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
    std::array<std::uint8_t, 7> tiles{};
    std::array<std::uint8_t, 16> cellMap{};
  };

  const std::uint8_t* sevenTiles;
  std::array<std::uint8_t, 16> oneTile{};
  std::array<Lookup, LOOKUPS> lookups{};
  std::array<std::uint8_t, 16> groupOf{};
  std::array<std::uint8_t, 16> reflectedGroupOf{};

 public:
  // The lookups point into the database itself: it stays where it was made.
  PatternDatabase4x4(const PatternDatabase4x4&) = delete;
  PatternDatabase4x4& operator=(const PatternDatabase4x4&) = delete;
};
