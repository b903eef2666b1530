// study_runner.h: every method on every board of a study, boards shared out among threads.
#pragma once

#include <cstdint>
#include <functional>
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

/// Runs each method on each board, jobs boards at a time, checking every solution; when stopped,
/// the boards not done are left as they were made.
StudyResults RunStudy(const std::vector<StudyBoard>& boards, unsigned jobs,
                      const std::vector<Method>& methods = Methods(),
                      const ProgressReport& progress = nullptr,
                      const StopRequest& stopped = nullptr);

/// The processor time of the calling thread, in nanoseconds.
std::int64_t ThreadNanos();
