// progress_line.cpp: the time left from the mean time per board so far.
#include "study/progress_line.h"

#include <string>

#include "board/text_format.h"

namespace {

constexpr auto INTERVAL = std::chrono::milliseconds(200);

}  // namespace

ProgressLine::ProgressLine(std::ostream& out, bool enabled)
    : out(out), enabled(enabled), start(std::chrono::steady_clock::now()), shown(start) {}

void ProgressLine::Report(size_t done, size_t total, size_t failures) {
  const auto now = std::chrono::steady_clock::now();
  if (!enabled || (now - shown < INTERVAL && done < total)) return;
  shown = now;
  const double elapsed = std::chrono::duration<double>(now - start).count();
  const auto left =
      static_cast<long>(elapsed / static_cast<double>(done) * static_cast<double>(total - done));
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
