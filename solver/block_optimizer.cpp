// block_optimizer.cpp: passes of longest stretches within a 3 x 3 box, each replaced by a
// shortest sequence read from the 3 x 3 distance tables.
#include "solver/block_optimizer.h"

#include <algorithm>
#include <vector>

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

// One stretch of a pass's result: where it lies in the result, the blank's cell where it ends,
// and whether the pass copied it unchanged.
struct Stretch {
  size_t begin;
  size_t end;
  Cell last;
  bool copied;
};

// The shortest sequence with the effect of the stretch whose blank cells are `path`, tried in
// every 3 x 3 block of the board that holds them (a stretch in a smaller box may be shorter in
// one such block than in another); false when none is shorter than the stretch.
bool ShortestInABlock(const std::vector<Cell>& path, Cell low, Cell high, int n,
                      const BlockDistances& table, MoveSequence& shorter) {
  const int length = static_cast<int>(path.size()) - 1;
  int best = length, bestStart = 0;
  std::uint8_t bestLabels[BLOCK * BLOCK];
  for (int top = std::max(0, high.row - BLOCK + 1); top <= std::min(low.row, n - BLOCK); ++top) {
    for (int left = std::max(0, high.col - BLOCK + 1); left <= std::min(low.col, n - BLOCK);
         ++left) {
      std::uint8_t labels[BLOCK * BLOCK];
      for (int i = 0; i < BLOCK * BLOCK; ++i) labels[i] = static_cast<std::uint8_t>(i);
      const int start = (path[0].row - top) * BLOCK + path[0].col - left;
      int from = start;
      for (size_t i = 1; i < path.size(); ++i) {
        const int to = (path[i].row - top) * BLOCK + path[i].col - left;
        std::swap(labels[from], labels[to]);
        from = to;
      }
      const int distance = table.Distance(start, labels);
      if (distance < best) {
        best = distance;
        bestStart = start;
        std::copy(labels, labels + BLOCK * BLOCK, bestLabels);
      }
    }
  }
  if (best == length) return false;
  shorter = table.ShortestPath(bestStart, bestLabels);
  return true;
}

// One pass: from the start, the longest stretch whose blank cells fit a 3 x 3 box, then the
// longest from where it ends, and so on, each replaced by a shorter one with the same effect
// where there is one. `previous` lists the stretches of the pass that made `moves`: a stretch
// that pass copied, followed by one it copied too, would come out the same again, so it is
// copied without a look. True when some stretch was replaced.
bool Pass(const MoveSequence& moves, int n, Cell start, const BlockDistances& table,
          const std::vector<Stretch>& previous, std::vector<Stretch>& stretches,
          MoveSequence& result) {
  result.clear();
  result.reserve(moves.size());
  stretches.clear();
  stretches.reserve(previous.empty() ? moves.size() / 4 : previous.size());
  std::vector<Cell> path;
  bool shortened = false;
  Cell blank = start;
  size_t begin = 0, known = 0;
  while (begin < moves.size()) {
    while (known < previous.size() && previous[known].begin < begin) ++known;
    if (known < previous.size() && previous[known].begin == begin && previous[known].copied &&
        (known + 1 == previous.size() || previous[known + 1].copied)) {
      const Stretch& same = previous[known];
      stretches.push_back({result.size(), result.size() + same.end - begin, same.last, true});
      result.append(moves, begin, same.end - begin);
      blank = same.last;
      begin = same.end;
      continue;
    }
    path.assign(1, blank);
    Cell low = blank, high = blank;
    size_t stop = begin;
    for (Cell next = blank; stop < moves.size() && Step(moves[stop], n, next); ++stop) {
      const Cell newLow = {std::min(low.row, next.row), std::min(low.col, next.col)};
      const Cell newHigh = {std::max(high.row, next.row), std::max(high.col, next.col)};
      if (newHigh.row - newLow.row >= BLOCK || newHigh.col - newLow.col >= BLOCK) break;
      low = newLow;
      high = newHigh;
      path.push_back(next);
    }
    // A letter the board refuses is kept, and the blank stays.
    if (stop == begin) ++stop;
    MoveSequence shorter;
    const bool copied = path.size() <= 2 || !ShortestInABlock(path, low, high, n, table, shorter);
    stretches.push_back({result.size(), 0, path.back(), copied});
    if (copied) {
      result.append(moves, begin, stop - begin);
    } else {
      result += shorter;
      shortened = true;
    }
    stretches.back().end = result.size();
    blank = path.back();
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
  std::vector<Stretch> stretches, nextStretches;
  // Every pass that replaces something makes the sequence shorter, so this ends.
  while (Pass(current, side, start, table, stretches, nextStretches, next)) {
    std::swap(current, next);
    std::swap(stretches, nextStretches);
  }
  return current;
}
