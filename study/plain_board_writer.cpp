// plain_board_writer.cpp: rows of numbers, the layout the README shows for dl's files.
#include "study/plain_board_writer.h"

#include "files/file_access.h"

std::string PlainBoardText(const Board& board) {
  std::string text;
  for (size_t cell = 0; cell < board.tiles.size(); ++cell) {
    text += std::to_string(board.tiles[cell]) + ((cell + 1) % board.n == 0 ? "\n" : " ");
  }
  return text;
}

bool SavePlainFile(const Board& board, const std::string& fileName) {
  return ReplaceFile(fileName, PlainBoardText(board));
}
