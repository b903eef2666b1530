// summary_table.cpp: sums of whole numbers per side and method, divided at the end.
#include "study/summary_table.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <sstream>

#include "board/text_format.h"

namespace {

std::optional<double> Ratio(double numerator, double denominator) {
  if (denominator == 0) return std::nullopt;
  return numerator / denominator;
}

// The lengths' median, standard deviation and extremes. The squares are summed in sorted order,
// so that their rounding too does not depend on the order of the boards.
void AddSpread(std::vector<std::uint64_t> lengths, double mean, MethodSummary& summary) {
  std::sort(lengths.begin(), lengths.end());
  const size_t count = lengths.size(), middle = count / 2;
  summary.medianLength = count % 2 == 1 ? static_cast<double>(lengths[middle])
                                        : (lengths[middle - 1] + lengths[middle]) / 2.0;
  summary.minLength = lengths.front();
  summary.maxLength = lengths.back();
  if (count < 2) return;
  double squares = 0;
  for (const std::uint64_t length : lengths) {
    const double away = static_cast<double>(length) - mean;
    squares += away * away;
  }
  summary.sdLength = std::sqrt(squares / static_cast<double>(count - 1));
}

// Sums over whole numbers are exact, so the figures do not depend on the order in which the
// boards come: a merged study gives what one run gave.
MethodSummary SummarizeMethod(const std::vector<const BoardOutcome*>& boards, size_t m) {
  MethodSummary summary;
  std::uint64_t length = 0, manhattan = 0, lowerBound = 0;
  std::vector<std::uint64_t> lengths;
  std::vector<std::int64_t> micros;
  for (const BoardOutcome* board : boards) {
    const MethodOutcome& outcome = board->methods[m];
    summary.failed += outcome.status == SolveStatus::FAILED;
    summary.refused += outcome.status == SolveStatus::REFUSED;
    if (outcome.status != SolveStatus::SOLVED) continue;
    ++summary.solved;
    length += outcome.optimizedLength;
    manhattan += board->manhattan;
    lowerBound += board->lowerBound;
    lengths.push_back(outcome.optimizedLength);
    micros.push_back(outcome.micros);
  }
  if (summary.solved == 0) return summary;
  const double n = boards.front()->name.side;
  summary.meanLength = static_cast<double>(length) / summary.solved;
  summary.perCube = Ratio(*summary.meanLength, n * n * n);
  summary.perManhattan = Ratio(static_cast<double>(length), static_cast<double>(manhattan));
  summary.perLowerBound = Ratio(static_cast<double>(length), static_cast<double>(lowerBound));
  AddSpread(lengths, *summary.meanLength, summary);
  const std::int64_t total = std::accumulate(micros.begin(), micros.end(), std::int64_t{0});
  summary.meanMs = static_cast<double>(total) / micros.size() / 1000;
  std::sort(micros.begin(), micros.end());
  summary.p95Ms = micros[(micros.size() * 95 + 99) / 100 - 1] / 1000.0;
  return summary;
}

std::string Cell(const std::optional<double>& value, const char* format) {
  return value ? Format(format, *value) : "-";
}

std::string Cell(const std::optional<std::uint64_t>& value) {
  return value ? std::to_string(*value) : "-";
}

void WriteWide(const std::vector<std::string>& methods, const std::vector<SideSummary>& sides,
               std::ostream& out) {
  out << Format("%5s %7s", "side", "boards");
  for (const std::string& method : methods) {
    out << Format(" | %-7s %6s %10s %7s %7s %7s %9s %9s", method.c_str(), "solved", "mean", "/n^3",
                  "/dist", "/bound", "ms", "p95 ms");
  }
  out << "\n";
  for (const SideSummary& side : sides) {
    out << Format("%5u %7u", side.side, side.boards);
    for (const MethodSummary& s : side.methods) {
      out << Format(" | %-7s %6u %10s %7s %7s %7s %9s %9s", "", s.solved,
                    Cell(s.meanLength, "%.1f").c_str(), Cell(s.perCube, "%.3f").c_str(),
                    Cell(s.perManhattan, "%.3f").c_str(), Cell(s.perLowerBound, "%.3f").c_str(),
                    Cell(s.meanMs, "%.3f").c_str(), Cell(s.p95Ms, "%.3f").c_str());
    }
    out << "\n";
  }
}

// Each column as wide as its widest cell, so that a study of small boards gets a narrow table and
// one of side 100 (lengths of seven digits, times of seconds) still keeps within 100 columns.
void WriteLong(const std::vector<std::string>& methods, const std::vector<SideSummary>& sides,
               std::ostream& out) {
  std::vector<std::vector<std::string>> rows = {{"side", "method", "solved", "mean", "median", "sd",
                                                 "min", "max", "/n^3", "/dist", "/bound", "ms",
                                                 "p95 ms"}};
  for (const SideSummary& side : sides) {
    for (size_t m = 0; m < side.methods.size(); ++m) {
      const MethodSummary& s = side.methods[m];
      rows.push_back({std::to_string(side.side), methods[m], std::to_string(s.solved),
                      Cell(s.meanLength, "%.1f"), Cell(s.medianLength, "%.1f"),
                      Cell(s.sdLength, "%.1f"), Cell(s.minLength), Cell(s.maxLength),
                      Cell(s.perCube, "%.3f"), Cell(s.perManhattan, "%.3f"),
                      Cell(s.perLowerBound, "%.3f"), Cell(s.meanMs, "%.3f"),
                      Cell(s.p95Ms, "%.3f")});
    }
  }
  std::vector<int> widths(rows.front().size(), 0);
  for (const auto& row : rows) {
    for (size_t c = 0; c < row.size(); ++c) {
      widths[c] = std::max(widths[c], static_cast<int>(row[c].size()));
    }
  }
  constexpr size_t METHOD = 1;  // the one column of words, aligned left
  for (const auto& row : rows) {
    for (size_t c = 0; c < row.size(); ++c) {
      out << (c == 0 ? "" : " ") << Format(c == METHOD ? "%-*s" : "%*s", widths[c], row[c].c_str());
    }
    out << "\n";
  }
}

// "failed: 3 (solve 1, solve2 2)", or "failed: 0".
void WriteCount(const char* word, const std::vector<unsigned>& counts,
                const std::vector<std::string>& methods, std::ostream& out) {
  unsigned total = 0;
  std::string each;
  for (size_t m = 0; m < methods.size(); ++m) {
    total += counts[m];
    if (counts[m] == 0) continue;
    each += (each.empty() ? " (" : ", ") + methods[m] + " " + std::to_string(counts[m]);
  }
  out << word << ": " << total << each << (each.empty() ? "" : ")") << "\n";
}

}  // namespace

