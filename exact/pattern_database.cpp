// pattern_database.cpp: the group tables, by breadth-first search from each group's goal.
#include "exact/pattern_database.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr int CELLS = 16;
constexpr std::uint32_t BOARD_MASK = 0xFFFF;

constexpr int SEVEN = 7;
constexpr std::uint8_t SEVEN_GOAL[SEVEN] = {0, 1, 4, 5, 8, 9, 13};

// The cells beside those of the mask.
std::uint32_t Beside(std::uint32_t mask) {
  constexpr std::uint32_t FIRST_COLUMN = 0x1111, LAST_COLUMN = 0x8888;
  return (((mask << 1) & ~FIRST_COLUMN) | ((mask >> 1) & ~LAST_COLUMN) | (mask << 4) |
          (mask >> 4)) &
         BOARD_MASK;
}

// The cells of `free` connected to `seed` through free cells.
std::uint32_t Flood(std::uint32_t seed, std::uint32_t free) {
  std::uint32_t region = seed, before = 0;
  while (region != before) {
    before = region;
    region |= Beside(region) & free;
  }
  return region;
}

// For every set of free cells and every free cell in it, the part of the set the blank can
// reach from that cell as a mask, with the part's index among the set's parts (counted in the
// order of their lowest cells) above bit 16: regions[free * 16 + cell].
std::vector<std::uint32_t> ConnectedRegions() {
  std::vector<std::uint32_t> regions(static_cast<size_t>(BOARD_MASK + 1) * CELLS, 0);
  for (std::uint32_t free = 0; free <= BOARD_MASK; ++free) {
    std::uint32_t index = 0;
    for (std::uint32_t left = free; left != 0; ++index) {
      const std::uint32_t region = Flood(1u << __builtin_ctz(left), free);
      for (std::uint32_t cells = region; cells != 0; cells &= cells - 1) {
        regions[free * CELLS + __builtin_ctz(cells)] = region | (index << 16);
      }
      left &= ~region;
    }
  }
  return regions;
}

}  // namespace

// Breadth-first search over the group's placements from its goal placement, counting only the
// group's own moves. A state is a placement with the region of free cells the blank is in, since
// the blank moves about a region at no cost; the search starts from the goal placement with the
// blank in each of its regions, so that the table serves every mirror image of the group, the
// real blank's goal cell in whichever region it falls. During the search a placement is indexed
// by its cells, four bits each (the first tile highest), so that a move changes one digit; its
// mark holds a seen bit per region (at most seven: seven tiles cut the free cells into at most
// seven regions) and, above bit 8, the depth at which its first state was reached, the least
// over the blank's regions. The marks take 2^28 entries, 512 MB; the table
// keeps the depths in the order of RankCells.
std::vector<std::uint8_t> PatternDatabase4x4::BuildSevenTileTable() {
  const std::vector<std::uint32_t> regions = ConnectedRegions();
  constexpr std::uint16_t NO_DEPTH = 0xFF00;
  std::vector<std::uint16_t> marks(size_t{1} << (4 * SEVEN), NO_DEPTH);
  std::uint32_t neighbours[CELLS];
  for (int cell = 0; cell < CELLS; ++cell) neighbours[cell] = Beside(1u << cell);

  std::uint32_t goalKey = 0, occupied = 0;
  for (int i = 0; i < SEVEN; ++i) {
    goalKey = (goalKey << 4) | SEVEN_GOAL[i];
    occupied |= 1u << SEVEN_GOAL[i];
  }
  // A state in a layer: the placement's key, and above bit 32 a cell of the blank's region.
  std::vector<std::uint64_t> layer, next;
  marks[goalKey] = 0;
  const std::uint32_t goalFree = ~occupied & BOARD_MASK;
  for (std::uint32_t left = goalFree; left != 0;) {
    const std::uint32_t region = regions[goalFree * CELLS + __builtin_ctz(left)];
    marks[goalKey] |= static_cast<std::uint16_t>(1u << (region >> 16));
    layer.push_back(goalKey | (static_cast<std::uint64_t>(__builtin_ctz(left)) << 32));
    left &= ~region;
  }
  for (std::uint32_t depth = 1; !layer.empty(); ++depth) {
    next.clear();
    for (const std::uint64_t state : layer) {
      const std::uint32_t key = static_cast<std::uint32_t>(state);
      occupied = 0;
      for (int shift = 0; shift < 4 * SEVEN; shift += 4) occupied |= 1u << ((key >> shift) & 15);
      const std::uint32_t free = ~occupied & BOARD_MASK;
      const std::uint32_t region = regions[free * CELLS + (state >> 32)] & BOARD_MASK;
      for (int shift = 0; shift < 4 * SEVEN; shift += 4) {
        const std::uint32_t from = (key >> shift) & 15;
        for (std::uint32_t moves = neighbours[from] & region; moves != 0; moves &= moves - 1) {
          const std::uint32_t to = __builtin_ctz(moves);
          const std::uint32_t nextRegion =
              regions[(free ^ (1u << from) ^ (1u << to)) * CELLS + from];
          const std::uint32_t nextKey = key ^ ((from ^ to) << shift);
          const std::uint16_t seen = static_cast<std::uint16_t>(1u << (nextRegion >> 16));
          std::uint16_t& mark = marks[nextKey];
          if (mark & seen) continue;
          mark |= seen;
          if ((mark & NO_DEPTH) == NO_DEPTH)
            mark = static_cast<std::uint16_t>((mark & 0xFF) | (depth << 8));
          next.push_back(nextKey | static_cast<std::uint64_t>(from) << 32);
        }
      }
    }
    std::swap(layer, next);
  }

  std::vector<std::uint8_t> table(SEVEN_TILE_TABLE_BYTES);
  std::uint8_t cells[SEVEN];
  // The search reaches every placement of distinct cells, and only those.
  for (std::uint32_t key = 0; key < marks.size(); ++key) {
    if ((marks[key] & NO_DEPTH) == NO_DEPTH) continue;
    int distance = 0;
    for (int i = 0; i < SEVEN; ++i) {
      cells[i] = (key >> (4 * (SEVEN - 1 - i))) & 15;
      distance += Distance(SEVEN_GOAL[i] + 1, cells[i]);
    }
    const int excess = (marks[key] >> 8) - distance;
    // Each move of a tile changes its distance by one, so no count of moves falls short of the
    // distances or differs from them in parity; more than 30 would not fit in four bits.
    if (excess < 0 || excess % 2 != 0 || excess > 30) std::abort();
    const std::uint32_t rank = RankCells(cells, SEVEN);
    table[rank / 2] |= static_cast<std::uint8_t>(excess / 2 << (rank % 2 * 4));
  }
  return table;
}

