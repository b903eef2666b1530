// pattern_database.h: lower bounds on the moves a 4 x 4 position needs, read from tables of the
// shortest moves of tile groups.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

/// The cell (0 ... 15, row-major) of every tile of a 4 x 4 position: cellOf[t] for tile t; entry
/// 0, the blank's, is not read.
using TileCells = std::array<std::uint8_t, 16>;

/// Additive pattern tables of the 4 x 4 board. The table holds, for every placement of the
/// tiles 1 2 5 6 9 10 14 (the left two columns but for tile 13), the fewest moves of those tiles
/// alone that bring them home, the blank moving through the other cells at no cost. The board's
/// symmetries carry that group onto six groups of seven tiles (those that leave out the blank's
/// goal cell), read through the same table. Four partitions of the tiles into two of these groups
/// and one lone tile each give a lower bound, since no move shifts tiles of two parts: the left
/// and right columns with tile 13, the top and bottom rows with tile 4, and two more with tile 1.
class PatternDatabase4x4 {
 public:
  /// The seven-tile groups read through the table.
  static constexpr int GROUPS = 6;
  /// The partitions of PARTITION_TABLE.
  static constexpr int PARTITIONS = 4;
  /// Bytes of the seven tiles' table: an entry for every ordered choice of seven cells, two
  /// entries to a byte.
  static constexpr std::size_t SEVEN_TILE_TABLE_BYTES = 16ull * 15 * 14 * 13 * 12 * 11 * 10 / 2;

  /// Two groups and the tile neither holds.
  struct Partition {
    int groups[2];
    int loneTile;
  };
  /// Each partition's groups (numbered as in the constructor) and lone tile.
  static constexpr Partition PARTITION_TABLE[PARTITIONS] = {
      {{0, 1}, 13}, {{2, 3}, 4}, {{4, 1}, 1}, {{5, 3}, 1}};

  /// Computes the seven tiles' table by breadth-first search: most of a minute and half a
  /// gigabyte, so the build does it once (Shared). Each entry is half of what the tiles' fewest
  /// moves exceed their Manhattan distances by (the two have the same parity, and the excess is
  /// at most 14), in four bits: the even rank's entry in the low half of a byte.
  static std::vector<std::uint8_t> BuildSevenTileTable();
  /// The database over the table the program was built with, shared by every caller; safe to
  /// call from many threads.
  static const PatternDatabase4x4& Shared();
  /// The database over a table as BuildSevenTileTable makes it, which must outlive the
  /// database; SEVEN_TILE_TABLE_BYTES bytes.
  explicit PatternDatabase4x4(const std::uint8_t* sevenTileTable);

  /// The byte of the table that holds the entry of a rank, for fetching it early.
  const std::uint8_t* EntryOf(std::uint32_t rank) const { return sevenTiles + rank / 2; }
  /// One bit per group that holds tile t (1 ... 15).
  unsigned GroupsOf(int tile) const { return groupsOf[tile]; }

