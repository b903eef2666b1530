// plain_board_file.h: a board as whitespace-separated integers in row-major order.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "board/board.h"

/// Reads integers until the first token that is not one; the board is replaced only when their
/// count is the square of a side from 1 to 100. True when the board was replaced.
bool ReadPlainBoard(Board& board, std::istream& in, std::ostream& out);
/// ReadPlainBoard from the named file. A name that is no regular file that can be opened (a FIFO,
/// a device, a folder) changes nothing, silently; a file above MAX_FILE_BYTES, or one that
/// cannot be read, changes nothing and writes "Failed to load file: <name>".
bool LoadPlainFile(Board& board, const std::string& fileName, std::ostream& out);
