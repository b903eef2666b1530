// command_loop.cpp: the command table and the commands that work on the current board.
#include "console/command_loop.h"

#include <climits>
#include <cstdlib>
#include <new>

#include "files/plain_board_file.h"
#include "files/xml_puzzle_file.h"
#include "parberry/parberry_solver.h"
#include "solver/solution_optimizer.h"

namespace {

// The text as a whole decimal integer (optional sign); false for anything else. Values beyond
// the range of long long are clamped to it.
bool ParseInteger(const std::string& text, long long& value) {
  const size_t first = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  if (first == text.size()) return false;
  for (size_t i = first; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  value = std::strtoll(text.c_str(), nullptr, 10);
  return true;
}

void ReportNotANumber(std::ostream& out, const std::string& token) {
  out << "Error - '" << token << "' is not a number\n";
}

}  // namespace

// In the order in which the words are tested; exit is tested by the loop itself.
// clang-format off
const CommandLoop::Command CommandLoop::COMMANDS[] = {
    {"help", &CommandLoop::PrintHelp},
    {"load", &CommandLoop::LoadXml},
    {"save", &CommandLoop::SaveXml},
    {"new", &CommandLoop::NewBoard},
    {"rand", &CommandLoop::RandomBoard},
    {"print", &CommandLoop::PrintCurrent},
    {"rmove", &CommandLoop::RandomMoves},
    {"solve", &CommandLoop::SolveByParberry},
    {"solve2", &CommandLoop::SolveBySnakes},
    {"apply", &CommandLoop::ApplySolution},
    {"solution", &CommandLoop::PrintSolution},
    {"dl", &CommandLoop::LoadPlain},
    {"cls", &CommandLoop::ClearScreen},
    {"test", &CommandLoop::Echo},
};
// clang-format on

CommandLoop::CommandLoop(std::istream& in, std::ostream& out)
    : in(in), out(out), solver(out), snakeSolver(out) {}

int CommandLoop::Run() {
  while (command != "exit") {
    RunCommand(command);
    if (endOfInput) break;
    out << "\n: ";
    if (!(in >> command)) break;
  }
  out.flush();
  return 0;
}

void CommandLoop::RunCommand(const std::string& word) {
  for (const Command& entry : COMMANDS) {
    if (word == entry.word) {
      // A command that runs out of memory (a huge document's tree) fails alone; the board stays.
      try {
        (this->*entry.action)();
      } catch (const std::bad_alloc&) {
        out << "Error - out of memory\n";
      }
      return;
    }
  }
  out << "\nBad command";
}

bool CommandLoop::ReadToken(const char* prompt, std::string& token) {
  out << prompt;
  if (in >> token) return true;
  endOfInput = true;
  return false;
}

bool CommandLoop::ReadSide(unsigned& side) {
  std::string token;
  if (!ReadToken("\nInsert n : ", token)) return false;
  long long value = 0;
  if (!ParseInteger(token, value)) {
    ReportNotANumber(out, token);
    return false;
  }
  // A negative side reads as a huge unsigned one, and is refused the same way.
  if (value < 0 || value > static_cast<long long>(MAX_SIDE)) {
    out << "Error - n must be <= " << MAX_SIDE << "\n";
    return false;
  }
  side = static_cast<unsigned>(value);
  return true;
}

void CommandLoop::PrintHelp() {
  out << "\n ***(n^2-1) Puzzles***\n\n"
      << "List of commands:"
      << "\n\thelp\t...\tprint this help"
      << "\n\tcls\t...\tclear screen"
      << "\n\tload\t...\tload puzzle from file"
      << "\n\tsave\t...\tsave puzzle"
      << "\n\tnew\t...\tnew puzzle n x n (tiles in their goal positions)"
      << "\n\trand\t...\tnew puzzle n x n (random tiles positions)"
      << "\n\tprint\t...\tprint current puzzle"
      << "\n\trmove\t...\tdo n random moves"
      << "\n\tsolve\t...\tsolve current puzzle (Parberry)"
      << "\n\tsolve2\t...\tsolve current puzzle ('Snakes')"
      << "\n\tapply\t...\tapply solution to current puzzle"
      << "\n\tsolution\t...\tprint solution"
      << "\n\texit\t...\texit the program";
}

void CommandLoop::NewBoard() {
  unsigned side = 0;
  if (!ReadSide(side)) return;
  // 1, 2, ..., n^2 - 1, then the blank; for sides 0 and 1 just the blank.
  std::vector<int> goal;
  goal.reserve(static_cast<size_t>(side) * side);
  for (unsigned t = 1; t < side * side; ++t) goal.push_back(static_cast<int>(t));
  goal.push_back(0);
  board.initialTiles = goal;
  board.tiles.swap(goal);
  board.FindBlank();
  board.n = side;
}

void CommandLoop::RandomBoard() {
  unsigned side = 0;
  if (ReadSide(side)) board.RandomBoard(side, out);
}

void CommandLoop::PrintCurrent() {
  board.PrintBoard(out);
}

void CommandLoop::RandomMoves() {
  std::string token;
  if (!ReadToken("\nInsert number of moves: ", token)) return;
  long long value = 0;
  if (!ParseInteger(token, value)) {
    ReportNotANumber(out, token);
    return;
  }
  if (value < INT_MIN || value > INT_MAX) {
    out << "Error - number of moves must lie between " << INT_MIN << " and " << INT_MAX << "\n";
    return;
  }
  const int k = static_cast<int>(value);
  for (int i = 0; i < k; ++i) {
    if (!board.RandomMove()) break;
  }
  out << k << " random moves done";
}

void CommandLoop::ClearScreen() {
  out << "\x1b[2J\x1b[H";
}

void CommandLoop::Echo() {
  std::string token;
  if (in >> token) {
    out << token;
  } else {
    endOfInput = true;
  }
}

void CommandLoop::LoadXml() {
  std::string name;
  if (ReadToken("\nInsert file name : ", name)) LoadXmlFile(board, name, out);
}

void CommandLoop::SaveXml() {
  std::string name;
  if (ReadToken("\nInsert file name : ", name)) SaveXmlFile(board, name, out);
}

void CommandLoop::LoadPlain() {
  std::string name;
  if (ReadToken("\nInsert file name : ", name)) LoadPlainFile(board, name, out);
}

void CommandLoop::SolveByParberry() {
  solver.board = board;
  lastSolution.clear();
  lastSolution = parberry::SolveParberry(solver);
  ReportSolution();
}

void CommandLoop::SolveBySnakes() {
  snakeSolver.SetPuzzle(board);
  lastSolution.clear();
  lastSolution = snakeSolver.SolveSnakes();
  ReportSolution();
}

void CommandLoop::ReportSolution() {
  // A solver's refusal is a text too, and is reported like a solution.
  if (lastSolution.empty()) return;
  out << "\nSolution found! \n"
      << "\tlength:\t" << lastSolution.size() << "\n";
  optimizedSolution = OptimizeSolution(lastSolution);
  out << "\nOptimized solution length:\t" << optimizedSolution.size() << "\n";
}

void CommandLoop::ApplySolution() {
  Board result(board);
  out << "\n...applying solution: \n"
      << "Solution: " << lastSolution << "\n"
      << "Result: ";
  result.ApplySequence(lastSolution, out);
  result.PrintBoard(out);
}

void CommandLoop::PrintSolution() {
  out << "\nOptimized solution: " << optimizedSolution << "\n"
      << "\tlength:\t" << optimizedSolution.size() << "\n";
}
