// command_loop.cpp: the command table and the commands that work on the current board.
#include "console/command_loop.h"

#include <climits>
#include <cstdlib>
#include <new>
#include <utility>

#include "console/solve_report.h"
#include "files/plain_board_file.h"
#include "files/xml_puzzle_file.h"
#include "methods/method_table.h"
#include "solver/position.h"
#include "solver/solution_optimizer.h"

// The commands in the order of the help, which lists the solving methods between the two
// tables; those without a help text are not listed. exit is run by the loop itself.
// clang-format off
const CommandLoop::Command CommandLoop::BOARD_COMMANDS[] = {
    {"help", "print this help", &CommandLoop::PrintHelp},
    {"cls", "clear screen", &CommandLoop::ClearScreen},
    {"load", "load puzzle from file", &CommandLoop::OnFileName<LoadXmlFile>},
    {"save", "save puzzle", &CommandLoop::OnFileName<SaveXmlFile>},
    {"new", "new puzzle n x n (tiles in their goal positions)", &CommandLoop::NewBoard},
    {"rand", "new puzzle n x n (random tiles positions)", &CommandLoop::RandomBoard},
    {"print", "print current puzzle", &CommandLoop::PrintCurrent},
    {"rmove", "do n random moves", &CommandLoop::RandomMoves},
    {"dl", nullptr, &CommandLoop::OnFileName<LoadPlainFile>},
    {"test", nullptr, &CommandLoop::Echo},
};
const CommandLoop::Command CommandLoop::SOLUTION_COMMANDS[] = {
    {"apply", "apply solution to current puzzle", &CommandLoop::ApplySolution},
    {"solution", "print solution", &CommandLoop::PrintSolution},
    {"exit", "exit the program", nullptr},
};
// clang-format on

CommandLoop::CommandLoop(std::istream& in, std::ostream& out) : in(in), out(out) {}

int CommandLoop::Run() {
  while (command != "exit") {
    RunCommand(command);
    if (endOfInput) break;
    out << "\n: ";
    if (!(in >> command)) break;
  }
  out.flush();
  // Output that could not be written (a full disk), or input that could not be read (a folder),
  // is no success.
  return out && !in.bad() ? 0 : 1;
}

void CommandLoop::RunCommand(const std::string& word) {
  // A command that runs out of memory (a huge document's tree) fails alone; the board stays.
  try {
    for (const Command& entry : BOARD_COMMANDS) {
      if (word == entry.word) return (this->*entry.action)();
    }
    for (const Command& entry : SOLUTION_COMMANDS) {
      if (word != entry.word) continue;
      if (entry.action != nullptr) (this->*entry.action)();
      return;
    }
    if (const Method* method = FindMethod(word)) {
      // Whatever this solve finds replaces what an earlier one left: a refusal, or a solve that
      // runs out of memory, leaves none.
      lastSolution.clear();
      optimizedSolution.clear();
      // The time line counts the solve, not the tables a first solve builds.
      method->Prepare();
      return ReportSolve(method->solve(board));
    }
  } catch (const std::bad_alloc&) {
    out << "Error - out of memory\n";
    return;
  }
  out << "\nBad command";
}

bool CommandLoop::ReadToken(const char* prompt, std::string& token) {
  out << prompt;
  if (in >> token) return true;
  endOfInput = true;
  return false;
}

bool CommandLoop::ReadNumber(const char* prompt, long long& value) {
  std::string token;
  if (!ReadToken(prompt, token)) return false;
  const size_t first = !token.empty() && (token[0] == '-' || token[0] == '+') ? 1 : 0;
  if (first == token.size() || token.find_first_not_of("0123456789", first) != token.npos) {
    out << "Error - '" << token << "' is not a number\n";
    return false;
  }
  // Values beyond the range of long long are clamped to it.
  value = std::strtoll(token.c_str(), nullptr, 10);
  return true;
}

bool CommandLoop::ReadSide(unsigned& side) {
  long long value = 0;
  if (!ReadNumber("\nInsert n : ", value)) return false;
  // A negative side reads as a huge unsigned one, and is refused the same way.
  if (value < 0 || value > static_cast<long long>(MAX_SIDE)) {
    out << "Error - n must be <= " << MAX_SIDE << "\n";
    return false;
  }
  side = static_cast<unsigned>(value);
  return true;
}

void CommandLoop::PrintHelp() {
  const auto line = [this](const char* word, const char* help) {
    if (help != nullptr) out << "\n\t" << word << "\t...\t" << help;
  };
  out << "\n ***(n^2-1) Puzzles***\n\n"
      << "List of commands:";
  for (const Command& entry : BOARD_COMMANDS) line(entry.word, entry.help);
  for (const Method& method : Methods()) {
    if (method.inHelp) line(method.command, method.description);
  }
  for (const Command& entry : SOLUTION_COMMANDS) line(entry.word, entry.help);
}

void CommandLoop::NewBoard() {
  unsigned side = 0;
  if (ReadSide(side)) board.TakeLoadedTiles(side, GoalTiles(side));
}

void CommandLoop::RandomBoard() {
  unsigned side = 0;
  if (ReadSide(side)) board.RandomBoard(side);
}

void CommandLoop::PrintCurrent() {
  board.PrintBoard(out);
}

void CommandLoop::RandomMoves() {
  long long value = 0;
  if (!ReadNumber("\nInsert number of moves: ", value)) return;
  if (value < INT_MIN || value > INT_MAX) {
    out << "Error - number of moves must lie between " << INT_MIN << " and " << INT_MAX << "\n";
    return;
  }
  Position position(board);
  position.RandomWalk(value);
  position.CopyTo(board);
  out << value << " random moves done";
}

void CommandLoop::ClearScreen() {
  out << "\x1b[2J\x1b[H";
}

void CommandLoop::Echo() {
  std::string token;
  if (ReadToken("", token)) out << token;
}

template <auto file>
void CommandLoop::OnFileName() {
  std::string name;
  if (ReadToken("\nInsert file name : ", name)) file(board, name, out);
}

void CommandLoop::ReportSolve(SolveResult result) {
  // Every method checks the board first, and that check warns as print does.
  if (board.BlankMisplaced()) out << BLANK_WARNING;
  WriteSolveOutcome(result, out);
  // A board that was solved already needs no moves and gets no report.
  if (!result.Solved() || result.moves.empty()) return;
  out << "\nSolution found! \n"
      << "\tlength:\t" << result.moves.size() << "\n";
  // Kept only once both forms are had, so that apply and solution never show two solves'.
  MoveSequence optimized = OptimizeSolution(result.moves);
  lastSolution = std::move(result.moves);
  optimizedSolution = std::move(optimized);
  out << "\nOptimized solution length:\t" << optimizedSolution.size() << "\n";
}

void CommandLoop::ApplySolution() {
  Board result(board);
  out << "\n...applying solution: \n"
      << "Solution: " << lastSolution << "\n"
      << "Result: ";
  MoveSequence refused;
  ApplyMoves(result, lastSolution, &refused);
  WriteMoveWarnings(out, lastSolution, refused);
  result.PrintBoard(out);
}

void CommandLoop::PrintSolution() {
  out << "\nOptimized solution: " << optimizedSolution << "\n"
      << "\tlength:\t" << optimizedSolution.size() << "\n";
}
