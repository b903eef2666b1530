// grid.cpp: the planner's working board.
#include "planner/grid.h"

#include <algorithm>

namespace planner {

Grid::Grid(const Board& board)
    : n(static_cast<int>(board.n)),
      position(board),
      locked(board.tiles.size(), 0),
      homeward(board.tiles.size(), 0),
      urgent(board.tiles.size(), 0),
      pushCosts(board.tiles.size(), 0),
      rings(board.tiles.size(), 0),
      rowOf(board.tiles.size()),
      colOf(board.tiles.size()) {
  for (int cell = 0; cell < n * n; ++cell) {
    rowOf[cell] = static_cast<int16_t>(cell / n);
    colOf[cell] = static_cast<int16_t>(cell % n);
  }
  for (int cell = 0; cell < n * n; ++cell) UpdateHomeward(cell);
  // A solution of a 100 x 100 board stays under three million moves.
  position.ReserveMoves(static_cast<size_t>(3) * n * n * n + 64);
}

void Grid::Move(int dir) {
  const int from = Blank();
  position.Move(static_cast<Direction>(dir));
  UpdateHomeward(Blank());
  UpdateHomeward(from);
}

void Grid::SetUnsolved(int top, int left) {
  // The next four rows and columns, and on a large board a few more: measured best among 1 to
  // 16 lines and extra penalties 0 to 6 (1.695 n^3 at side 100 against 1.72 without).
  const int lines = 4 + (n - top) / 25;
  for (int tile = 1; tile < n * n; ++tile) {
    const int home = GoalOf(tile);
    urgent[tile] = (rowOf[home] < top + lines && colOf[home] >= left) ||
                   (colOf[home] < left + lines && rowOf[home] >= top);
  }
  for (int cell = 0; cell < n * n; ++cell) UpdateHomeward(cell);
}

void Grid::UpdateHomeward(int cell) {
  const int tile = TileAt(cell);
  if (tile == 0) {
    homeward[cell] = 0;
    pushCosts[cell] = 0;
    UpdateRings(cell);
    return;
  }
  const int home = GoalOf(tile);
  const int rows = rowOf[home] - rowOf[cell], cols = colOf[home] - colOf[cell];
  homeward[cell] = static_cast<uint8_t>((rows < 0) << UP | (rows > 0) << DOWN | (cols < 0) << LEFT |
                                        (cols > 0) << RIGHT);
  const uint32_t away = urgent[tile] ? DISPLACEMENT_PENALTY + URGENT_PENALTY : DISPLACEMENT_PENALTY;
  uint32_t costs = 0;
  for (int dir = 0; dir < 4; ++dir) {
    if (!((homeward[cell] >> dir) & 1)) costs |= away << (8 * dir);
  }
  pushCosts[cell] = costs;
  UpdateRings(cell);
}

void Grid::UpdateRings(int cell) {
  // The direction in which the blank's clockwise step into ring cell k pushes its tile (towards
  // cell k - 1), and its counter-clockwise step (towards k + 1).
  static constexpr int PUSH_CLOCKWISE[] = {LEFT, LEFT, UP, UP, RIGHT, RIGHT, DOWN, DOWN};
  static constexpr int PUSH_COUNTER[] = {RIGHT, DOWN, DOWN, LEFT, LEFT, UP, UP, RIGHT};
  const int row = rowOf[cell], col = colOf[cell];
  for (int k = 0; k < 8; ++k) {
    // The cell is ring cell k of the one this far the other way.
    const int centreRow = row - RING_ROW[k], centreCol = col - RING_COL[k];
    if (centreRow < 0 || centreCol < 0 || centreRow >= n || centreCol >= n) continue;
    uint32_t bits = 0;
    if (!locked[cell]) {
      const int clockwise = PushCost(cell, PUSH_CLOCKWISE[k]);
      const int counter = PushCost(cell, PUSH_COUNTER[k]);
      // A push costs more than the plain penalty only for an urgent tile.
      bits = 1u | (clockwise != 0 ? 1u << 8 : 0u) | (counter != 0 ? 1u << 16 : 0u) |
             (std::max(clockwise, counter) > DISPLACEMENT_PENALTY ? 1u << 24 : 0u);
    }
    uint32_t& ring = rings[CellAt(centreRow, centreCol)];
    ring = (ring & ~(0x01010101u << k)) | bits << k;
  }
}

void Grid::ApplyLetters(const MoveSequence& letters) {
  for (const char letter : letters) Move(CodeOf(letter));
}

}  // namespace planner
