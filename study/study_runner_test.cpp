// study_runner_test.cpp: the runner's results whatever the threads and shards, and its failures.
#include "study/study_runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

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

std::string CsvOf(const StudyResults& results) {
  std::ostringstream out;
  WriteCsv(Untimed(results), out);
  return out.str();
}

std::string JsonOf(const StudyParameters& parameters, const StudyResults& results) {
  std::ostringstream out;
  WriteJson(parameters, results.methods, Summarize(Untimed(results)), out);
  return out.str();
}

SolveResult OneMoveUp(const Board&) {
  SolveResult result;
  result.moves = "U";
  return result;
}

}  // namespace

TEST(StudyRunner, TheNumberOfJobsChangesNothing) {
  const std::vector<StudyBoard> boards = StudyBoards({3, 5, 9}, 6, MIXED, 3);
  EXPECT_EQ(CsvOf(RunStudy(boards, 1)), CsvOf(RunStudy(boards, 2)));
}

TEST(StudyRunner, ShardsMergedGiveWhatOneRunGave) {
  const std::vector<StudyBoard> boards = StudyBoards({3, 4, 7, 12}, 4, MIXED, 9);
  const StudyResults whole = RunStudy(boards, 2);
  std::vector<StudyResults> parts(3);
  std::string error;
  for (unsigned shard = 1; shard <= 3; ++shard) {
    std::istringstream csv(CsvOf(RunStudy(ShardOf(boards, shard, 3), 1)));
    ASSERT_TRUE(ReadCsv(csv, parts[3 - shard], error)) << error;
  }
  StudyResults merged;
  ASSERT_TRUE(MergeStudies(parts, merged, error)) << error;
  EXPECT_EQ(CsvOf(whole), CsvOf(merged));
  const StudyParameters asked = {{3, 4, 7, 12}, 4, "mixed", 9, {}, {}};
  EXPECT_EQ(JsonOf(asked, whole), JsonOf(InferParameters(merged), merged));
  parts.push_back(parts[0]);
  EXPECT_FALSE(MergeStudies(parts, merged, error));
  EXPECT_EQ("board 2 of side 3 is there twice", error);
}

TEST(StudyRunner, AWrongSolutionIsAFailureNamedKeptAndCounted) {
  const std::vector<Method> methods = {Methods()[0], {"wrong", "one move up", OneMoveUp, false}};
  const std::vector<StudyBoard> boards = StudyBoards({3}, 2, {BoardKind::RANDOM}, 7);
  const StudyResults results = RunStudy(boards, 2, methods);
  EXPECT_EQ(2u, CountFailures(results));
  const std::string csv = CsvOf(results);
  EXPECT_NE(std::string::npos, csv.find("\n3,random,7,1,,wrong,failed,1,1,12,12,0.000\n")) << csv;

  std::ostringstream table;
  WriteTable(results.methods, Summarize(results), table);
  EXPECT_NE(std::string::npos, table.str().find("\nfailed: 2 (wrong 2)\n")) << table.str();

  const std::string folder = ::testing::TempDir() + "failed_" + std::to_string(getpid());
  std::ostringstream said;
  ASSERT_TRUE(ReportFailedBoards(results, boards, folder, said));
  const std::string kept = FailedBoardFile(folder, "wrong", boards[1].name);
  EXPECT_EQ(folder + "/wrong_side3_random_seed7_board1.txt", kept);
  EXPECT_NE(std::string::npos,
            said.str().find("wrong failed on side 3 random seed 7 board 1, written to " + kept));
  Board loaded;
  std::ostringstream out;
  ASSERT_TRUE(LoadPlainFile(loaded, kept, out));
  EXPECT_EQ(GenerateBoard(boards[1].name).tiles, loaded.tiles);
  std::filesystem::remove_all(folder);
}
