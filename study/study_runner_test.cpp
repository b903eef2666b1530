// study_runner_test.cpp: the runner's results whatever the threads and shards, and its failures.
#include "study/study_runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>

#include "files/plain_board_file.h"
#include "study/csv_file.h"
#include "study/failed_boards.h"
#include "study/json_report.h"
#include "study/study_merge.h"
#include "study/summary_table.h"

namespace {

const std::vector<BoardKind> MIXED = {BoardKind::RANDOM, BoardKind::NEAR, BoardKind::PARTLY_HOME};

// The times are the one thing that may differ between two runs of the same study.
StudyResults Untimed(StudyResults results) {
  for (BoardOutcome& board : results.boards) {
    for (MethodOutcome& method : board.methods) method.micros = 0;
  }
  return results;
}

std::string CsvOf(const StudyResults& results, const StudyParameters& parameters = {}) {
  std::ostringstream out;
  WriteCsv(Untimed(results), parameters, out);
  return out.str();
}

std::string JsonOf(const StudyParameters& parameters, const StudyResults& results) {
  std::ostringstream out;
  WriteJson(parameters, Summarize(Untimed(results)), out);
  return out.str();
}

SolveResult OneMoveUp(const Board&) {
  SolveResult result;
  result.moves = "U";
  return result;
}

bool prepared = false;

}  // namespace

// The whole study solved two boards at a time, the shards one at a time: the same rows and summary.
TEST(StudyRunner, ShardsMergedGiveWhatOneRunGave) {
  StudyParameters study = {"1.0.0", {}, {3, 4, 7, 12}, 4, "mixed", 9, {}, 1, 1};
  for (const Method& method : Methods()) study.methods.emplace_back(method.command);
  const std::vector<StudyBoard> boards = StudyBoards(study.sides, study.boards, MIXED, study.seed);
  const StudyResults whole = RunStudy(boards, 2);
  std::vector<StudyPart> parts;
  std::string error;
  for (unsigned shard = 3; shard >= 1; --shard) {
    StudyParameters slice = study;
    slice.shard = shard;
    slice.shards = 3;
    std::istringstream csv(CsvOf(RunStudy(ShardOf(boards, shard, 3), 1), slice));
    parts.push_back({"shard" + std::to_string(shard), {}, {}});
    ASSERT_TRUE(ReadCsv(csv, parts.back().results, parts.back().parameters, error)) << error;
  }
  StudyParameters parameters;
  StudyResults merged;
  ASSERT_TRUE(MergeStudies(parts, parameters, merged, error)) << error;
  EXPECT_EQ(CsvOf(whole, study), CsvOf(merged, parameters));
  EXPECT_EQ(JsonOf(study, whole), JsonOf(parameters, merged));
}

// A file cut short within a board, with a board's rows reordered, or with its times shortened as a
// spreadsheet may shorten them, is refused rather than read otherwise.
TEST(StudyRunner, AnEditedCsvFileIsRefused) {
  StudyParameters study = {"1.0.0", {}, {3}, 2, "random", 1, {}, 1, 1};
  for (const Method& method : Methods()) study.methods.emplace_back(method.command);
  const std::string csv = CsvOf(
      RunStudy(StudyBoards(study.sides, study.boards, {BoardKind::RANDOM}, study.seed), 2), study);
  const size_t last = csv.rfind('\n', csv.size() - 2) + 1, before = csv.rfind('\n', last - 2) + 1;
  const std::pair<std::string, std::string> edits[] = {
      {csv.substr(0, last), "the last board has no row for every method"},
      {csv.substr(0, before) + csv.substr(last) + csv.substr(before, last - before),
       "out of order"},
      {csv.substr(0, csv.size() - 2) + "\n", "bad milliseconds '0.00'"},
      {csv.substr(0, csv.rfind(',') + 1) + "4294967296.001\n", "bad milliseconds '4294967296.001'"},
      {csv.substr(0, csv.size() - 7) + "1,0.000\n", "rows disagree on its manhattan or lower"},
  };
  for (const auto& [text, fault] : edits) {
    std::istringstream in(text);
    StudyPart part;
    std::string error;
    EXPECT_FALSE(ReadCsv(in, part.results, part.parameters, error));
    EXPECT_NE(std::string::npos, error.find(fault)) << error;
  }
}

