// block_optimizer.cpp: passes of longest stretches within a 3 x 3 box, each replaced by a
// shortest sequence read from the 3 x 3 distance tables.
#include "solver/block_optimizer.h"

#include <algorithm>

#include "solver/block_distances.h"

namespace {

constexpr int BLOCK = 3;

struct Cell {
  int row;
  int col;
};

// The cell the letter takes the blank to; false for a letter that is no move or leaves the board.
bool Step(char letter, int n, Cell& cell) {
  Cell next = cell;
  switch (letter) {
    case 'U':
      --next.row;
      break;
    case 'D':
      ++next.row;
      break;
    case 'L':
      --next.col;
      break;
    case 'R':
      ++next.col;
      break;
    default:
      return false;
  }
  if (next.row < 0 || next.row >= n || next.col < 0 || next.col >= n) return false;
  cell = next;
  return true;
}

// One pass: from the start, the longest stretch whose blank cells fit a 3 x 3 box, then the
// longest from where it ends, and so on. Each stretch is tried in every 3 x 3 block of the board
// that holds its cells (a stretch in a smaller box may be shorter in one of them than in
// another) and replaced by the shortest sequence found when that is shorter. True when some
// stretch was replaced.
bool Pass(const MoveSequence& moves, int n, Cell start, const BlockDistances& table,
          MoveSequence& result) {
  result.clear();
  result.reserve(moves.size());
  bool shortened = false;
  Cell blank = start;
  size_t begin = 0;
  while (begin < moves.size()) {
    Cell end = blank, low = blank, high = blank;
    size_t stop = begin;
    for (Cell next = end; stop < moves.size() && Step(moves[stop], n, next); ++stop) {
      const Cell newLow = {std::min(low.row, next.row), std::min(low.col, next.col)};
      const Cell newHigh = {std::max(high.row, next.row), std::max(high.col, next.col)};
      if (newHigh.row - newLow.row >= BLOCK || newHigh.col - newLow.col >= BLOCK) break;
      low = newLow;
      high = newHigh;
      end = next;
    }
    if (stop == begin) {
      // A letter the board refuses: kept, and the blank stays.
      result += moves[begin++];
      continue;
    }
    const int length = static_cast<int>(stop - begin);
    int best = length;
    Cell bestCorner{0, 0};
    std::uint8_t bestLabels[BLOCK * BLOCK];
    for (int top = std::max(0, high.row - BLOCK + 1);
         length > 1 && top <= std::min(low.row, n - BLOCK); ++top) {
      for (int left = std::max(0, high.col - BLOCK + 1); left <= std::min(low.col, n - BLOCK);
           ++left) {
        std::uint8_t labels[BLOCK * BLOCK];
        for (int i = 0; i < BLOCK * BLOCK; ++i) labels[i] = static_cast<std::uint8_t>(i);
        Cell at = blank;
        for (size_t i = begin; i < stop; ++i) {
          const int from = (at.row - top) * BLOCK + at.col - left;
          Step(moves[i], n, at);
          std::swap(labels[from], labels[(at.row - top) * BLOCK + at.col - left]);
        }
        const int distance = table.Distance((blank.row - top) * BLOCK + blank.col - left, labels);
        if (distance < best) {
          best = distance;
          bestCorner = {top, left};
          std::copy(labels, labels + BLOCK * BLOCK, bestLabels);
        }
      }
    }
    if (best < length) {
      const int startCell = (blank.row - bestCorner.row) * BLOCK + blank.col - bestCorner.col;
      result += table.ShortestPath(startCell, bestLabels);
      shortened = true;
    } else {
      result.append(moves, begin, stop - begin);
    }
    blank = end;
    begin = stop;
  }
  return shortened;
}

}  // namespace

MoveSequence OptimizeBlocks(const MoveSequence& moves, unsigned n, unsigned blankStart) {
  if (n < BLOCK || n > MAX_SIDE || blankStart >= n * n) return moves;
  const BlockDistances& table = BlockDistances::ThreeByThree();
  const int side = static_cast<int>(n);
  const Cell start = {static_cast<int>(blankStart / n), static_cast<int>(blankStart % n)};
  MoveSequence current = moves, next;
  // Every pass that replaces something makes the sequence shorter, so this ends.
  while (Pass(current, side, start, table, next)) std::swap(current, next);
  return current;
}
