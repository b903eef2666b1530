// marks.h: the snake method's marks over the engine's cells: where the blank may pass.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "board/board.h"

namespace snake {

/// Marks of a cell between two searches.
constexpr int FREE_CELL = -2;
constexpr int BLOCKED_CELL = -1;
/// The blocked cells kept round the board on every side: no listed walk of the blank reaches
/// further, nor a search's step, so neither looks at the board's edges.
constexpr int MARGIN = 12;
/// The row stride of the marks, whatever the side, so that a search steps without a division.
constexpr int STRIDE = static_cast<int>(MAX_SIDE) + 2 * MARGIN;

/// FREE_CELL where the blank may pass, BLOCKED_CELL elsewhere, per cell; a trial's changes are
/// journalled so that rolling it back restores them.
class Marks {
 public:
  Marks() { std::fill(&grid[0][0], &grid[0][0] + STRIDE * STRIDE, BLOCKED_CELL); }
  Marks(const Marks&) = delete;
  Marks& operator=(const Marks&) = delete;

  /// FREE_CELL inside a board of side n, 1 ... MAX_SIDE, BLOCKED_CELL everywhere else.
  void Reset(unsigned n);
  /// True for the index of a board cell.
  bool OnBoard(int index) const { return index >= 0 && static_cast<unsigned>(index) < side * side; }
  /// Sets the mark of a board cell, journalled during a trial; nothing for an index off the board.
  void Set(int index, int mark);
  /// Set for the board cell index, which stands at row and col.
  void SetAt(int index, int row, int col, int mark) { Change(index, At(row, col), mark); }
  /// The mark at (row, col), which may lie up to MARGIN cells off the board, the marks being one
  /// array with a row every STRIDE; a change is not journalled.
  int& At(int row, int col) { return grid[row + MARGIN][col + MARGIN]; }

  // A trial
  /// Starts a journal of the marks.
  void BeginTrial();
  /// Returns every mark to where the trial began.
  void RollBackTrial();
  /// Keeps what the trial did.
  void KeepTrial() { inTrial = false; }

 private:
  /// The mark of a board cell; the index must be on the board.
  int& MarkAt(int index);
  /// Sets the cell, the board cell index's mark, journalled during a trial.
  void Change(int index, int& cell, int mark) {
    // A mark that stays as it is needs no journal entry: undoing it would change nothing.
    if (cell == mark) return;
    if (inTrial) journal.emplace_back(index, cell);
    cell = mark;
  }

  int grid[STRIDE][STRIDE];
  unsigned side = 0;
  /// index / side is (index * reciprocal) >> 32 for every cell, without a division.
  std::uint64_t reciprocal = 0;
  bool inTrial = false;
  /// The cells' marks before the trial changed them.
  std::vector<std::pair<int, int>> journal;
};

}  // namespace snake
