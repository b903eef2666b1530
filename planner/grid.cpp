// grid.cpp: the planner's working board.
#include "planner/grid.h"

#include <algorithm>
#include <array>

namespace planner {

Grid::Grid(const Board& board)
    : n(static_cast<int>(board.n)),
      offsets{DIR_ROW[0] * n + DIR_COL[0], DIR_ROW[1] * n + DIR_COL[1], DIR_ROW[2] * n + DIR_COL[2],
              DIR_ROW[3] * n + DIR_COL[3]},
      position(board),
      locked(board.tiles.size(), 0),
      urgency(board.tiles.size(), Urgency::LATER),
      penalties(PenaltiesOfSide(static_cast<int>(board.n))),
      pushCosts(board.tiles.size(), 0),
      pushState(board.tiles.size(), 0),
      rings(board.tiles.size(), 0),
      stale(board.tiles.size(), 0),
      distance(board.ManhattanDistance()),
      rowOf(board.tiles.size()),
      colOf(board.tiles.size()) {
  for (int cell = 0; cell < n * n; ++cell) {
    rowOf[cell] = static_cast<int16_t>(cell / n);
    colOf[cell] = static_cast<int16_t>(cell % n);
  }
  // One byte per direction: bit d of a set of directions spread to bit 8 d, times the penalty.
  const auto spread = [](uint32_t dirs) {
    return (dirs & 1u) | (dirs & 2u) << 7 | (dirs & 4u) << 14 | (dirs & 8u) << 21;
  };
  for (const Urgency level : {Urgency::LATER, Urgency::SOON, Urgency::NOW}) {
    const uint32_t urgent = level != Urgency::LATER ? URGENT_BIT : 0u;
    auto& entries = pushEntries[static_cast<size_t>(level)];
    for (uint32_t away = 0; away < 16; ++away) {
      entries[away].costs = spread(away) * penalties.Of(true, level) +
                            spread(~away & 15u) * penalties.Of(false, level);
      entries[away].state = static_cast<uint8_t>(away | urgent);
    }
    entries[BLANK_KEY] = {0, static_cast<uint8_t>(urgent)};
  }
  for (int cell = 0; cell < n * n; ++cell) UpdateHomeward(cell);
  RefreshRings();
  // A solution of a 100 x 100 board stays under three million moves.
  position.ReserveMoves(static_cast<size_t>(3) * n * n * n + 64);
}

// Inline: every move comes here twice, and every cell a walk passes once.
inline void Grid::UpdateHomeward(int cell) {
  const int tile = TileAt(cell);
  // For a tile, bit d: a step in direction d takes it away from home, or leaves it as far.
  uint32_t key = BLANK_KEY;
  if (tile != 0) {
    const int home = GoalOf(tile);
    const int rows = rowOf[home] - rowOf[cell], cols = colOf[home] - colOf[cell];
    key = ~((rows < 0) << UP | (rows > 0) << DOWN | (cols < 0) << LEFT | (cols > 0) << RIGHT) & 15u;
  }
  const PushEntry& entry = pushEntries[static_cast<size_t>(urgency[tile])][key];
  pushCosts[cell] = entry.costs;
  pushState[cell] = entry.state;
  if (!stale[cell]) {
    stale[cell] = 1;
    staleCells.push_back(cell);
  }
}

void Grid::Move(int dir) {
  const int from = Blank();
  position.Move(static_cast<Direction>(dir));
  Stepped(from, Blank());
  UpdateHomeward(Blank());
  UpdateHomeward(from);
}

template <typename StepOf>
void Grid::Retrace(size_t steps, StepOf step) {
  // A cell the blank passes holds one tile after the move into it and another after the move
  // out: its push costs and rings are brought up to date once, when the walk is over.
  walked.assign(1, Blank());
  for (size_t i = 0; i < steps; ++i) {
    step(i);
    Stepped(walked.back(), Blank());
    walked.push_back(Blank());
  }
  for (const int cell : walked) UpdateHomeward(cell);
}

void Grid::Walk(const std::vector<int8_t>& dirs) {
  Retrace(dirs.size(), [&](size_t i) { position.Move(static_cast<Direction>(dirs[i])); });
}

void Grid::RollBack(size_t mark) {
  const size_t last = position.Mark();
  // A mark past the last move undoes nothing, as Position::RollBack takes it.
  if (mark >= last) return;
  Retrace(last - mark, [&](size_t i) { position.RollBack(last - 1 - i); });
}

void Grid::SetUnsolved(int top, int left, int extraLines) {
  // The next four rows and columns, and on a large board a few more: measured best among 1 to
  // 16 lines and extra penalties 0 to 6 (1.695 n^3 at side 100 against 1.72 without).
  const int lines = std::max(1, 4 + (n - top) / 25 + extraLines);
  for (int tile = 1; tile < n * n; ++tile) {
    const int home = GoalOf(tile);
    // Within the first k rows or columns of the unsolved part.
    const auto within = [&](int k) {
      return (rowOf[home] < top + k && colOf[home] >= left) ||
             (colOf[home] < left + k && rowOf[home] >= top);
    };
    const Urgency level = !within(lines)      ? Urgency::LATER
                          : within(NOW_LINES) ? Urgency::NOW
                                              : Urgency::SOON;
    if (level == urgency[tile]) continue;
    urgency[tile] = level;
    UpdateHomeward(CellOf(tile));
  }
}

void Grid::RefreshRings() {
  for (const int cell : staleCells) {
    UpdateRings(cell);
    stale[cell] = 0;
  }
  staleCells.clear();
}

namespace {

// What a cell says in the ring of a neighbour, where it is ring cell k, by the cell's state (bit
// d: a push in direction d takes its tile away from home; URGENT_STATE: its tile is urgent;
// FREE_STATE: not locked): bits k, 8 + k, 16 + k and 24 + k of Grid::Ring, as RING_BITS[state][k].
constexpr uint32_t URGENT_STATE = 16, FREE_STATE = 32;
constexpr std::array<std::array<uint32_t, 8>, 64> RING_BITS = [] {
  // The direction in which the blank's clockwise step into ring cell k pushes its tile (towards
  // cell k - 1), and its counter-clockwise step (towards k + 1).
  constexpr int PUSH_CLOCKWISE[] = {LEFT, LEFT, UP, UP, RIGHT, RIGHT, DOWN, DOWN};
  constexpr int PUSH_COUNTER[] = {RIGHT, DOWN, DOWN, LEFT, LEFT, UP, UP, RIGHT};
  std::array<std::array<uint32_t, 8>, 64> built{};
  for (uint32_t state = FREE_STATE; state < 64; ++state) {
    for (int k = 0; k < 8; ++k) {
      const uint32_t clockwise = (state >> PUSH_CLOCKWISE[k]) & 1;
      const uint32_t counter = (state >> PUSH_COUNTER[k]) & 1;
      const uint32_t urgentTile = (state & URGENT_STATE) ? 1 : 0;
      built[state][k] = (1u | clockwise << 8 | counter << 16 | urgentTile << 24) << k;
    }
  }
  return built;
}();

}  // namespace

void Grid::UpdateRings(int cell) {
  static_assert(URGENT_BIT == URGENT_STATE, "one urgent bit");
  const std::array<uint32_t, 8>& bits = RING_BITS[locked[cell] ? 0 : FREE_STATE | pushState[cell]];
  const int row = rowOf[cell], col = colOf[cell];
  // The cell is ring cell k of the one RING_ROW[k], RING_COL[k] the other way; away from the
  // edges all eight are on the board. The side is held in a local, as the stores into the rings
  // could otherwise be taken to change it.
  const int side = n;
  uint32_t* const here = rings.data() + cell;
  const auto set = [&bits](uint32_t& ring, int k) {
    ring = (ring & ~(0x01010101u << k)) | bits[k];
  };
  if (row > 0 && col > 0 && row < side - 1 && col < side - 1) {
    // Written out, so that each centre is a fixed offset: -(RING_ROW[k] * side + RING_COL[k]).
    set(here[side], 0);
    set(here[side - 1], 1);
    set(here[-1], 2);
    set(here[-side - 1], 3);
    set(here[-side], 4);
    set(here[1 - side], 5);
    set(here[1], 6);
    set(here[side + 1], 7);
    return;
  }
  for (int k = 0; k < 8; ++k) {
    const int centreRow = row - RING_ROW[k], centreCol = col - RING_COL[k];
    if (centreRow < 0 || centreCol < 0 || centreRow >= side || centreCol >= side) continue;
    set(here[-(RING_ROW[k] * side + RING_COL[k])], k);
  }
}

void Grid::ApplyLetters(const MoveSequence& letters) {
  for (const char letter : letters) Move(CodeOf(letter));
}

}  // namespace planner
