// user_boards.h: the boards a user brings to a study in files.
#pragma once

#include <string>

#include "board/board.h"

/// Reads the file's board, as XML when its first non-blank character is '<', else plain; false,
/// with the reason in error, when that fails.
bool LoadUserBoard(const std::string& fileName, Board& board, std::string& error);
