// marks.cpp: resetting the marks, and the journal that rolls a trial's marks back.
#include "snake/marks.h"

#include <algorithm>

namespace snake {

void Marks::Reset(unsigned n) {
  side = n;
  reciprocal = n == 0 ? 0 : (std::uint64_t{1} << 32) / n + 1;
  const unsigned held = std::min(n, MAX_SIDE);
  // Whole rows at a time: this runs on every reduction.
  for (unsigned i = 0; i < MAX_SIDE; ++i) {
    const unsigned free = i < held ? held : 0;
    std::fill(grid[i], grid[i] + free, FREE_CELL);
    std::fill(grid[i] + free, grid[i] + MAX_SIDE, BLOCKED_CELL);
  }
}

int& Marks::MarkAt(int index) {
  // Exact for every index below n^2 on the sides the marks hold.
  const unsigned row =
      static_cast<unsigned>((static_cast<std::uint64_t>(index) * reciprocal) >> 32);
  return grid[row][static_cast<unsigned>(index) - row * side];
}

void Marks::Set(int index, int mark) {
  if (OnBoard(index)) Change(index, MarkAt(index), mark);
}

void Marks::BeginTrial() {
  journalLength = 0;
  inTrial = true;
}

void Marks::RollBackTrial() {
  while (journalLength > 0) {
    const auto& undo = journal[--journalLength];
    MarkAt(undo.first) = undo.second;
  }
  inTrial = false;
}

}  // namespace snake
