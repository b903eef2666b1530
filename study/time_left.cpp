// time_left.cpp: the methods' work grows as n^3 on large boards, while on small ones a fixed
// share (the last shortest search, tables) weighs as much; a + b n^3 covers both.
#include "study/time_left.h"

#include <algorithm>

namespace {

double Cube(double n) {
  return n * n * n;
}

}  // namespace

TimeLeft::TimeLeft(const std::vector<unsigned>& boardSides) {
  for (const unsigned side : boardSides) ++sides[side].boards;
}

void TimeLeft::Done(unsigned side, double seconds) {
  Side& done = sides[side];
  ++done.done;
  done.seconds += std::max(0.0, seconds);
}

double TimeLeft::Seconds(double elapsed) const {
  unsigned boards = 0, done = 0;
  double spent = 0;
  const std::pair<const unsigned, Side>*smallest = nullptr, *largest = nullptr;
  for (const auto& entry : sides) {
    boards += entry.second.boards;
    done += entry.second.done;
    spent += entry.second.seconds;
    if (entry.second.done == 0) continue;
    if (smallest == nullptr) smallest = &entry;
    largest = &entry;
  }
  if (done == 0 || done >= boards) return 0;
  // Times too short to be measured leave only the count of boards to go by.
  if (spent <= 0) return elapsed * (boards - done) / done;
  const auto mean = [](const Side& side) { return side.seconds / side.done; };
  const double n = largest->first, cost = mean(largest->second);
  double b = cost / Cube(n), a = 0;
  if (smallest != largest) {
    const double s = smallest->first;
    const double slope = (cost - mean(smallest->second)) / (Cube(n) - Cube(s));
    // Steeper than n^3 stays n^3 through the largest side; a cost that falls with the side is
    // taken as flat.
    if (slope < 0) {
      a = cost;
      b = 0;
    } else if (cost - slope * Cube(n) >= 0) {
      b = slope;
      a = cost - slope * Cube(n);
    }
  }
  double left = 0;
  for (const auto& [side, counts] : sides) {
    const double each = counts.done > 0 ? mean(counts) : a + b * Cube(side);
    left += each * (counts.boards - std::min(counts.done, counts.boards));
  }
  return elapsed * left / spent;
}
