// xml_puzzle_file_test.cpp: the SBPuzzle document written, read back, and refused.
#include "files/xml_puzzle_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tinyxml.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <sstream>

#include "test_support/sample_boards.h"

namespace {

std::string ReadAll(const std::string& name) {
  std::ifstream file(name);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// Reads the document text into a copy of a 3 x 3 board; `board` and `out` tell what happened.
class XmlRead : public ::testing::Test {
 protected:
  bool Read(const std::string& xml) {
    TiXmlDocument document;
    document.Parse(xml.c_str());
    EXPECT_FALSE(document.Error()) << xml;
    return ReadXmlPuzzle(document, board, out);
  }
  static std::string Puzzle(int width, const std::string& pieces) {
    return "<?xml version=\"1.0\" ?><SBPuzzle Width=\"" + std::to_string(width) +
           "\" Height=\"7\">" + pieces + "</SBPuzzle>";
  }
  static std::string Piece(int caption, int line, int col) {
    return "<Piece Caption=\"" + std::to_string(caption) + "\"><InitialPos Line=\"" +
           std::to_string(line) + "\" Col=\"" + std::to_string(col) + "\" /></Piece>";
  }
  void ExpectUnchanged() {
    EXPECT_EQ(3u, board.n);
    EXPECT_EQ(original.tiles, board.tiles);
    EXPECT_EQ(original.blank, board.blank);
  }

  const Board original = BoardOf(3, {1, 2, 3, 4, 5, 6, 7, 0, 8});
  Board board = original;
  std::ostringstream out;
};

class XmlFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = ::testing::TempDir() + "xml_puzzle_file_test_" + std::to_string(getpid());
    mkdir(folder.c_str(), 0755);
  }
  void TearDown() override {
    for (const char* name : {"/board.xml", "/bad.xml", "/empty.xml"}) {
      unlink((folder + name).c_str());
    }
    rmdir(folder.c_str());
  }
  std::string folder;
  std::ostringstream out;
};

}  // namespace

// Writing

TEST(XmlWrite, TwoByTwoBoardNodeByNode) {
  TiXmlDocument document;
  std::ostringstream out;
  BuildXmlPuzzle(BoardOf(2, {1, 2, 3, 0}), document, out);
  TiXmlPrinter printer;
  document.Accept(&printer);
  const std::string piece =
      "    <Piece Width=\"1\" Height=\"1\" Color=\"-16777201\" VSliding=\"True\" "
      "HSliding=\"True\" Caption=\"";
  EXPECT_EQ(
      "<?xml version=\"1.0\" ?>\n"
      "<SBPuzzle Width=\"2\" Height=\"2\" IndirectPushAllowed=\"False\" "
      "MultiDirectionalMoves=\"False\" CompactLines=\"False\">\n" +
          piece +
          "1\">\n        <InitialPos Line=\"0\" Col=\"0\" />\n"
          "        <GoalPos Line=\"0\" Col=\"0\" />\n    </Piece>\n" +
          piece +
          "2\">\n        <InitialPos Line=\"0\" Col=\"1\" />\n"
          "        <GoalPos Line=\"0\" Col=\"1\" />\n    </Piece>\n" +
          piece +
          "3\">\n        <InitialPos Line=\"1\" Col=\"0\" />\n"
          "        <GoalPos Line=\"1\" Col=\"0\" />\n    </Piece>\n"
          "</SBPuzzle>\n",
      printer.Str());
  EXPECT_EQ("", out.str());
}

TEST(XmlWrite, CurrentAndGoalCellsDiffer) {
  TiXmlDocument document;
  std::ostringstream out;
  BuildXmlPuzzle(BoardOf(2, {0, 3, 2, 1}), document, out);
  const TiXmlElement* piece = document.FirstChildElement("SBPuzzle")->FirstChildElement("Piece");
  ASSERT_NE(nullptr, piece);
  EXPECT_STREQ("3", piece->Attribute("Caption"));
  EXPECT_STREQ("1", piece->FirstChildElement("InitialPos")->Attribute("Col"));
  EXPECT_STREQ("1", piece->FirstChildElement("GoalPos")->Attribute("Line"));
  EXPECT_STREQ("0", piece->FirstChildElement("GoalPos")->Attribute("Col"));
}

