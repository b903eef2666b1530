// user_boards.h: the boards a user brings to a study in files.
#pragma once

#include <string>
#include <vector>

#include "board/board.h"
#include "study/seeded_boards.h"

/// Reads the file's board, as XML when its first non-blank character is '<', else plain; false,
/// with the reason in error, when that fails.
bool LoadUserBoard(const std::string& fileName, Board& board, std::string& error);
/// The boards of the files, in the order given, each named by its file and index, appended to
/// boards; false, with "<file>: <reason>" in error, at the first that cannot be read.
bool LoadUserBoards(const std::vector<std::string>& fileNames, std::vector<StudyBoard>& boards,
                    std::string& error);
