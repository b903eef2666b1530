// xml_puzzle_file.cpp: writing and reading the SBPuzzle XML document through TinyXML.
#include "files/xml_puzzle_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <tinyxml.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "board/text_format.h"

namespace {

// Reads an attribute that begins with a decimal integer. A missing attribute, or one whose value
// does not begin with a number that fits the range, reads as missing; a number beyond even a
// long long reads as the nearest one that is.
bool ReadIntAttribute(const TiXmlElement& element, const char* name, long long low, long long high,
                      long long& value) {
  const char* text = element.Attribute(name);
  if (text == nullptr) return false;
  char* end = nullptr;
  const long long parsed = std::strtoll(text, &end, 10);
  if (end == text || parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

bool ReadInt(const TiXmlElement& element, const char* name, long long& value) {
  return ReadIntAttribute(element, name, INT_MIN, INT_MAX, value);
}

// The permissions a new file of that name would get: those of the file it replaces, or the
// default for new files.
mode_t ModeFor(const std::string& fileName) {
  struct stat existing;
  if (stat(fileName.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    return existing.st_mode & 07777;
  }
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Prints the document into a temporary file beside the target and renames it over the target
// only when every byte reached the disk, so a failed save never leaves a half-written file.
bool WriteDocument(const TiXmlDocument& document, const std::string& fileName) {
  std::vector<char> tempName(fileName.begin(), fileName.end());
  for (const char c : std::string(".XXXXXX")) tempName.push_back(c);
  tempName.push_back('\0');
  const int descriptor = mkstemp(tempName.data());
  if (descriptor < 0) return false;
  fchmod(descriptor, ModeFor(fileName));
  FILE* file = fdopen(descriptor, "w");
  if (file == nullptr) {
    close(descriptor);
    unlink(tempName.data());
    return false;
  }
  bool written = document.SaveFile(file);
  if (std::fflush(file) != 0 || std::ferror(file) != 0) written = false;
  if (std::fclose(file) != 0) written = false;
  if (written && std::rename(tempName.data(), fileName.c_str()) != 0) written = false;
  if (!written) unlink(tempName.data());
  return written;
}

void SetCell(const Board& board, TiXmlElement& element, unsigned index, std::ostream& out) {
  Coord cell;
  board.PositionToCoord(index, cell, out);
  element.SetAttribute("Line", static_cast<int>(cell.row));
  element.SetAttribute("Col", static_cast<int>(cell.col));
}

}  // namespace

void BuildXmlPuzzle(const Board& board, TiXmlDocument& document, std::ostream& out) {
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
    SetCell(board, initialPos, i, out);
    piece.InsertEndChild(initialPos);
    SetCell(board, goalPos, board.GetGoalPosition(t, out), out);
    piece.InsertEndChild(goalPos);
    root->InsertEndChild(piece);
  }
  document.LinkEndChild(root);
}

bool SaveXmlFile(const Board& board, const std::string& fileName, std::ostream& out) {
  TiXmlDocument document;
  BuildXmlPuzzle(board, document, out);
  const bool saved = WriteDocument(document, fileName);
  if (!saved) out << Format("Failed to save file: %s\n", fileName.c_str());
  return saved;
}

bool ReadXmlPuzzle(const TiXmlDocument& document, Board& board, std::ostream& out) {
  const TiXmlElement* root = document.FirstChildElement("SBPuzzle");
  if (root == nullptr) return false;
  long long width = 0;
  if (!ReadIntAttribute(*root, "Width", LLONG_MIN, LLONG_MAX, width)) return false;
  if (width < 0 || width > static_cast<long long>(MAX_SIDE)) {
    out << "Error - n must be <= " << MAX_SIDE << "\n";
    return false;
  }
  // The pieces go into a board of their own, so that a file that fails half-way leaves the
  // current board as it was.
  const long long n = width;
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
      out << Format("Failed to load from xml: Element 'Piece' %d has no element 'InitialPos'",
                    static_cast<int>(tile));
      return false;
    }
    long long row = 0, col = 0;
    if (!ReadInt(*position, "Line", row) || !ReadInt(*position, "Col", col)) {
      out << Format(
          "Failed to load from xml: Element 'Piece' %d has no element 'GoalPos' with 'Line' and "
          "'Col'",
          static_cast<int>(tile));
      return false;
    }
    const long long index = n * row + col;
    if (index < 0 || index >= n * n) {
      out << Format("Failed to load from xml: tile %d has wrong initial position",
                    static_cast<int>(tile));
      return false;
    }
    tiles[static_cast<size_t>(index)] = static_cast<int>(tile);
  }
  board.n = static_cast<unsigned>(n);
  board.tiles.swap(tiles);
  return true;
}

bool LoadXmlFile(Board& board, const std::string& fileName, std::ostream& out) {
  TiXmlDocument document(fileName.c_str());
  struct stat status;
  const bool isFolder = stat(fileName.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
  if (isFolder || !document.LoadFile()) {
    out << Format("Failed to load file: %s\n", fileName.c_str());
    return false;
  }
  if (ReadXmlPuzzle(document, board, out)) {
    board.initialSize = static_cast<int>(board.n);
    board.initialTiles = board.tiles;
    board.FindBlank();
  }
  return true;
}