std::vector<SideSummary> Summarize(const StudyResults& results) {
  std::map<unsigned, std::vector<const BoardOutcome*>> bySide;
  for (const BoardOutcome& board : results.boards) bySide[board.name.side].push_back(&board);
  std::vector<SideSummary> sides;
  for (const auto& [side, boards] : bySide) {
    SideSummary summary{side, static_cast<unsigned>(boards.size()), {}};
    for (size_t m = 0; m < results.methods.size(); ++m) {
      summary.methods.push_back(SummarizeMethod(boards, m));
    }
    sides.push_back(summary);
  }
  return sides;
}

void WriteTable(const std::vector<std::string>& methods, const std::vector<SideSummary>& sides,
                TableLayout layout, std::ostream& out) {
  (layout == TableLayout::WIDE ? WriteWide : WriteLong)(methods, sides, out);
  std::vector<unsigned> failed(methods.size()), refused(methods.size());
  for (const SideSummary& side : sides) {
    for (size_t m = 0; m < side.methods.size(); ++m) {
      failed[m] += side.methods[m].failed;
      refused[m] += side.methods[m].refused;
    }
  }
  // The failed solves are counted even when there are none, so that a clean run says so.
  WriteCount("failed", failed, methods, out);
  if (std::any_of(refused.begin(), refused.end(), [](unsigned count) { return count > 0; })) {
    WriteCount("refused", refused, methods, out);
  }
}

TableLayout FittingLayout(const std::vector<std::string>& methods,
                          const std::vector<SideSummary>& sides, unsigned columns) {
  if (columns == 0) return TableLayout::WIDE;
  std::ostringstream table;
  WriteTable(methods, sides, TableLayout::WIDE, table);
  std::istringstream lines(table.str());
  size_t widest = 0;
  for (std::string line; std::getline(lines, line);) widest = std::max(widest, line.size());
  return widest <= columns ? TableLayout::WIDE : TableLayout::LONG;
}
