// summary_table.cpp: sums of whole numbers per side and method, divided at the end.
#include "study/summary_table.h"

#include <algorithm>
#include <map>

#include "board/text_format.h"

namespace {

std::optional<double> Ratio(double numerator, double denominator) {
  if (denominator == 0) return std::nullopt;
  return numerator / denominator;
}

// Sums over whole numbers are exact, so the figures do not depend on the order in which the
// boards come: a merged study gives what one run gave.
MethodSummary SummarizeMethod(const std::vector<const BoardOutcome*>& boards, size_t m) {
  MethodSummary summary;
  std::uint64_t length = 0, manhattan = 0, lowerBound = 0;
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
    micros.push_back(outcome.micros);
  }
  if (summary.solved == 0) return summary;
  const double n = boards.front()->name.side;
  summary.meanLength = static_cast<double>(length) / summary.solved;
  summary.perCube = Ratio(*summary.meanLength, n * n * n);
  summary.perManhattan = Ratio(static_cast<double>(length), static_cast<double>(manhattan));
  summary.perLowerBound = Ratio(static_cast<double>(length), static_cast<double>(lowerBound));
  std::int64_t total = 0;
  for (const std::int64_t time : micros) total += time;
  summary.meanMs = static_cast<double>(total) / micros.size() / 1000;
  std::sort(micros.begin(), micros.end());
  summary.p95Ms = micros[(micros.size() * 95 + 99) / 100 - 1] / 1000.0;
  return summary;
}

std::string Cell(const std::optional<double>& value, const char* format) {
  return value ? Format(format, *value) : "-";
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
                std::ostream& out) {
  out << Format("%5s %7s", "side", "boards");
  for (const std::string& method : methods) {
    out << Format(" | %-7s %6s %10s %7s %7s %7s %9s %9s", method.c_str(), "solved", "mean", "/n^3",
                  "/dist", "/bound", "ms", "p95 ms");
  }
  out << "\n";
  std::vector<unsigned> failed(methods.size()), refused(methods.size());
  for (const SideSummary& side : sides) {
    out << Format("%5u %7u", side.side, side.boards);
    for (size_t m = 0; m < side.methods.size(); ++m) {
      const MethodSummary& s = side.methods[m];
      out << Format(" | %-7s %6u %10s %7s %7s %7s %9s %9s", "", s.solved,
                    Cell(s.meanLength, "%.1f").c_str(), Cell(s.perCube, "%.3f").c_str(),
                    Cell(s.perManhattan, "%.3f").c_str(), Cell(s.perLowerBound, "%.3f").c_str(),
                    Cell(s.meanMs, "%.3f").c_str(), Cell(s.p95Ms, "%.3f").c_str());
      failed[m] += s.failed;
      refused[m] += s.refused;
    }
    out << "\n";
  }
  // The failed solves are counted even when there are none, so that a clean run says so.
  WriteCount("failed", failed, methods, out);
  if (std::any_of(refused.begin(), refused.end(), [](unsigned count) { return count > 0; })) {
    WriteCount("refused", refused, methods, out);
  }
}
