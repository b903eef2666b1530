// user_boards.h: the boards a user brings to a study in files, and which of them must be solved.
#pragma once

#include <string>

#include "board/board.h"

/// Reads the file's board, as XML when its first non-blank character is '<', else plain; false,
/// with the reason in error, when that fails.
bool LoadUserBoard(const std::string& fileName, Board& board, std::string& error);

/// True when every method must solve the board: side 3 ... MAX_SIDE, the values a permutation
/// of 0 ... n^2-1, and the position solvable. A method is right to refuse any other board.
bool MustBeSolved(const Board& board);
