// xml_puzzle_file.cpp: writing and reading the SBPuzzle XML document through TinyXML.
#include "files/xml_puzzle_file.h"

#include <tinyxml.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "board/text_format.h"
#include "files/file_access.h"
#include "files/xml_shape.h"

namespace {

// Reads an attribute that begins with a decimal integer. A missing attribute, or one whose value
// does not begin with a number that fits the range, reads as missing; a number beyond even a
// long long reads as the nearest one that is.
bool ReadInt(const TiXmlElement& element, const char* name, long long& value,
             long long low = INT_MIN, long long high = INT_MAX) {
  const char* text = element.Attribute(name);
  if (text == nullptr) return false;
  char* end = nullptr;
  const long long parsed = std::strtoll(text, &end, 10);
  if (end == text || parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

void SetCell(const Board& board, TiXmlElement& element, unsigned index) {
  const Coord cell = board.PositionToCoord(index);
  element.SetAttribute("Line", static_cast<int>(cell.row));
  element.SetAttribute("Col", static_cast<int>(cell.col));
}

}  // namespace

bool SaveXmlFile(const Board& board, const std::string& fileName, std::ostream& out) {
  TiXmlDocument document;
  document.LinkEndChild(new TiXmlDeclaration("1.0", "", ""));
  auto* root = new TiXmlElement("SBPuzzle");
  root->SetAttribute("Width", static_cast<int>(board.n));
  root->SetAttribute("Height", static_cast<int>(board.n));
  root->SetAttribute("IndirectPushAllowed", "False");
  root->SetAttribute("MultiDirectionalMoves", "False");
  root->SetAttribute("CompactLines", "False");

  TiXmlElement piece("Piece");
  piece.SetAttribute("Width", 1);
  piece.SetAttribute("Height", 1);
  piece.SetAttribute("Color", "-16777201");
  piece.SetAttribute("VSliding", "True");
  piece.SetAttribute("HSliding", "True");
  TiXmlElement initialPos("InitialPos");
  TiXmlElement goalPos("GoalPos");
  for (unsigned i = 0; i < board.tiles.size(); ++i) {
    const int t = board.tiles[i];
    if (t == 0) continue;
    piece.SetAttribute("Caption", t);
    piece.Clear();
    SetCell(board, initialPos, i);
    piece.InsertEndChild(initialPos);
    // A tile of no goal cell is written at cell 0, with the words that say so (below).
    SetCell(board, goalPos, board.GetGoalPosition(t));
    piece.InsertEndChild(goalPos);
    root->InsertEndChild(piece);
  }
  document.LinkEndChild(root);
  WriteGoalFaults(out, board);
  TiXmlPrinter printer;
  document.Accept(&printer);
  const bool saved = ReplaceFile(fileName, printer.Str());
  if (!saved) out << Format("Failed to save file: %s\n", fileName.c_str());
  return saved;
}

bool ReadXmlPuzzle(const TiXmlDocument& document, Board& board, std::ostream& out) {
  const TiXmlElement* root = document.FirstChildElement("SBPuzzle");
  if (root == nullptr) return false;
  long long n = 0;
  if (!ReadInt(*root, "Width", n, LLONG_MIN, LLONG_MAX)) return false;
  if (n < 0 || n > static_cast<long long>(MAX_SIDE)) {
    out << "Error - n must be <= " << MAX_SIDE << "\n";
    return false;
  }
  // The pieces go into a board of their own, so that a file that fails half-way leaves the
  // current board as it was.
  std::vector<int> tiles(static_cast<size_t>(n * n), 0);
  for (const TiXmlElement* piece = root->FirstChildElement("Piece"); piece != nullptr;
       piece = piece->NextSiblingElement("Piece")) {
    long long tile = 0;
    if (!ReadInt(*piece, "Caption", tile)) {
      out << "Failed to load from xml: Element 'Piece' has no attribute 'Caption'";
      return false;
    }
    const TiXmlElement* position = piece->FirstChildElement("InitialPos");
    if (position == nullptr) {
      out << Format("Failed to load from xml: Element 'Piece' %lld has no element 'InitialPos'",
                    tile);
      return false;
    }
    long long row = 0, col = 0;
    if (!ReadInt(*position, "Line", row) || !ReadInt(*position, "Col", col)) {
      out << Format(
          "Failed to load from xml: Element 'Piece' %lld has no element 'GoalPos' with "
          "'Line' and 'Col'",
          tile);
      return false;
    }
    const long long index = n * row + col;
    if (index < 0 || index >= n * n) {
      out << Format("Failed to load from xml: tile %lld has wrong initial position", tile);
      return false;
    }
    tiles[static_cast<size_t>(index)] = static_cast<int>(tile);
  }
  board.TakeLoadedTiles(static_cast<unsigned>(n), std::move(tiles));
  return true;
}

bool ParseXmlText(std::string text, TiXmlDocument& document) {
  text.resize(std::strlen(text.c_str()));
  size_t kept = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    text[kept++] = c == '\r' ? '\n' : c;
    if (c == '\r' && text[i + 1] == '\n') ++i;
  }
  text.resize(kept);
  text.append(XML_TEXT_PADDING, '\0');
  const XmlShape limits{MAX_XML_DEPTH, MAX_XML_ATTRIBUTES, MAX_XML_NODES};
  const XmlShape shape = MeasureXml(text.c_str(), limits);
  if (shape.depth > limits.depth || shape.attributes > limits.attributes ||
      shape.nodes > limits.nodes) {
    return false;
  }
  document.Parse(text.c_str());
  return !document.Error();
}

bool LoadXmlFile(Board& board, const std::string& fileName, std::ostream& out) {
  std::string text;
  TiXmlDocument document;
  if (ReadRegularFile(fileName, text) != FileRead::READ ||
      !ParseXmlText(std::move(text), document)) {
    out << Format("Failed to load file: %s\n", fileName.c_str());
    return false;
  }
  ReadXmlPuzzle(document, board, out);
  return true;
}
