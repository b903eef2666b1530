// study_record.cpp: the words for the statuses.
#include "study/study_record.h"

namespace {

constexpr const char* STATUS_NAMES[] = {"solved", "refused", "failed"};

}  // namespace

const char* StatusName(SolveStatus status) {
  return STATUS_NAMES[static_cast<int>(status)];
}

bool ParseStatus(const std::string& word, SolveStatus& status) {
  for (int s = 0; s < 3; ++s) {
    if (word == STATUS_NAMES[s]) {
      status = static_cast<SolveStatus>(s);
      return true;
    }
  }
  return false;
}