// What a method builds once is built before the first solve, where its time does not count.
TEST(StudyRunner, PreparesEveryMethodBeforeItsFirstSolve) {
  const auto solve = [](const Board& board) {
    return prepared ? OneMoveUp(board) : SolveResult::Refused(Refusal::CANNOT_SOLVE);
  };
  const std::vector<Method> methods = {{"prepared", "", solve, false, [] { prepared = true; }}};
  const StudyResults results = RunStudy(StudyBoards({3}, 2, {BoardKind::RANDOM}, 1), 2, methods);
  ASSERT_TRUE(prepared);
  // Solved (with a move that reaches no goal), not refused.
  for (const BoardOutcome& board : results.boards) EXPECT_EQ(1u, board.methods[0].length);
}

TEST(StudyRunner, AWrongSolutionIsAFailureNamedKeptAndCounted) {
  const std::vector<Method> methods = {Methods()[0], {"wrong", "one move up", OneMoveUp, false}};
  const std::vector<StudyBoard> boards = StudyBoards({3}, 2, {BoardKind::RANDOM}, 7);
  const StudyResults results = RunStudy(boards, 2, methods);
  for (const BoardOutcome& board : results.boards) EXPECT_EQ(1u, CountFailures(board));
  const std::string csv = CsvOf(results);
  EXPECT_NE(std::string::npos, csv.find("\n3,random,7,1,,wrong,failed,1,1,12,12,0.000\n")) << csv;

  std::ostringstream table;
  WriteTable(results.methods, Summarize(results), TableLayout::WIDE, table);
  EXPECT_NE(std::string::npos, table.str().find("\nfailed: 2 (wrong 2)\n")) << table.str();

  const std::string folder = ::testing::TempDir() + "failed_" + std::to_string(getpid());
  std::ostringstream said;
  ASSERT_TRUE(ReportFailedBoards(results, boards, folder, said));
  const std::string kept = folder + "/wrong_side3_random_seed7_board1.txt";
  EXPECT_NE(std::string::npos,
            said.str().find("wrong failed on side 3 random seed 7 board 1, written to " + kept));
  Board loaded;
  std::ostringstream out;
  ASSERT_TRUE(LoadPlainFile(loaded, kept, out));
  EXPECT_EQ(GenerateBoard(boards[1].name).tiles, loaded.tiles);
  std::filesystem::remove_all(folder);
}

// A method that throws went wrong on that board; running out of memory is the machine's shortage,
// which stops the study, from whichever thread it comes, and says where.
TEST(StudyRunner, AThrowIsAFailureButRunningOutOfMemoryStopsTheStudy) {
  const std::vector<StudyBoard> boards = StudyBoards({3}, 4, {BoardKind::RANDOM}, 7);
  const Method throws = {"throws", "",
                         [](const Board&) -> SolveResult { throw std::logic_error(""); }, false};
  const StudyResults thrown = RunStudy(boards, 2, {throws});
  for (const BoardOutcome& b : thrown.boards) EXPECT_EQ(SolveStatus::FAILED, b.methods[0].status);
  try {
    RunStudy(boards, 2,
             {Methods()[0],
              {"greedy", "", [](const Board&) -> SolveResult { throw std::bad_alloc(); }, false}});
    ADD_FAILURE() << "the study went on";
  } catch (const SolveOutOfMemory& error) {
    const std::string said = error.what();
    EXPECT_EQ(0u, said.find("not enough memory for greedy on side 3 random seed 7 board ")) << said;
  }
}
