// progress_line.cpp: the line and its pace, and the estimate of the time left. The methods' work
// grows as n^3 on large boards, while on small ones a fixed share (the last shortest search,
// tables) weighs as much; a + b n^3 covers both.
#include "study/progress_line.h"

#include <algorithm>
#include <string>

#include "board/text_format.h"

namespace {

constexpr auto INTERVAL = std::chrono::milliseconds(200);

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

ProgressLine::ProgressLine(std::ostream& out, bool enabled, const std::vector<unsigned>& sides)
    : out(out),
      enabled(enabled),
      timeLeft(sides),
      total(sides.size()),
      start(std::chrono::steady_clock::now()),
      shown(start) {}

void ProgressLine::Report(const BoardOutcome& board) {
  ++done;
  failures += CountFailures(board);
  std::int64_t micros = 0;
  for (const MethodOutcome& method : board.methods) micros += method.micros;
  timeLeft.Done(board.name.side, static_cast<double>(micros) / 1e6);
  const auto now = std::chrono::steady_clock::now();
  if (!enabled || (now - shown < INTERVAL && done < total)) return;
  shown = now;
  const double elapsed = std::chrono::duration<double>(now - start).count();
  const auto left = static_cast<long>(timeLeft.Seconds(elapsed));
  std::string line = Format("boards %zu/%zu, failed %zu, about %ldm%02lds left", done, total,
                            failures, left / 60, left % 60);
  // Spaces cover what is left of a longer line before.
  const size_t length = line.size();
  if (length < width) line.append(width - length, ' ');
  width = length;
  out << '\r' << line << std::flush;
}

void ProgressLine::Finish() {
  if (!enabled || width == 0) return;
  out << '\r' << std::string(width, ' ') << '\r' << std::flush;
  width = 0;
}
