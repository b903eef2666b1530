// plain_board_writer.h: a study's board written as a plain board file, the file that dl reads.
#pragma once

#include <string>

#include "board/board.h"

/// The board as a plain board file holds it: a line per row, its values separated by spaces.
std::string PlainBoardText(const Board& board);

/// Makes PlainBoardText the whole content of the named file, through ReplaceFile as save writes
/// its files. False when the file could not be written; it is then as it was.
bool SavePlainFile(const Board& board, const std::string& fileName);
