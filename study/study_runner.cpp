// study_runner.cpp: worker threads taking the next board from a shared counter.
#include "study/study_runner.h"

#include <time.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

#include "solver/position.h"
#include "solver/reduction.h"
#include "solver/solution_optimizer.h"
#include "study/lower_bound.h"

namespace {

// Whether every move applies to a fresh copy of the board and the goal is reached.
bool ReachesGoal(const Board& board, const MoveSequence& moves) {
  Board copy(board);
  return board.n > 0 && ApplyMoves(copy, moves) && copy.tiles == GoalTiles(board.n);
}

MethodOutcome RunMethod(const Method& method, const BoardName& name, const Board& board,
                        bool mustBeSolved) {
  MethodOutcome outcome;
  SolveResult result;
  const std::int64_t start = ThreadNanos();
  try {
    result = method.solve(board);
  } catch (const std::bad_alloc&) {
    throw SolveOutOfMemory(method.command, name);
  } catch (...) {
    result.refusal = Refusal::REDUCTION_FAILED;  // the method went wrong
  }
  outcome.micros = (ThreadNanos() - start) / 1000;
  if (result.Solved()) {
    outcome.status = ReachesGoal(board, result.moves) ? SolveStatus::SOLVED : SolveStatus::FAILED;
  } else {
    outcome.status = mustBeSolved ? SolveStatus::FAILED : SolveStatus::REFUSED;
  }
  outcome.length = result.moves.size();
  thread_local MoveSequence scratch;
  outcome.optimizedLength = OptimizedLength(result.moves.data(), result.moves.size(), scratch);
  return outcome;
}

BoardOutcome StudyOne(const StudyBoard& item, const std::vector<Method>& methods) {
  BoardOutcome outcome;
  outcome.name = item.name;
  const bool generated = item.name.kind != BoardKind::FILE;
  const Board made = generated ? GenerateBoard(item.name) : Board();
  const Board& board = generated ? made : item.board;
  outcome.manhattan = board.ManhattanDistance();
  outcome.lowerBound = LowerBound(board);
  // The study's own boards are all solvable; a user's board may rightly be refused.
  const bool mustBeSolved = generated || IsSolvableBoard(board);
  outcome.methods.reserve(methods.size());
  for (const Method& method : methods) {
    outcome.methods.push_back(RunMethod(method, item.name, board, mustBeSolved));
  }
  return outcome;
}

}  // namespace

// Other threads of the study, and other programs on the machine, do not count towards a solve
// (std::clock would count every thread).
std::int64_t ThreadNanos() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

StudyResults RunStudy(const std::vector<StudyBoard>& boards, unsigned jobs,
                      const std::vector<Method>& methods, const ProgressReport& progress,
                      const StopRequest& stopped) {
  StudyResults results;
  for (const Method& method : methods) results.methods.emplace_back(method.command);
  results.boards.resize(boards.size());
  // Built before any solve is timed: else the first boards' times hold them.
  for (const Method& method : methods) method.Prepare();
  std::atomic<size_t> next{0};
  std::mutex reporting;
  // The first exception a thread met; a thread's own would end the program.
  std::exception_ptr fault;
  std::atomic<bool> faulted{false};
  auto work = [&] {
    try {
      for (size_t i = next++; i < boards.size() && !faulted && !(stopped && stopped());
           i = next++) {
        results.boards[i] = StudyOne(boards[i], methods);
        const std::lock_guard<std::mutex> lock(reporting);
        if (progress) progress(results.boards[i]);
      }
    } catch (...) {
      const std::lock_guard<std::mutex> lock(reporting);
      if (!faulted) fault = std::current_exception();
      faulted = true;
    }
  };
  const size_t threads = std::max<size_t>(1, std::min<size_t>(jobs, boards.size()));
  std::vector<std::thread> workers;
  for (size_t t = 1; t < threads; ++t) {
    // When the system starts no more threads (a limit on processes or on memory), those started
    // do the study: each board is still taken once.
    try {
      workers.emplace_back(work);
    } catch (const std::system_error&) {
      break;
    }
  }
  work();
  for (std::thread& worker : workers) worker.join();
  if (fault) std::rethrow_exception(fault);
  return results;
}
