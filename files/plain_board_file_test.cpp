// plain_board_file_test.cpp: boards read from files of integers, and the ones refused.
#include "files/plain_board_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace {

class PlainBoard : public ::testing::Test {
 protected:
  PlainBoard() {
    current.n = 2;
    current.tiles = {1, 2, 0, 3};
    current.FindBlank();
    current.initialSize = 2;
    current.initialTiles = current.tiles;
  }
  bool Read(const std::string& text) {
    std::istringstream in(text);
    return ReadPlainBoard(current, in, out);
  }
  void ExpectUnchanged() {
    EXPECT_EQ(2u, current.n);
    EXPECT_EQ((std::vector<int>{1, 2, 0, 3}), current.tiles);
    EXPECT_EQ(2u, current.blank);
    EXPECT_EQ(2, current.initialSize);
  }
  Board current;
  std::ostringstream out;
};

}  // namespace

TEST_F(PlainBoard, AnyLayoutOfNineNumbers) {
  for (const char* text :
       {"1 2 3\n4 5 6\n7 8 0\n", "1 2 3 4 5 6 7 8 0", "1\t2\n\n3 4 5 6 7 8\n0"}) {
    ASSERT_TRUE(Read(text)) << text;
    EXPECT_EQ(3u, current.n);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 0}), current.tiles);
    EXPECT_EQ(8u, current.blank);
    EXPECT_EQ(3, current.initialSize);
    EXPECT_EQ(current.tiles, current.initialTiles);
  }
  EXPECT_EQ("", out.str());
}

TEST_F(PlainBoard, SingleZeroIsTheOneByOneBoard) {
  ASSERT_TRUE(Read("0"));
  EXPECT_EQ(1u, current.n);
  EXPECT_EQ(std::vector<int>{0}, current.tiles);
}

TEST_F(PlainBoard, TrailingTextIsIgnored) {
  ASSERT_TRUE(Read("3 1 2 0 end of board 5 6"));
  EXPECT_EQ((std::vector<int>{3, 1, 2, 0}), current.tiles);
  EXPECT_EQ(3u, current.blank);
}

TEST_F(PlainBoard, CountNotASquareLeavesTheBoard) {
  EXPECT_FALSE(Read("1 2 3 4 5 6 7 8"));
  EXPECT_EQ("Error - board isn't n x n!", out.str());
  ExpectUnchanged();
  out.str("");
  EXPECT_FALSE(Read("1 2 3 x 4"));  // reading stops at x: three values
  EXPECT_EQ("Error - board isn't n x n!", out.str());
  ExpectUnchanged();
}

TEST_F(PlainBoard, RefusesASideAboveTheLimit) {
  std::string text;
  for (int i = 0; i < 101 * 101; ++i) text += std::to_string(i) + " ";
  EXPECT_FALSE(Read(text));
  EXPECT_EQ("Error - n must be <= 100\n", out.str());
  ExpectUnchanged();
}

TEST_F(PlainBoard, ValuesAreTakenAsTheyAre) {
  ASSERT_TRUE(Read("5 5 -3 7"));  // duplicates, out of range, no blank
  EXPECT_EQ((std::vector<int>{5, 5, -3, 7}), current.tiles);
  EXPECT_EQ(0u, current.blank);
}

TEST_F(PlainBoard, NothingToReadIsNoBoard) {
  for (const std::string& text :
       {std::string(), std::string("no numbers"), std::string("\x01\x02\0\xfe", 4)}) {
    out.str("");
    EXPECT_FALSE(Read(text));
    EXPECT_EQ("Error - board isn't n x n!", out.str());
    ExpectUnchanged();
  }
}

TEST_F(PlainBoard, FromAFile) {
  const std::string name = ::testing::TempDir() + "plain_board_" + std::to_string(getpid());
  std::ofstream(name) << "8 1 3\n4 0 2\n7 6 5\n";
  EXPECT_TRUE(LoadPlainFile(current, name, out));
  unlink(name.c_str());
  EXPECT_EQ((std::vector<int>{8, 1, 3, 4, 0, 2, 7, 6, 5}), current.tiles);
  EXPECT_EQ(4u, current.blank);
}
