// command_loop.h: the interpreter that reads command words and runs them on the current board.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "board/board.h"
#include "solver/solve_result.h"

/// Owns a run's last command, solutions and current board; reads tokens from `in` and writes
/// every result to `out`.
class CommandLoop {
 public:
  CommandLoop(std::istream& in, std::ostream& out);

  /// Runs help, then prompts and runs commands until exit or the end of input; returns the
  /// program's exit code: 0, or 1 when the input could not be read or the output not all written.
  int Run();
  /// Runs one command word as the prompt would.
  void RunCommand(const std::string& word);

  /// The board the commands act on.
  const Board& CurrentBoard() const { return board; }

 private:
  struct Command {
    const char* word;
    const char* help;
    void (CommandLoop::*action)();
  };
  static const Command BOARD_COMMANDS[];
  static const Command SOLUTION_COMMANDS[];

  // Board commands
  void PrintHelp();
  void NewBoard();
  void RandomBoard();
  void PrintCurrent();
  void RandomMoves();
  void ClearScreen();
  void Echo();
  /// Asks for a file name and runs the file function (load, save, dl) on it and the board.
  template <auto file>
  void OnFileName();
  // Solve commands
  void ApplySolution();
  void PrintSolution();
  /// Takes a solve's result as the last solution and reports it: the lengths of the solution
  /// and of its optimized form, or the refusal's message.
  void ReportSolve(SolveResult result);

  // Reading arguments
  /// Writes the prompt and reads one token; false at the end of the input.
  bool ReadToken(const char* prompt, std::string& token);
  /// Writes the prompt and reads a whole decimal number with an optional sign; false at the end
  /// of the input, and with a message for anything else.
  bool ReadNumber(const char* prompt, long long& value);
  /// Reads a side for new and rand; false, with a message, for anything but 0 ... 100.
  bool ReadSide(unsigned& side);

  std::istream& in;
  std::ostream& out;
  bool endOfInput = false;

  std::string command = "help";
  MoveSequence lastSolution;
  MoveSequence optimizedSolution;
  Board board;
};
