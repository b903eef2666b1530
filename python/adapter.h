// adapter.h: the Python module's only calls into the method table, the solvers' results and the
// study, so that a change of those interfaces is mended here alone.
#pragma once

#include <time.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

#include "board/board.h"
#include "console/solve_report.h"
#include "methods/method_table.h"
#include "study/lower_bound.h"
#include "study/seeded_boards.h"
#include "study/study_runner.h"
#include "study/user_boards.h"

namespace adapter {

/// The command and the description of every method, in the table's order.
inline std::vector<std::pair<std::string, std::string>> MethodList() {
  std::vector<std::pair<std::string, std::string>> list;
  for (const Method& method : Methods()) list.emplace_back(method.command, method.description);
  return list;
}

/// The method of that command; std::invalid_argument for an unknown one.
inline const Method& MethodOf(const std::string& command) {
  const Method* method = FindMethod(command);
  if (method == nullptr) throw std::invalid_argument("no method '" + command + "'");
  return *method;
}

/// One solve: the moves, or the refusal's message; the processor time of the solving thread.
struct TimedSolve {
  bool solved = false;
  MoveSequence moves;
  std::string message;
  double ms = 0;
};

/// Thread processor time in nanoseconds, as the study measures a solve: other threads do not
/// count.
inline std::int64_t ThreadNanos() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

/// Runs the method on the board; a refusal gets the text the console shows for it.
inline TimedSolve Solve(const std::string& command, const Board& board) {
  const Method& method = MethodOf(command);
  const std::int64_t start = ThreadNanos();
  SolveResult result = method.solve(board);
  TimedSolve solve;
  solve.ms = static_cast<double>(ThreadNanos() - start) / 1e6;
  solve.solved = result.Solved();
  solve.moves = std::move(result.moves);
  if (!solve.solved) {
    solve.message = result.refusal == Refusal::CANNOT_SOLVE ? CANT_SOLVE : NOT_SOLVED;
  }
  return solve;
}

/// The kind of a generated board named by the word; std::invalid_argument for any other word.
inline BoardKind GeneratedKind(const std::string& word) {
  BoardKind kind = BoardKind::RANDOM;
  if (!ParseKind(word, kind) || kind == BoardKind::FILE) {
    throw std::invalid_argument("no kind '" + word + "' (random, near, partly-home)");
  }
  return kind;
}

/// A side of the study's boards; std::invalid_argument outside 3 ... MAX_SIDE.
inline unsigned StudySide(long long side) {
  if (side < 3 || side > static_cast<long long>(MAX_SIDE)) {
    throw std::invalid_argument("side " + std::to_string(side) + " is not from 3 to " +
                                std::to_string(MAX_SIDE));
  }
  return static_cast<unsigned>(side);
}

/// The study's board of that name.
inline Board GeneratedBoard(long long side, const std::string& kind, std::uint64_t seed,
                            unsigned index) {
  return GenerateBoard({StudySide(side), GeneratedKind(kind), seed, index, {}});
}

/// The board of an XML puzzle file or a plain board file, told apart as the study does;
/// std::invalid_argument with the file's name and the reason otherwise.
inline Board LoadBoard(const std::string& fileName) {
  Board board;
  std::string error;
  if (!LoadUserBoard(fileName, board, error)) throw std::invalid_argument(fileName + ": " + error);
  return board;
}

/// The Manhattan distance plus the linear conflicts.
inline unsigned BoardLowerBound(const Board& board) {
  return LowerBound(board);
}

/// What a study is asked for, as npuzzle-study's options say it.
struct StudyRequest {
  std::vector<std::string> methods;  // empty: all
  std::vector<long long> sides;
  unsigned boards = 10;
  std::uint64_t seed = 1;
  std::string kind = "random";  // or mixed
  unsigned jobs = 0;            // 0: the number of cores
};

/// A value of a study record.
using Field = std::variant<std::uint64_t, double, std::string>;
/// One study record: the CSV file's columns and their values, in the CSV's order.
using Record = std::vector<std::pair<const char*, Field>>;

/// The checked request's boards and methods; std::invalid_argument for an unknown method or
/// kind, a side outside 3 ... MAX_SIDE, no boards, or more than 1024 jobs.
inline std::pair<std::vector<StudyBoard>, std::vector<Method>> StudyPlan(
    const StudyRequest& request) {
  std::vector<Method> methods;
  for (const std::string& command : request.methods) {
    const Method& method = MethodOf(command);
    const auto same = [&method](const Method& m) { return m.command == method.command; };
    if (std::none_of(methods.begin(), methods.end(), same)) methods.push_back(method);
  }
  if (request.methods.empty()) methods = Methods();
  std::vector<BoardKind> kinds = {BoardKind::RANDOM, BoardKind::NEAR, BoardKind::PARTLY_HOME};
  if (request.kind != "mixed") kinds.assign(1, GeneratedKind(request.kind));
  std::vector<unsigned> sides;
  for (const long long side : request.sides) sides.push_back(StudySide(side));
  std::sort(sides.begin(), sides.end());
  sides.erase(std::unique(sides.begin(), sides.end()), sides.end());
  if (sides.empty() || request.boards == 0) throw std::invalid_argument("a study needs boards");
  // As npuzzle-study's --jobs allows.
  if (request.jobs > 1024) throw std::invalid_argument("jobs must be from 0 to 1024");
  return {StudyBoards(sides, request.boards, kinds, request.seed), std::move(methods)};
}

/// Runs the planned study and gives a record per board and method, in the order of the boards.
inline std::vector<Record> RunPlannedStudy(
    const std::pair<std::vector<StudyBoard>, std::vector<Method>>& plan, unsigned jobs) {
  if (jobs == 0) jobs = std::max(1u, std::thread::hardware_concurrency());
  const StudyResults results = RunStudy(plan.first, jobs, plan.second);
  std::vector<Record> records;
  for (const BoardOutcome& board : results.boards) {
    for (size_t m = 0; m < board.methods.size(); ++m) {
      const MethodOutcome& outcome = board.methods[m];
      records.push_back({{"side", std::uint64_t{board.name.side}},
                         {"kind", std::string(KindName(board.name.kind))},
                         {"seed", board.name.seed},
                         {"index", std::uint64_t{board.name.index}},
                         {"file", board.name.file},
                         {"method", results.methods[m]},
                         {"status", std::string(StatusName(outcome.status))},
                         {"length", outcome.length},
                         {"optimized", outcome.optimizedLength},
                         {"manhattan", board.manhattan},
                         {"lower_bound", board.lowerBound},
                         {"ms", static_cast<double>(outcome.micros) / 1000}});
    }
  }
  return records;
}

}  // namespace adapter
