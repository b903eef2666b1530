// study_record.h: what a study finds, board by board and method by method.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "study/seeded_boards.h"

/// How a method fared on a board. FAILED: a wrong solution, or a refusal of a board that can be
/// solved; REFUSED: a refusal of a board that cannot be (see IsSolvableBoard).
enum class SolveStatus { SOLVED, REFUSED, FAILED };

/// The word for the status in CSV files: solved, refused, failed.
const char* StatusName(SolveStatus status);
/// The status named by the word; false for an unknown word.
bool ParseStatus(const std::string& word, SolveStatus& status);

/// One method on one board: the solution's lengths and the thread's processor microseconds.
struct MethodOutcome {
  SolveStatus status = SolveStatus::FAILED;
  std::uint64_t length = 0;
  std::uint64_t optimizedLength = 0;
  std::int64_t micros = 0;
};

/// One board: its name, distance, lower bound, and each method's outcome in the results' order.
struct BoardOutcome {
  BoardName name;
  std::uint64_t manhattan = 0;
  std::uint64_t lowerBound = 0;
  std::vector<MethodOutcome> methods;
};

/// How many of the board's solves failed.
size_t CountFailures(const BoardOutcome& board);

/// A study's findings: the commands of its methods and its boards in list order.
struct StudyResults {
  std::vector<std::string> methods;
  std::vector<BoardOutcome> boards;
};
