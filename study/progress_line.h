// progress_line.h: one line on a terminal that a long study keeps up to date.
#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>
#include <vector>

#include "study/study_record.h"
#include "study/time_left.h"

/// "boards 120/500, failed 0, about 1m05s left", rewritten in place a few times a second.
class ProgressLine {
 public:
  /// sides: the side of each board of the study.
  ProgressLine(std::ostream& out, bool enabled, const std::vector<unsigned>& sides);
  /// Takes in the board just done, and shows the counts unless they were shown very recently.
  void Report(const BoardOutcome& board, size_t done, size_t total, size_t failures);
  /// Clears the line, so that what follows starts on a clean one.
  void Finish();

 private:
  std::ostream& out;
  bool enabled;
  TimeLeft timeLeft;
  std::chrono::steady_clock::time_point start;
  std::chrono::steady_clock::time_point shown;
  size_t width = 0;
};
