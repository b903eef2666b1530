// summary_table.h: a study's findings per side and method, as a wide or a long table.
#pragma once

#include <cstdint>
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
  /// The median of the optimized lengths: the mean of the middle two for an even count.
  std::optional<double> medianLength;
  /// The sample standard deviation of the optimized lengths; empty below two solved boards.
  std::optional<double> sdLength;
  std::optional<std::uint64_t> minLength;
  std::optional<std::uint64_t> maxLength;
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

/// The figures of every side that has boards, in ascending order.
std::vector<SideSummary> Summarize(const StudyResults& results);

/// WIDE: a line per side, the methods side by side; LONG: a line per side and method, within 100
/// columns, with the spread of the lengths too.
enum class TableLayout { WIDE, LONG };

/// The table, then a line counting the failed solves, and one for the refused when any were.
void WriteTable(const std::vector<std::string>& methods, const std::vector<SideSummary>& sides,
                TableLayout layout, std::ostream& out);

/// WIDE when its longest line fits in the columns or the columns are unknown (0), LONG otherwise.
TableLayout FittingLayout(const std::vector<std::string>& methods,
                          const std::vector<SideSummary>& sides, unsigned columns);
