// user_boards_test.cpp: boards from both kinds of file, and which refusals are right.
#include "study/user_boards.h"

#include <gtest/gtest.h>

#include "files/xml_puzzle_file.h"
#include "study/study_runner.h"
#include "test_support/scratch_folder.h"

namespace {

SolveResult RefuseAll(const Board&) {
  return SolveResult::Refused(Refusal::CANNOT_SOLVE);
}

}  // namespace

using UserBoards = ScratchFolder;

TEST_F(UserBoards, BothFormatsAreStudiedAndOnlyBoardsThatCannotBeSolvedAreRefused) {
  std::ostringstream out;
  const Board random = GenerateBoard({5, BoardKind::RANDOM, 1, 0, {}});
  ASSERT_TRUE(SaveXmlFile(random, folder + "/random.xml", out));
  const std::vector<std::string> files = {Write("one_move.txt", "1 2 3\n4 5 6\n7 0 8\n"),
                                          folder + "/random.xml",
                                          Write("swapped.txt",
                                                "\xEF\xBB\xBF"
                                                "2 1 3 4 5 6 7 8 0"),
                                          Write("repeated.txt", "1 1 3 4 5 6 7 8 0")};
  std::vector<StudyBoard> boards;
  std::string error;
  ASSERT_TRUE(LoadUserBoards(files, boards, error)) << error;
  EXPECT_EQ(random.tiles, boards[1].board.tiles);
  // An editor's byte order mark before a plain board is no part of it.
  EXPECT_EQ((std::vector<int>{2, 1, 3, 4, 5, 6, 7, 8, 0}), boards[2].board.tiles);

  const StudyResults results =
      RunStudy(boards, 2, {Methods()[0], {"refuse", "refuses every board", RefuseAll, false}});
  constexpr auto S = SolveStatus::SOLVED, F = SolveStatus::FAILED, R = SolveStatus::REFUSED;
  const SolveStatus expected[4][2] = {{S, F}, {S, F}, {R, R}, {R, R}};
  for (size_t b = 0; b < 4; ++b) {
    for (size_t m = 0; m < 2; ++m) {
      EXPECT_EQ(expected[b][m], results.boards[b].methods[m].status) << files[b] << " " << m;
    }
  }
  EXPECT_EQ(1u, results.boards[0].methods[0].optimizedLength);

  for (const auto& [file, reason] :
       {std::pair{Write("words.txt", "no numbers"), "Error - board isn't n x n!"},
        std::pair{Write("no_root.xml", "<Puzzle Width=\"3\"/>"), "holds no board"},
        std::pair{folder + "/missing.txt", "cannot be opened"},
        std::pair{folder, "is not a regular file"}}) {
    Board board;
    EXPECT_FALSE(LoadUserBoard(file, board, error)) << file;
    EXPECT_EQ(reason, error) << file;
  }
}