PatternDatabase4x4::PatternDatabase4x4(const std::uint8_t* sevenTileTable)
    : sevenTiles(sevenTileTable) {
  // Group g's tiles are those whose goal cells its symmetry carries onto the table group's goal
  // cells: the left two columns but tile 13, the right two, the top two rows but tile 4, the
  // bottom two, then the left columns and the top rows but tile 1.
  const struct {
    bool transpose, mirrorRows, mirrorColumns;
  } symmetries[GROUPS] = {{false, false, false}, {false, false, true}, {true, false, false},
                          {true, false, true},   {false, true, false}, {true, true, false}};
  for (int g = 0; g < GROUPS; ++g) {
    Group& group = groups[g];
    std::array<std::uint8_t, 16> boardCell{};
    for (int cell = 0; cell < CELLS; ++cell) {
      // The transpose first, if any, then the mirrors.
      int row = cell / 4, col = cell % 4;
      if (symmetries[g].transpose) std::swap(row, col);
      if (symmetries[g].mirrorRows) row = 3 - row;
      if (symmetries[g].mirrorColumns) col = 3 - col;
      group.cellMap[cell] = static_cast<std::uint8_t>(4 * row + col);
      boardCell[group.cellMap[cell]] = cell;
    }
    group.place.fill(-1);
    for (int place = 0; place < SEVEN; ++place) {
      const int tile = boardCell[SEVEN_GOAL[place]] + 1;
      group.place[tile] = static_cast<std::int8_t>(place);
      groupsOf[tile] |= 1u << g;
    }
    for (int from = 0; from < CELLS; ++from) {
      for (int to = 0; to < CELLS; ++to) {
        const int a = group.cellMap[from], b = group.cellMap[to];
        Step& step = group.steps[from][to];
        step.sign = b > a ? 1 : -1;
        step.across = a - b != 1 && b - a != 1;
        for (int k = 0; k < 3; ++k) {
          const int after = std::min(a, b) + 1 + k;
          step.passed[k] = static_cast<std::uint8_t>(after < CELLS ? boardCell[after] : 16);
        }
      }
    }
  }
  for (int place = 0; place < SEVEN; ++place) {
    for (int other = 0; other < SEVEN; ++other) {
      passedWeights[place][other + 1] = other < place   ? PLACE_WEIGHTS[place]
                                        : other > place ? -PLACE_WEIGHTS[other]
                                                        : 0;
    }
  }
}

std::uint32_t PatternDatabase4x4::Rank(int g, const TileCells& cellOf) const {
  std::uint8_t cells[SEVEN];
  for (int tile = 1; tile < CELLS; ++tile) {
    const int place = groups[g].place[tile];
    if (place >= 0) cells[place] = groups[g].cellMap[cellOf[tile]];
  }
  return RankCells(cells, SEVEN);
}

int PatternDatabase4x4::Value(int g, const TileCells& cellOf) const {
  int value = Excess(Rank(g, cellOf));
  for (int tile = 1; tile < CELLS; ++tile) {
    if (groups[g].place[tile] >= 0) value += Distance(tile, cellOf[tile]);
  }
  return value;
}

int PatternDatabase4x4::PartitionBound(int p, const TileCells& cellOf) const {
  const Partition& partition = PARTITION_TABLE[p];
  return Value(partition.groups[0], cellOf) + Value(partition.groups[1], cellOf) +
         Distance(partition.loneTile, cellOf[partition.loneTile]);
}

int PatternDatabase4x4::Estimate(const TileCells& cellOf) const {
  int estimate = 0;
  for (int p = 0; p < PARTITIONS; ++p) estimate = std::max(estimate, PartitionBound(p, cellOf));
  return estimate;
}
