// summary_table.h: a study's findings side by side, one line per side of board.
#pragma once

#include <optional>
#include <ostream>
#include <vector>

#include "study/study_record.h"

/// One method on the boards of one side. The lengths, ratios and times are over the boards the
/// method solved; a ratio is empty when there is nothing to divide by.
struct MethodSummary {
  unsigned solved = 0;
  unsigned failed = 0;
  unsigned refused = 0;
  std::optional<double> meanLength;
  std::optional<double> perCube;
  std::optional<double> perManhattan;
  std::optional<double> perLowerBound;
  std::optional<double> meanMs;
  /// The 95th percentile of the times, by nearest rank.
  std::optional<double> p95Ms;
};

/// The boards of one side and each method's figures on them.
struct SideSummary {
  unsigned side = 0;
  unsigned boards = 0;
  std::vector<MethodSummary> methods;
};

/// The figures of every side that has boards, sides in ascending order, methods in the
/// results' order.
std::vector<SideSummary> Summarize(const StudyResults& results);

/// The table: side, boards, and per method solved, mean optimized length, its ratios to n^3,
/// to the mean Manhattan distance and to the mean lower bound, mean and 95th-percentile
/// milliseconds; then a line counting the failed solves, and one for the refused when any were.
void WriteTable(const std::vector<std::string>& methods, const std::vector<SideSummary>& sides,
                std::ostream& out);
