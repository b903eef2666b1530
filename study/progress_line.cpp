// progress_line.cpp: the line and its pace; what the boards left will cost is TimeLeft's.
#include "study/progress_line.h"

#include <string>

#include "board/text_format.h"

namespace {

constexpr auto INTERVAL = std::chrono::milliseconds(200);

}  // namespace

ProgressLine::ProgressLine(std::ostream& out, bool enabled, const std::vector<unsigned>& sides)
    : out(out),
      enabled(enabled),
      timeLeft(sides),
      start(std::chrono::steady_clock::now()),
      shown(start) {}

void ProgressLine::Report(const BoardOutcome& board, size_t done, size_t total, size_t failures) {
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
