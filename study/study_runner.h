// study_runner.h: every method on every board of a study, boards shared out among threads.
#pragma once

#include <cstdint>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "methods/method_table.h"
#include "study/seeded_boards.h"
#include "study/study_record.h"

/// Told each board's outcome once it is done, one board at a time.
using ProgressReport = std::function<void(const BoardOutcome& board)>;

/// The most boards a study solves at once.
constexpr unsigned MOST_JOBS = 1024;

/// Asked by each thread before it takes a board; once true, no board is started.
using StopRequest = std::function<bool()>;

/// What RunStudy throws when a solve runs out of memory: the machine's shortage, not a fault of
/// the method, so no row records it. what() names the method and the board.
class SolveOutOfMemory : public std::bad_alloc {
 public:
  SolveOutOfMemory(const std::string& method, const BoardName& board)
      : message("not enough memory for " + method + " on " + Describe(board)) {}
  const char* what() const noexcept override { return message.c_str(); }

 private:
  std::string message;
};

/// Runs each method on each board, jobs boards at a time, checking every solution; when stopped,
/// the boards not done are left as they were made. What a thread throws (SolveOutOfMemory) stops
/// every thread from taking another board, and is thrown again once all have ended.
StudyResults RunStudy(const std::vector<StudyBoard>& boards, unsigned jobs,
                      const std::vector<Method>& methods = Methods(),
                      const ProgressReport& progress = nullptr,
                      const StopRequest& stopped = nullptr);

/// The processor time of the calling thread, in nanoseconds.
std::int64_t ThreadNanos();