TEST(XmlWrite, EmptyBoardHasNoPieces) {
  TiXmlDocument document;
  std::ostringstream out;
  BuildXmlPuzzle(Board(), document, out);
  const TiXmlElement* root = document.FirstChildElement("SBPuzzle");
  ASSERT_NE(nullptr, root);
  EXPECT_STREQ("0", root->Attribute("Width"));
  EXPECT_STREQ("0", root->Attribute("Height"));
  EXPECT_EQ(nullptr, root->FirstChildElement("Piece"));
}

// Reading

TEST_F(XmlRead, PiecesLandAtTheirCells) {
  ASSERT_TRUE(Read(Puzzle(2, Piece(3, 0, 0) + Piece(1, 0, 1) + Piece(2, 1, 1))));
  EXPECT_EQ(2u, board.n);
  EXPECT_EQ((std::vector<int>{3, 1, 0, 2}), board.tiles);
  EXPECT_EQ("", out.str());
}

TEST_F(XmlRead, UnnamedCellsHoldZero) {
  ASSERT_TRUE(Read(Puzzle(2, Piece(1, 0, 1) + Piece(2, 1, 1))));
  EXPECT_EQ((std::vector<int>{0, 1, 0, 2}), board.tiles);
  ASSERT_TRUE(Read(Puzzle(2, "")));
  EXPECT_EQ((std::vector<int>{0, 0, 0, 0}), board.tiles);
}

TEST_F(XmlRead, ColumnPastTheRowLandsInALaterRow) {
  ASSERT_TRUE(Read(Puzzle(4, Piece(7, 0, 5))));
  EXPECT_EQ(7, board.tiles[5]);
}

TEST_F(XmlRead, HeightIsIgnored) {
  ASSERT_TRUE(Read(Puzzle(3, Piece(1, 2, 2))));
  EXPECT_EQ(3u, board.n);
}

TEST_F(XmlRead, NoRootOrNoWidthIsSilent) {
  EXPECT_FALSE(Read("<Other Width=\"3\" />"));
  EXPECT_FALSE(Read("<SBPuzzle Height=\"3\" />"));
  EXPECT_FALSE(Read("<SBPuzzle Width=\"three\" />"));
  EXPECT_EQ("", out.str());
  ExpectUnchanged();
}

TEST_F(XmlRead, RefusesASideAboveTheLimit) {
  EXPECT_FALSE(Read(Puzzle(100000, Piece(1, 0, 0))));
  EXPECT_EQ("Error - n must be <= 100\n", out.str());
  out.str("");
  EXPECT_FALSE(Read("<SBPuzzle Width=\"4294967296\" />"));
  EXPECT_FALSE(Read("<SBPuzzle Width=\"99999999999999999999999\" />"));
  EXPECT_FALSE(Read(Puzzle(-1, "")));
  EXPECT_EQ("Error - n must be <= 100\nError - n must be <= 100\nError - n must be <= 100\n",
            out.str());
  ExpectUnchanged();
  EXPECT_TRUE(Read(Puzzle(100, "")));
  EXPECT_EQ(10000u, board.tiles.size());
}

TEST_F(XmlRead, FailuresNameThePieceAndLeaveTheBoard) {
  const struct {
    std::string pieces;
    std::string message;
  } cases[] = {
      {Piece(1, 0, 0) + "<Piece><InitialPos Line=\"0\" Col=\"1\" /></Piece>",
       "Failed to load from xml: Element 'Piece' has no attribute 'Caption'"},
      {Piece(1, 0, 0) + "<Piece Caption=\"5\"><GoalPos Line=\"0\" Col=\"1\" /></Piece>",
       "Failed to load from xml: Element 'Piece' 5 has no element 'InitialPos'"},
      {"<Piece Caption=\"6\"><InitialPos Line=\"0\" /></Piece>",
       "Failed to load from xml: Element 'Piece' 6 has no element 'GoalPos' with 'Line' and "
       "'Col'"},
      {"<Piece Caption=\"6\"><InitialPos Col=\"0\" /></Piece>",
       "Failed to load from xml: Element 'Piece' 6 has no element 'GoalPos' with 'Line' and "
       "'Col'"},
      {Piece(1, 0, 0) + Piece(9, 4, 0),
       "Failed to load from xml: tile 9 has wrong initial position"},
      {Piece(9, -1, 2), "Failed to load from xml: tile 9 has wrong initial position"},
  };
  for (const auto& test : cases) {
    out.str("");
    EXPECT_FALSE(Read(Puzzle(4, test.pieces)));
    EXPECT_EQ(test.message, out.str());
    ExpectUnchanged();
  }
}