  /// Where in the table group g's value lies for the tiles' current cells.
  std::uint32_t Rank(int g, const TileCells& cellOf) const;
  /// A step of a tile between two board cells as the table's frame sees it: 1 if it goes to a
  /// later cell, else -1 (a product, as which it is cannot be foreseen), whether it goes across
  /// a row (else along one), and the board cells of the three frame cells after the earlier of
  /// the two (16 past the board).
  struct Step {
    std::int32_t sign = 1;
    bool across = false;
    std::uint8_t passed[3] = {};
  };
  /// What the rank of one group reads when one of its tiles moves: the group's steps, its
  /// tiles' places, and the tile's weights. Gathered once per search, as the group and the tile
  /// are known before the moves.
  struct Membership {
    const std::array<Step, 16>* steps = nullptr;
    const std::int8_t* place = nullptr;
    const std::int32_t* passed = nullptr;
    std::int32_t weight = 0;
  };
  /// How group g sees tile t (1 ... 15), which it must hold.
  Membership MembershipOf(int g, int tile) const {
    const Group& group = groups[g];
    const int place = group.place[tile];
    return {group.steps.data(), group.place.data(), passedWeights[place], PLACE_WEIGHTS[place]};
  }
  /// A membership under which MovedRank leaves every rank as it is, reading no cell: a stand-in
  /// for a group that does not hold the tile.
  Membership Unmoved() const {
    return {alongSteps.data(), groups[0].place.data(), passedWeights[0], 0};
  }
  /// The rank of a group once its tile (as the membership sees it) has slid from cell `from` into
  /// the blank's neighbouring cell `to`, from the rank before: cellTiles[c] is the tile at cell c,
  /// and cellTiles[16] is 0.
  static std::uint32_t MovedRank(const Membership& tile, std::uint32_t rank,
                                 const std::uint8_t* cellTiles, int from, int to) {
    const Step& step = tile.steps[from][to];
    std::int32_t change = tile.weight;
    // Ranks count, for each tile, the free cells before its own once the earlier tiles' are
    // taken: a step along a row of the table's frame changes only the tile's own count by one;
    // a step across also passes the three cells between, whose tiles of the group shift the
    // counts.
    if (step.across) {
      change = 4 * change - tile.passed[tile.place[cellTiles[step.passed[0]]] + 1] -
               tile.passed[tile.place[cellTiles[step.passed[1]]] + 1] -
               tile.passed[tile.place[cellTiles[step.passed[2]]] + 1];
    }
    return rank + static_cast<std::uint32_t>(step.sign * change);
  }
  /// The moves a group's tiles need beyond their Manhattan distances, by the group's rank.
  int Excess(std::uint32_t rank) const { return (sevenTiles[rank / 2] >> (rank % 2 * 4) & 15) * 2; }
  /// The fewest moves of group g's tiles alone that bring them home.
  int Value(int g, const TileCells& cellOf) const;
  /// Partition p's bound: its groups' values and its lone tile's distance.
  int PartitionBound(int p, const TileCells& cellOf) const;
  /// The moves tile t needs alone from cell `cell`, blank or no.
  static int Distance(int tile, int cell) { return DISTANCES[tile][cell]; }
  /// The largest of the partitions' bounds: at most the moves the position needs, 0 only at
  /// the goal.
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
  /// Distance by tile and cell: the searches ask for it at every position.
  static constexpr std::array<std::array<std::uint8_t, 16>, 16> DISTANCES = [] {
    std::array<std::array<std::uint8_t, 16>, 16> table{};
    for (int tile = 1; tile < 16; ++tile) {
      for (int cell = 0; cell < 16; ++cell) {
        const int rows = cell / 4 - (tile - 1) / 4, cols = cell % 4 - (tile - 1) % 4;
        table[tile][cell] =
            static_cast<std::uint8_t>((rows < 0 ? -rows : rows) + (cols < 0 ? -cols : cols));
      }
    }
    return table;
  }();
  /// What a tile's step of one cell adds to the rank, by its place in the table's order.
  static constexpr std::int32_t PLACE_WEIGHTS[7] = {15 * 14 * 13 * 12 * 11 * 10,
                                                    14 * 13 * 12 * 11 * 10,
                                                    13 * 12 * 11 * 10,
                                                    12 * 11 * 10,
                                                    11 * 10,
                                                    10,
                                                    1};

  // One group as read from the table: the symmetry that carries its cells onto those of the
  // table's group, each tile's place in the table's order (-1 for the blank and tiles of no
  // place), and every step by its two board cells.
  struct Group {
    std::array<std::uint8_t, 16> cellMap{};
    std::array<std::int8_t, 16> place{};
    std::array<std::array<Step, 16>, 16> steps{};
  };

  const std::uint8_t* sevenTiles;
  std::array<Group, GROUPS> groups{};
  std::array<unsigned, 16> groupsOf{};
  // passedWeights[place][q]: what a tile of place q - 1 (none for q = 0) in a cell the moving
  // tile passes takes off the moving tile's four steps: one step of its own if it comes earlier
  // in the order, less one step of the passed tile's if later.
  std::int32_t passedWeights[7][8] = {};
  // Steps of weight 0 along a row of the frame, for Unmoved.
  std::array<std::array<Step, 16>, 16> alongSteps{};

 public:
  // The database stays where it was made, as the search keeps references into it.
  PatternDatabase4x4(const PatternDatabase4x4&) = delete;
  PatternDatabase4x4& operator=(const PatternDatabase4x4&) = delete;
};
