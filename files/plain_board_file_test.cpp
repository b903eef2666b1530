// plain_board_file_test.cpp: boards read from files of integers, and the ones refused.
#include "files/plain_board_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_support/sample_boards.h"

namespace {

class PlainBoard : public ::testing::Test {
 protected:
  bool Read(const std::string& text) {
    std::istringstream in(text);
    return ReadPlainBoard(current, in, out);
  }
  void ExpectUnchanged() {
    EXPECT_EQ(2u, current.n);
    EXPECT_EQ(start.tiles, current.tiles);
    EXPECT_EQ(2u, current.blank);
    EXPECT_EQ(2, current.initialSize);
  }
  const Board start = BoardOf(2, {1, 2, 0, 3});
  Board current{start};  // a copy: initialTiles and initialSize recorded
  std::ostringstream out;
};

}  // namespace

TEST_F(PlainBoard, AnySquareCountInAnyLayoutUntilTheFirstNonNumber) {
  const struct {
    const char* text;
    unsigned n;
    std::vector<int> tiles;
    unsigned blank;
  } cases[] = {
      {"1\t2\n\n3 4 5 6 7 8\n0", 3, {1, 2, 3, 4, 5, 6, 7, 8, 0}, 8},
      {"0", 1, {0}, 0},
      {"3 1 2 0 end of board 5 6", 2, {3, 1, 2, 0}, 3},
      {"5 5 -3 7", 2, {5, 5, -3, 7}, 0},  // duplicates, out of range, no blank: taken as they are
  };
  for (const auto& test : cases) {
    ASSERT_TRUE(Read(test.text)) << test.text;
    EXPECT_EQ(test.n, current.n) << test.text;
    EXPECT_EQ(test.tiles, current.tiles) << test.text;
    EXPECT_EQ(test.blank, current.blank) << test.text;
    EXPECT_EQ(static_cast<int>(test.n), current.initialSize);
    EXPECT_EQ(current.tiles, current.initialTiles);
  }
  EXPECT_EQ("", out.str());
}

TEST_F(PlainBoard, NoSquareCountNoNumberOrASideAboveTheLimitIsRefusedAndLeavesTheBoard) {
  std::string above;
  for (int i = 0; i < 101 * 101; ++i) above += std::to_string(i) + " ";
  for (const std::string& text :
       {std::string("1 2 3 4 5 6 7 8"), std::string("1 2 3 x 4"), std::string(),
        std::string("no numbers"), std::string("\x01\x02\0\xfe", 4), above}) {
    out.str("");
    EXPECT_FALSE(Read(text));
    EXPECT_EQ(text == above ? "Error - n must be <= 100\n" : "Error - board isn't n x n!",
              out.str());
    ExpectUnchanged();
  }
}

// What the failed boards and `npuzzle-study board` write (read back: StudyRunner, StudyProgram).
TEST_F(PlainBoard, WritesARowPerLine) {
  EXPECT_EQ("1 2 3\n4 5 6\n7 8 0\n", PlainBoardText(GoalBoard(3)));
  EXPECT_EQ("", PlainBoardText(GoalBoard(0)));
}
