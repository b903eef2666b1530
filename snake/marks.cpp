// marks.cpp: resetting the marks, and the journal that rolls a trial's marks back.
#include "snake/marks.h"

namespace snake {

void Marks::Reset(unsigned n) {
  side = n;
  reciprocal = (std::uint64_t{1} << 32) / n + 1;
  // Whole rows at a time: this runs on every reduction. The margin stays blocked.
  for (unsigned i = 0; i < MAX_SIDE; ++i) {
    const unsigned free = i < n ? n : 0;
    int* const row = grid[i + MARGIN] + MARGIN;
    std::fill(row, row + free, FREE_CELL);
    std::fill(row + free, row + MAX_SIDE, BLOCKED_CELL);
  }
}

int& Marks::MarkAt(int index) {
  // Exact for every index below n^2 on the sides the marks hold.
  const unsigned row =
      static_cast<unsigned>((static_cast<std::uint64_t>(index) * reciprocal) >> 32);
  return grid[row + MARGIN][static_cast<unsigned>(index) - row * side + MARGIN];
}

void Marks::Set(int index, int mark) {
  if (OnBoard(index)) Change(index, MarkAt(index), mark);
}

void Marks::BeginTrial() {
  journal.clear();
  inTrial = true;
}

void Marks::RollBackTrial() {
  while (!journal.empty()) {
    MarkAt(journal.back().first) = journal.back().second;
    journal.pop_back();
  }
  inTrial = false;
}

}  // namespace snake
