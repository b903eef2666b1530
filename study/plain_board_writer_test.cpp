// plain_board_writer_test.cpp: what the writer writes, dl's reader reads back as the same board.
#include "study/plain_board_writer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "files/plain_board_file.h"
#include "study/seeded_boards.h"
#include "test_support/scratch_folder.h"

using PlainBoardWriter = ScratchFolder;

TEST_F(PlainBoardWriter, WritesTheRowsThatDlReadsBack) {
  const std::string goal = "1 2 3\n4 5 6\n7 8 0\n";
  Board board;
  std::istringstream in(goal);
  std::ostringstream out;
  ASSERT_TRUE(ReadPlainBoard(board, in, out));
  EXPECT_EQ(goal, PlainBoardText(board));

  const Board large = GenerateBoard({MAX_SIDE, BoardKind::RANDOM, 2, 3, {}});
  ASSERT_TRUE(SavePlainFile(large, Path("large.txt")));
  Board loaded;
  ASSERT_TRUE(LoadPlainFile(loaded, Path("large.txt"), out));
  EXPECT_EQ(large.tiles, loaded.tiles);
  EXPECT_FALSE(SavePlainFile(large, folder));
}
