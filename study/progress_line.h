// progress_line.h: one line on a terminal that a long study keeps up to date, and its estimate
// of the time left.
#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <ostream>
#include <vector>

#include "study/study_record.h"

/// The time left of a study: the time passed, scaled by the cost of the boards left (their side's
/// mean so far, or a + b n^3) over the cost of those done.
class TimeLeft {
 public:
  /// sides: the side of each board of the study.
  explicit TimeLeft(const std::vector<unsigned>& sides);
  /// One board of that side is done; seconds is what solving it cost, in processor time.
  void Done(unsigned side, double seconds);
  /// The seconds left, given the seconds passed since the study began.
  double Seconds(double elapsed) const;

 private:
  struct Side {
    unsigned boards = 0;
    unsigned done = 0;
    double seconds = 0;
  };
  std::map<unsigned, Side> sides;
};

/// "boards 120/500, failed 0, about 1m05s left", rewritten in place a few times a second.
class ProgressLine {
 public:
  /// sides: the side of each board of the study.
  ProgressLine(std::ostream& out, bool enabled, const std::vector<unsigned>& sides);
  /// Counts the board just done, and shows the counts unless they were shown very recently.
  void Report(const BoardOutcome& board);
  /// Clears the line, so that what follows starts on a clean one.
  void Finish();

 private:
  std::ostream& out;
  bool enabled;
  TimeLeft timeLeft;
  size_t total;
  size_t done = 0;
  size_t failures = 0;
  std::chrono::steady_clock::time_point start;
  std::chrono::steady_clock::time_point shown;
  size_t width = 0;
};