// Files

TEST_F(XmlFile, SaveAndLoadRoundTrip) {
  const std::string name = folder + "/board.xml";
  const Board saved = BoardOf(3, {4, 1, 2, 0, 8, 3, 7, 6, 5});
  ASSERT_TRUE(SaveXmlFile(saved, name, out));
  Board loaded;
  ASSERT_TRUE(LoadXmlFile(loaded, name, out));
  EXPECT_EQ(saved.n, loaded.n);
  EXPECT_EQ(saved.tiles, loaded.tiles);
  EXPECT_EQ(3u, loaded.blank);
  EXPECT_EQ(3, loaded.initialSize);
  EXPECT_EQ(saved.tiles, loaded.initialTiles);
  EXPECT_EQ("", out.str());
}

TEST_F(XmlFile, TwoUnnamedCellsTakeTheFirstAsBlank) {
  const std::string name = folder + "/board.xml";
  std::ofstream(name) << "<SBPuzzle Width=\"2\">"
                      << "<Piece Caption=\"1\"><InitialPos Line=\"0\" "
                      << "Col=\"1\" /></Piece><Piece Caption=\"3\"><InitialPos Line=\"1\" "
                      << "Col=\"1\" /></Piece></SBPuzzle>";
  Board board;
  ASSERT_TRUE(LoadXmlFile(board, name, out));
  EXPECT_EQ((std::vector<int>{0, 1, 0, 3}), board.tiles);
  EXPECT_EQ(0u, board.blank);
}

TEST_F(XmlFile, MissingMalformedAndFolderAreReported) {
  Board board = BoardOf(2, {1, 2, 0, 3});
  const std::string bad = folder + "/bad.xml";
  std::ofstream(bad) << "<SBPuzzle Width=\"2\"><Piece";
  const std::string empty = folder + "/empty.xml";
  std::ofstream(empty) << "";
  for (const std::string& name : {folder + "/missing.xml", bad, empty, folder}) {
    out.str("");
    EXPECT_FALSE(LoadXmlFile(board, name, out));
    EXPECT_EQ("Failed to load file: " + name + "\n", out.str());
    EXPECT_EQ((std::vector<int>{1, 2, 0, 3}), board.tiles);
    EXPECT_EQ(2u, board.blank);
  }
}

TEST_F(XmlFile, ForeignRootLoadsNothingAndSaysNothing) {
  const std::string name = folder + "/board.xml";
  std::ofstream(name) << "<?xml version=\"1.0\" ?><Other Width=\"2\" />";
  Board board = BoardOf(2, {1, 2, 0, 3});
  EXPECT_TRUE(LoadXmlFile(board, name, out));
  EXPECT_EQ("", out.str());
  EXPECT_EQ((std::vector<int>{1, 2, 0, 3}), board.tiles);
}

TEST_F(XmlFile, FailedSaveIsReportedAndKeepsTheOldFile) {
  const std::string name = folder + "/board.xml";
  ASSERT_TRUE(SaveXmlFile(BoardOf(2, {1, 2, 3, 0}), name, out));
  const std::string before = ReadAll(name);
  // A folder in the way of the target: the rename fails, and nothing is left behind.
  EXPECT_FALSE(SaveXmlFile(BoardOf(2, {1, 2, 3, 0}), folder, out));
  EXPECT_EQ("Failed to save file: " + folder + "\n", out.str());
  out.str("");
  const std::string nowhere = folder + "/no/such/folder.xml";
  EXPECT_FALSE(SaveXmlFile(BoardOf(2, {3, 2, 1, 0}), nowhere, out));
  EXPECT_EQ("Failed to save file: " + nowhere + "\n", out.str());
  EXPECT_EQ(before, ReadAll(name));
  // No temporary file is left behind.
  const auto entries = std::distance(std::filesystem::directory_iterator(folder),
                                     std::filesystem::directory_iterator());
  EXPECT_EQ(1, entries);
}
