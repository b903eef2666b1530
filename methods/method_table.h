// method_table.h: every solving method of the program as a value, in one table.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "board/board.h"
#include "solver/solve_result.h"

/// A solving method: the command that runs it, a one-line description, and the solve itself,
/// which works on a copy of the board and writes its progress and time line to the stream.
struct Method {
  const char* command;
  const char* description;
  SolveResult (*solve)(const Board& board, std::ostream& out);
};

/// The methods, in the order in which help lists them.
const std::vector<Method>& Methods();
/// The method run by the command, or nullptr.
const Method* FindMethod(const std::string& command);
