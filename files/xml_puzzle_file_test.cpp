// xml_puzzle_file_test.cpp: the SBPuzzle document written, read back, and refused.
#include "files/xml_puzzle_file.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <sstream>

#include "files/file_access.h"
#include "test_support/sample_boards.h"
#include "test_support/scratch_folder.h"

namespace {

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

}  // namespace

// Writing

// Pieces in the order of their cells, each at its cell and with its goal cell.
using XmlWrite = ScratchFolder;

TEST_F(XmlWrite, TwoByTwoBoardNodeByNode) {
  std::ostringstream out;
  ASSERT_TRUE(SaveXmlFile(BoardOf(2, {0, 3, 2, 1}), Path("b.xml"), out));
  const std::string piece =
      "    <Piece Width=\"1\" Height=\"1\" Color=\"-16777201\" VSliding=\"True\" "
      "HSliding=\"True\" Caption=\"";
  EXPECT_EQ(
      "<?xml version=\"1.0\" ?>\n"
      "<SBPuzzle Width=\"2\" Height=\"2\" IndirectPushAllowed=\"False\" "
      "MultiDirectionalMoves=\"False\" CompactLines=\"False\">\n" +
          piece +
          "3\">\n        <InitialPos Line=\"0\" Col=\"1\" />\n"
          "        <GoalPos Line=\"1\" Col=\"0\" />\n    </Piece>\n" +
          piece +
          "2\">\n        <InitialPos Line=\"1\" Col=\"0\" />\n"
          "        <GoalPos Line=\"0\" Col=\"1\" />\n    </Piece>\n" +
          piece +
          "1\">\n        <InitialPos Line=\"1\" Col=\"1\" />\n"
          "        <GoalPos Line=\"0\" Col=\"0\" />\n    </Piece>\n"
          "</SBPuzzle>\n",
      Read("b.xml"));
  EXPECT_EQ("", out.str());
}

// Reading

TEST_F(XmlRead, PiecesLandAtTheirCellsAndUnnamedCellsHoldZero) {
  const struct {
    std::string xml;
    std::vector<int> tiles;
  } cases[] = {
      {Puzzle(2, Piece(3, 0, 0) + Piece(1, 0, 1) + Piece(2, 1, 1)), {3, 1, 0, 2}},
      {Puzzle(2, Piece(7, 0, 3)), {0, 0, 0, 7}},  // a column past the row lands in a later row
  };
  for (const auto& test : cases) {
    ASSERT_TRUE(Read(test.xml)) << test.xml;
    EXPECT_EQ(2u, board.n);  // Height is ignored
    EXPECT_EQ(test.tiles, board.tiles) << test.xml;
  }
  EXPECT_EQ("", out.str());
}

// No root or no width is refused silently, the rest with the reason.
TEST_F(XmlRead, RefusalsLeaveTheBoard) {
  const std::string tooLarge = "Error - n must be <= 100\n", failed = "Failed to load from xml: ",
                    noGoal = "Element 'Piece' 6 has no element 'GoalPos' with 'Line' and 'Col'";
  const std::pair<std::string, std::string> cases[] = {
      {"<Other Width=\"3\" />", ""},
      {"<SBPuzzle Height=\"3\" />", ""},
      {"<SBPuzzle Width=\"three\" />", ""},
      {Puzzle(101, Piece(1, 0, 0)), tooLarge},
      {"<SBPuzzle Width=\"4294967296\" />", tooLarge},
      {"<SBPuzzle Width=\"99999999999999999999999\" />", tooLarge},
      {Puzzle(-1, ""), tooLarge},
      {Puzzle(4, Piece(1, 0, 0) + "<Piece><InitialPos Line=\"0\" Col=\"1\" /></Piece>"),
       failed + "Element 'Piece' has no attribute 'Caption'"},
      {Puzzle(4, Piece(1, 0, 0) + "<Piece Caption=\"5\"><GoalPos Line=\"0\" Col=\"1\" /></Piece>"),
       failed + "Element 'Piece' 5 has no element 'InitialPos'"},
      {Puzzle(4, "<Piece Caption=\"6\"><InitialPos Line=\"0\" /></Piece>"), failed + noGoal},
      {Puzzle(4, "<Piece Caption=\"6\"><InitialPos Col=\"0\" /></Piece>"), failed + noGoal},
      {Puzzle(4, Piece(1, 0, 0) + Piece(9, 4, 0)), failed + "tile 9 has wrong initial position"},
      {Puzzle(4, Piece(9, -1, 2)), failed + "tile 9 has wrong initial position"},
  };
  for (const auto& [xml, message] : cases) {
    out.str("");
    EXPECT_FALSE(Read(xml));
    EXPECT_EQ(message, out.str()) << xml;
    ExpectUnchanged();
  }
}

// Documents within the depth and attribute limits whose millions of nodes would take TinyXML
// gigabytes: each is refused just past the node limit, before TinyXML builds any of it.
TEST(XmlText, DocumentsOfTooManyNodesAreRefused) {
  std::string wide = "<a";
  for (size_t i = 0; i < MAX_XML_ATTRIBUTES; ++i) wide += " a" + std::to_string(i) + "=\"\"";
  const struct {
    std::string unit;
    size_t nodes;
  } units[] = {{"<b/>x", 2}, {"x<!>", 2}, {"<a/>", 1}, {wide + "/>", 1 + MAX_XML_ATTRIBUTES}};
  for (const auto& test : units) {
    std::string text = "<SBPuzzle Width=\"3\">";
    for (size_t nodes = 0; nodes < MAX_XML_NODES; nodes += test.nodes) text += test.unit;
    text += test.unit;
    TiXmlDocument document;
    EXPECT_FALSE(ParseXmlText(text, document)) << test.unit;
    EXPECT_EQ(nullptr, document.FirstChild()) << test.unit;
  }
}

// The largest board as save writes it, read back whole, and as an editor might lay it out: CRLF
// line ends, every attribute on a line of its own, all indented deep.
using XmlFile = ScratchFolder;

TEST_F(XmlFile, LargestBoardLoadsAsSavedAndReindented) {
  const Board saved = ShuffledBoard(MAX_SIDE);
  std::ostringstream out;
  ASSERT_TRUE(SaveXmlFile(saved, Path("largest.xml"), out));
  const std::string text = Read("largest.xml");
  std::string reindented;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == ' ' && i > 0 && text[i - 1] == '"')) {
      reindented += "\r\n" + std::string(48, ' ');
    } else {
      reindented += text[i];
    }
  }
  ASSERT_GT(reindented.size(), 4 * text.size());
  for (const std::string& layout : {text, reindented}) {
    Board loaded;
    EXPECT_TRUE(LoadXmlFile(loaded, Write("largest.xml", layout), out));
    EXPECT_EQ(saved.tiles, loaded.tiles);
    EXPECT_EQ(static_cast<int>(MAX_SIDE), loaded.initialSize);
    EXPECT_EQ(saved.tiles, loaded.initialTiles);
  }
  EXPECT_EQ("", out.str());
}
