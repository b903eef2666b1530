// method_table.h: every solving method of the program as a value, in one table.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/board.h"
#include "solver/solve_result.h"

/// A solving method: its command, description, solve (on a copy, writing nothing), whether the
/// start-up help lists it (the help predates the later methods), and what it prepares.
struct Method {
  const char* command;
  const char* description;
  SolveResult (*solve)(const Board& board);
  bool inHelp;
  /// Builds what the method's solves share and make on first use (tables), so that no timed
  /// solve pays for it; nullptr when there is nothing. Callers that time solves call it first.
  void (*prepare)() = nullptr;

  /// Runs prepare, if any.
  void Prepare() const {
    if (prepare != nullptr) prepare();
  }
};

/// The methods, in the order in which help lists them.
const std::vector<Method>& Methods();
/// The method run by the command, or nullptr.
const Method* FindMethod(const std::string& command);
/// The methods the commands name, each once, in the order given; all of them for none. Returns
/// the first command that names no method, if any.
std::optional<std::string> ChooseMethods(const std::vector<std::string>& commands,
                                         std::vector<Method>& methods);
