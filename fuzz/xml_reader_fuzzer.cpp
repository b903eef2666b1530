// xml_reader_fuzzer.cpp: any bytes as an XML puzzle file's text, read into a board, and the depth
// and size measured before parsing against the tree TinyXML builds.
#include <tinyxml.h>

#include <cstdint>
#include <string>

#include "files/xml_puzzle_file.h"
#include "files/xml_shape.h"
#include "fuzz/fuzz_checks.h"
#include "test_support/sample_boards.h"
#include "test_support/xml_tree.h"

namespace {

// The load refuses what is measured too deep or too large before TinyXML builds it, so the
// measures must never fall short of the depth TinyXML reaches and the nodes and attributes it
// makes, and should match them where TinyXML reads without an error. Inputs are small here, so
// TinyXML's recursion is safe.
void CheckMeasuredShape(const std::uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  text.append(XML_TEXT_PADDING, '\0');
  TiXmlDocument document;
  document.Parse(text.c_str());
  const size_t reached = ElementDepth(document);
  const size_t built = TreeSize(document);
  const XmlShape shape = MeasureXml(text.c_str(), {SIZE_MAX, SIZE_MAX, SIZE_MAX});
  Require(shape.depth >= reached, "measured depth below the depth TinyXML reached");
  Require(shape.nodes >= built, "measured nodes fewer than TinyXML built");
  if (!document.Error()) {
    Require(shape.depth == reached, "measured depth differs from TinyXML's");
    Require(shape.nodes == built, "measured nodes differ from TinyXML's");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  CheckMeasuredShape(data, size);
  Board board = BoardOf(3, {4, 1, 2, 0, 8, 3, 7, 6, 5});
  board.initialTiles = {9, 9};
  Board before;
  before = board;  // assignment keeps every field; a copy would record the tiles as initial
  DiscardingStream out;
  // What the load does once it has read the file's bytes.
  TiXmlDocument document;
  const bool loaded =
      ParseXmlText(std::string(reinterpret_cast<const char*>(data), size), document) &&
      ReadXmlPuzzle(document, board, out);
  CheckBoard(board, "after load");
  if (!loaded) Require(SameBoard(before, board), "a file that failed to load changed the board");
  // A board that was read became the one recorded as loaded.
  if (!SameBoard(before, board)) {
    Require(board.initialTiles == board.tiles, "loaded board without its initial tiles");
    Require(board.initialSize == static_cast<int>(board.n), "loaded board without its size");
  }
  return 0;
}
