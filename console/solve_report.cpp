// solve_report.cpp: the refusal, progress and time texts of a solve.
#include "console/solve_report.h"

#include "board/text_format.h"

void WriteSolveOutcome(const SolveResult& result, std::ostream& out) {
  if (result.refusal == Refusal::CANNOT_SOLVE) {
    out << "\n" << CANT_SOLVE;
    return;
  }
  if (result.reportsSides) {
    out << "\n";
    for (const unsigned side : result.trimmedSides) out << side << " ... ";
  }
  out << result.faults;
  if (result.refusal == Refusal::TRIM_FAILED) {
    out << "Error! Can't trim board\n ";
    result.untrimmed.PrintBoard(out);
  }
  if (!result.Solved()) {
    out << "\n" << NOT_SOLVED;
    return;
  }
  const long long total = static_cast<long long>(result.times.total) * 10 / CLOCKS_PER_SEC;
  const long long finish = static_cast<long long>(result.times.finish) * 10 / CLOCKS_PER_SEC;
  const unsigned side = result.times.finishSide;
  out << Format("\nSolved in %.1f seconds ( %.1f of it solving %ux%u puzzle)", total / 10.0,
                finish / 10.0, side, side);
}
