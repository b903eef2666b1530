// masked_text.cpp: replacing the times of the time lines.
#include "test_support/masked_text.h"

namespace {

// Replaces the text between the first `before` from `from` on and the `after` behind it by T;
// returns where to look on, or npos.
size_t MaskBetween(std::string& text, size_t from, const std::string& before,
                   const std::string& after) {
  const size_t start = text.find(before, from);
  if (start == std::string::npos) return start;
  const size_t first = start + before.size();
  const size_t end = text.find(after, first);
  if (end == std::string::npos) return end;
  text.replace(first, end - first, "T");
  return first;
}

}  // namespace

std::string MaskTimes(std::string text) {
  for (size_t at = 0;
       (at = MaskBetween(text, at, "\nSolved in ", " seconds")) != std::string::npos;) {
    at = MaskBetween(text, at, " seconds ( ", " of it solving ");
    if (at == std::string::npos) break;
  }
  return text;
}
