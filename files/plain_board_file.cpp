// plain_board_file.cpp: a board read from a file of integers, and written as rows of them.
#include "files/plain_board_file.h"

#include <cmath>
#include <sstream>
#include <utility>
#include <vector>

#include "board/text_format.h"
#include "files/file_access.h"

bool ReadPlainBoard(Board& board, std::istream& in, std::ostream& out) {
  // Stop one value past the largest board, so a huge file is refused without being held.
  constexpr size_t most = static_cast<size_t>(MAX_SIDE) * MAX_SIDE;
  std::vector<int> tiles;
  int value;
  while (tiles.size() <= most && in >> value) tiles.push_back(value);
  if (tiles.size() > most) {
    out << "Error - n must be <= " << MAX_SIDE << "\n";
    return false;
  }
  const size_t count = tiles.size();
  const auto side = static_cast<unsigned>(std::sqrt(static_cast<double>(count)));
  // A file without a single number (empty, binary, text) is no board either; taking it for a
  // 0 x 0 one would silently throw the current board away.
  if (count == 0 || static_cast<size_t>(side) * side != count) {
    out << "Error - board isn't n x n!";
    return false;
  }
  board.TakeLoadedTiles(side, std::move(tiles));
  return true;
}

bool LoadPlainFile(Board& board, const std::string& fileName, std::ostream& out) {
  // A file above the limit is refused whole: the numbers of its beginning, the last perhaps cut
  // short, are not the board it holds.
  std::string text;
  const FileRead read = ReadRegularFile(fileName, text);
  if (read == FileRead::UNREADABLE) out << Format("Failed to load file: %s\n", fileName.c_str());
  if (read != FileRead::READ) return false;
  std::istringstream in(text);
  return ReadPlainBoard(board, in, out);
}

std::string PlainBoardText(const Board& board) {
  std::string text;
  // A board of side 0 has no rows, whatever cell it keeps.
  if (board.n == 0) return text;
  for (size_t cell = 0; cell < board.tiles.size(); ++cell) {
    text += std::to_string(board.tiles[cell]) + ((cell + 1) % board.n == 0 ? "\n" : " ");
  }
  return text;
}

bool SavePlainFile(const Board& board, const std::string& fileName) {
  return ReplaceFile(fileName, PlainBoardText(board));
}
