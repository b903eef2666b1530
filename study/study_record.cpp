// study_record.cpp: the words for the statuses, and a board's failures.
#include "study/study_record.h"

#include <algorithm>

namespace {

constexpr const char* STATUS_NAMES[] = {"solved", "refused", "failed"};

}  // namespace

const char* StatusName(SolveStatus status) {
  return STATUS_NAMES[static_cast<int>(status)];
}

bool ParseStatus(const std::string& word, SolveStatus& status) {
  const auto found = std::find(std::begin(STATUS_NAMES), std::end(STATUS_NAMES), word);
  if (found != std::end(STATUS_NAMES)) {
    status = static_cast<SolveStatus>(found - std::begin(STATUS_NAMES));
  }
  return found != std::end(STATUS_NAMES);
}

size_t CountFailures(const BoardOutcome& board) {
  return std::count_if(board.methods.begin(), board.methods.end(), [](const MethodOutcome& method) {
    return method.status == SolveStatus::FAILED;
  });
}
