// plain_board_file.h: a board as whitespace-separated integers in row-major order, read and
// written.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "board/board.h"

/// Reads integers until the first token that is not one; the board is replaced only when their
/// count is the square of a side from 1 to 100. True when the board was replaced.
bool ReadPlainBoard(Board& board, std::istream& in, std::ostream& out);
/// ReadPlainBoard from the named file: silently nothing for no regular file, and "Failed to load
/// file: <name>" for one too large or unreadable.
bool LoadPlainFile(Board& board, const std::string& fileName, std::ostream& out);
/// The board as a plain board file holds it: a line per row, its values separated by spaces;
/// nothing for side 0.
std::string PlainBoardText(const Board& board);
/// Makes PlainBoardText the whole content of the named file, through ReplaceFile; false, the file
/// as it was, when it could not be written.
bool SavePlainFile(const Board& board, const std::string& fileName);
