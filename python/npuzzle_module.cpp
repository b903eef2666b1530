// npuzzle_module.cpp: the Python module npuzzle: boards, the methods, solves and studies.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "board/board.h"
#include "console/solve_report.h"
#include "files/plain_board_file.h"
#include "files/xml_puzzle_file.h"
#include "methods/method_table.h"
#include "solver/position.h"
#include "solver/solution_optimizer.h"
#include "study/lower_bound.h"
#include "study/seeded_boards.h"
#include "study/study_parameters.h"
#include "study/study_runner.h"
#include "study/user_boards.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

// The text as a str, whole: NULs kept, and bytes that are not UTF-8, as those of some file
// names, written as \xNN.
py::object Decoded(const std::string& text) {
  const auto decoded = py::reinterpret_steal<py::object>(
      PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "backslashreplace"));
  if (!decoded) throw py::error_already_set();
  return decoded;
}

// Raises the Python exception with the message; pybind11's translation of a C++ exception would
// read it only up to a NUL, and fail on bytes that are not UTF-8. Only with the GIL held.
[[noreturn]] void Raise(PyObject* type, const std::string& message) {
  PyErr_SetObject(type, Decoded(message).ptr());
  throw py::error_already_set();
}

[[noreturn]] void Refuse(const std::string& message) {
  Raise(PyExc_ValueError, message);
}

// A name the caller gave, quoted in a message as Python writes it, so that a NUL or a line
// break in it shows.
std::string Quoted(const std::string& name) {
  return py::repr(Decoded(name)).cast<std::string>();
}

// An int argument of any size, as the caller gave it. Python's ints have no bounds, and a C++
// integer parameter would refuse one past its type's with a TypeError that lists the signatures
// and names no argument; In checks the range instead.
struct Whole {
  py::int_ value;

  template <typename T>
  bool From(T least, T most) const {
    return !(value < py::int_(least)) && !(value > py::int_(most));
  }

  // The value in least ... most, or ValueError naming the argument and the range.
  template <typename T>
  T In(const std::string& name, T least, T most) const {
    if (!From(least, most)) {
      Refuse(name + " " + Text() + " is not from " + std::to_string(least) + " to " +
             std::to_string(most));
    }
    return value.cast<T>();
  }

  // The digits, or for an int that Python may refuse to write out (past 640 digits, when so
  // limited), its size.
  std::string Text() const {
    const auto bits = value.attr("bit_length")().cast<size_t>();
    if (bits > 2000) return "(an int of " + std::to_string(bits) + " bits)";
    return py::repr(value).cast<std::string>();
  }
};

// A file's name as the system takes it, from whatever Python's open takes for one.
struct FilePath {
  std::string name;
};

// The moves argument as the caller gave it: a str, or bytes as a string parameter takes them.
struct MoveText {
  py::object text;
};

}  // namespace

namespace pybind11::detail {

// Takes an int of any size, or an object with __index__ such as numpy's integers; not a float,
// nor an object that only __int__ turns into an int, which could cut a fraction off.
template <>
struct type_caster<Whole> {
  PYBIND11_TYPE_CASTER(Whole, const_name("int"));

  bool load(handle source, bool /*convert*/) {
    if (!PyIndex_Check(source.ptr())) return false;
    value.value = reinterpret_steal<int_>(PyNumber_Index(source.ptr()));
    if (value.value) return true;
    // A TypeError says the object is no single int, though it has __index__ (numpy's arrays
    // have, and raise it for a row of a 2-D array): then the next overload may take it. What
    // else __index__ raised, even KeyboardInterrupt, goes to the caller rather than a TypeError
    // that lists the signatures.
    if (!PyErr_ExceptionMatches(PyExc_TypeError)) throw error_already_set();
    PyErr_Clear();
    return false;
  }
};

// Takes a str, bytes or os.PathLike as open does: a str is encoded as os.fsencode does, so that
// a name that os.listdir gave for bytes that are not UTF-8 names that file again. A name holding
// a NUL is refused with ValueError, as the system would read it only up to the NUL and use
// another file; any other object with open's TypeError.
template <>
struct type_caster<FilePath> {
  PYBIND11_TYPE_CASTER(FilePath, const_name("os.PathLike"));

  bool load(handle source, bool /*convert*/) {
    PyObject* name = nullptr;
    if (!PyUnicode_FSConverter(source.ptr(), &name)) throw error_already_set();
    value.name = reinterpret_steal<bytes>(name);
    return true;
  }
};

// Takes a str, bytes or bytearray, as a std::string parameter does, but keeps the str's letters
// rather than their UTF-8 bytes, and takes a str that UTF-8 cannot encode too.
template <>
struct type_caster<MoveText> {
  PYBIND11_TYPE_CASTER(MoveText, const_name("str"));

  bool load(handle source, bool /*convert*/) {
    if (!PyUnicode_Check(source.ptr()) && !PyBytes_Check(source.ptr()) &&
        !PyByteArray_Check(source.ptr())) {
      return false;
    }
    value.text = reinterpret_borrow<object>(source);
    return true;
  }
};

}  // namespace pybind11::detail

namespace {

// The kinds of generated board that the word names; "mixed", all three, only where allowed.
std::vector<BoardKind> GeneratedKinds(const std::string& word, bool mixed) {
  std::vector<BoardKind> kinds;
  if ((word == "mixed" && !mixed) || !ParseStudyKinds(word, kinds)) {
    Refuse("no kind " + Quoted(word) +
           (mixed ? " (random, near, partly-home, mixed)" : " (random, near, partly-home)"));
  }
  return kinds;
}

unsigned StudySide(const Whole& side) {
  return side.In("side", SMALLEST_STUDY_SIDE, MAX_SIDE);
}

// The first line of a message the program wrote, without the line breaks around it.
std::string FirstLine(const std::string& text) {
  const size_t begin = text.find_first_not_of('\n');
  if (begin == std::string::npos) return {};
  return text.substr(begin, text.find('\n', begin) - begin);
}

// The message for values that should be each of 0 ... count-1 once, and what is wrong.
std::string NotEachOnce(size_t count, const std::string& fault) {
  return "the values must be each of 0 ... " + std::to_string(count - 1) + " once: " + fault;
}

// Why the tiles are not each of 0 ... n^2-1 once, or empty when they are.
std::string PermutationFault(const std::vector<int>& tiles) {
  std::vector<bool> seen(tiles.size(), false);
  for (const int tile : tiles) {
    const bool inRange = tile >= 0 && static_cast<size_t>(tile) < tiles.size();
    if (!inRange || seen[tile]) {
      return NotEachOnce(tiles.size(),
                         std::to_string(tile) + (inRange ? " comes twice" : " is not one of them"));
    }
    seen[tile] = true;
  }
  return {};
}

// A board from values in row-major order, its size checked as dl checks a file's, so that the
// messages are the program's; the values must moreover be each of 0 ... n^2-1 once.
Board FromTiles(const std::vector<Whole>& values) {
  // The reader counts the values and stops one past the largest board; zeros stand in for them.
  const size_t most = static_cast<size_t>(MAX_SIDE) * MAX_SIDE + 1;
  std::string zeros;
  for (size_t i = 0; i < values.size() && i < most; ++i) zeros += "0 ";
  std::istringstream in(zeros);
  std::ostringstream messages;
  Board board;
  if (!ReadPlainBoard(board, in, messages)) Refuse(FirstLine(messages.str()));
  std::vector<int> tiles;
  for (const Whole& value : values) {
    if (!value.From<size_t>(0, values.size() - 1)) {
      Refuse(NotEachOnce(values.size(), value.Text() + " is not one of them"));
    }
    tiles.push_back(value.value.cast<int>());
  }
  const std::string fault = PermutationFault(tiles);
  if (!fault.empty()) Refuse(fault);
  board.TakeLoadedTiles(board.n, std::move(tiles));
  return board;
}

Board FromRows(const std::vector<std::vector<Whole>>& rows) {
  std::vector<Whole> values;
  for (const std::vector<Whole>& row : rows) {
    if (row.size() != rows.size()) Refuse("Error - board isn't n x n!");
    values.insert(values.end(), row.begin(), row.end());
  }
  return FromTiles(values);
}

std::vector<std::vector<int>> Rows(const Board& board) {
  std::vector<std::vector<int>> rows;
  for (unsigned r = 0; r < board.n; ++r) {
    rows.emplace_back(board.tiles.begin() + r * board.n, board.tiles.begin() + (r + 1) * board.n);
  }
  return rows;
}

// Side 0 is refused, though new makes it: its board keeps one cell, the blank, in no row, so
// that neither Board(...) nor load could take its repr or its file back.
Board Goal(const Whole& side) {
  const unsigned n = side.In("side", 1u, MAX_SIDE);
  Board board;
  board.TakeLoadedTiles(n, GoalTiles(n));
  return board;
}

void Save(const Board& board, const FilePath& path) {
  std::ostringstream messages;
  if (!SaveXmlFile(board, path.name, messages)) {
    // The message whole but for the line break that ends it: the name in it may hold line
    // breaks, even as its last character.
    std::string message = messages.str();
    if (!message.empty() && message.back() == '\n') message.pop_back();
    Raise(PyExc_OSError, message);
  }
}

// The moves as the letters U, D, L and R; ValueError naming the first other letter by its repr
// and place. The program's warning would quote it byte by byte: part of a letter of several
// bytes, nothing for a line break, and the text cut at a NUL.
MoveSequence MoveLetters(const MoveText& moves) {
  const bool unicode = PyUnicode_Check(moves.text.ptr());
  const std::string bytes = unicode ? std::string() : moves.text.cast<std::string>();
  const size_t length =
      unicode ? static_cast<size_t>(PyUnicode_GetLength(moves.text.ptr())) : bytes.size();
  MoveSequence letters;
  letters.reserve(length);
  for (size_t i = 0; i < length; ++i) {
    const Py_UCS4 letter = unicode
                               ? PyUnicode_ReadChar(moves.text.ptr(), static_cast<Py_ssize_t>(i))
                               : static_cast<unsigned char>(bytes[i]);
    if (letter != 'U' && letter != 'D' && letter != 'L' && letter != 'R') {
      std::string named;
      if (unicode) {
        char code[16];
        std::snprintf(code, sizeof code, " (U+%04X)", static_cast<unsigned>(letter));
        named = py::repr(py::reinterpret_steal<py::str>(PyUnicode_FromOrdinal(letter)))
                    .cast<std::string>() +
                code;
      } else {
        named = py::repr(py::bytes(&bytes[i], 1)).cast<std::string>();
      }
      Refuse("no move " + named + " at index " + std::to_string(i) +
             ": the moves are U, D, L and R");
    }
    letters += static_cast<char>(letter);
  }
  return letters;
}

// The board after the moves; a move that leaves the board is refused with the program's warning
// rather than skipped.
Board Apply(const Board& board, const MoveText& text) {
  const MoveSequence moves = MoveLetters(text);
  Board result(board);
  MoveSequence refused;
  bool applied;
  {
    py::gil_scoped_release release;
    applied = ApplyMoves(result, moves, &refused);
  }
  if (!applied) {
    std::ostringstream messages;
    WriteMoveWarnings(messages, moves, refused);
    Refuse(FirstLine(messages.str()));
  }
  return result;
}

// What npuzzle.solve returns.
struct Solution {
  std::string method;
  MoveSequence moves;
  MoveSequence optimized;
  double ms = 0;
  unsigned finishSide = 0;
};

const Method& MethodNamed(const std::string& command) {
  const Method* method = FindMethod(command);
  if (method == nullptr) Refuse("no method " + Quoted(command));
  return *method;
}

Solution Solve(const Board& board, const std::string& command) {
  const Method& method = MethodNamed(command);
  Solution solution;
  SolveResult result;
  {
    py::gil_scoped_release release;
    method.Prepare();
    const std::int64_t start = ThreadNanos();
    result = method.solve(board);
    solution.ms = static_cast<double>(ThreadNanos() - start) / 1e6;
    if (result.Solved()) solution.optimized = OptimizeSolution(result.moves);
  }
  if (!result.Solved()) Refuse(result.refusal == Refusal::CANNOT_SOLVE ? CANT_SOLVE : NOT_SOLVED);
  solution.method = command;
  solution.moves = std::move(result.moves);
  solution.finishSide = result.times.finishSide;
  return solution;
}

// npuzzle-study's comparison as a record per board and method with the CSV file's columns.
py::object Study(const std::vector<std::string>& commands, const std::vector<Whole>& sideList,
                 const Whole& boardsPerSide, const Whole& seed, const std::string& kind,
                 const Whole& jobCount, bool asFrame, const std::vector<FilePath>& files) {
  std::vector<Method> methods;
  if (const auto unknown = ChooseMethods(commands, methods)) MethodNamed(*unknown);  // refuses it
  std::string error;
  const std::vector<BoardKind> kinds = GeneratedKinds(kind, true);
  std::vector<unsigned> sides;
  for (const Whole& side : sideList) sides.push_back(StudySide(side));
  std::sort(sides.begin(), sides.end());
  sides.erase(std::unique(sides.begin(), sides.end()), sides.end());
  // As npuzzle-study's --boards and --jobs allow, and 0 jobs for one a core.
  const unsigned boards = boardsPerSide.In("boards", 1u, MOST_BOARDS);
  if (sides.empty()) Refuse("a study needs boards");
  const unsigned jobs = jobCount.In("jobs", 0u, MOST_JOBS);
  std::vector<StudyBoard> plan;
  if (files.empty()) {
    plan = StudyBoards(sides, boards, kinds, seed.In<std::uint64_t>("seed", 0, UINT64_MAX));
  } else {
    // As npuzzle-study's --from: the boards of the files, in the order given, instead.
    // A study of files must leave the defaults as they are.
    if (sides != DEFAULT_SIDES || boards != DEFAULT_BOARDS ||
        !seed.From(DEFAULT_SEED, DEFAULT_SEED) || kind != DEFAULT_KIND) {
      Refuse("a study of files takes no sides, boards, seed or kind");
    }
    std::vector<std::string> names;
    for (const FilePath& file : files) names.push_back(file.name);
    if (!LoadUserBoards(names, plan, error)) Refuse(error);
  }
  py::object frame;
  if (asFrame) {
    try {
      frame = py::module_::import("pandas").attr("DataFrame");
    } catch (const py::error_already_set& error) {
      if (!error.matches(PyExc_ImportError)) throw;
      throw py::import_error(
          "study(as_frame=True) needs pandas (Debian's python3-pandas), which is not installed; "
          "without as_frame the records come as a list of dicts");
    }
  }
  // Python runs its signal handlers, Ctrl-C's KeyboardInterrupt among them, only in the thread
  // that called: it looks between its boards, and the study stops when one raises.
  const std::thread::id caller = std::this_thread::get_id();
  std::atomic<bool> interrupted{false};
  const auto stopped = [&] {
    if (!interrupted && std::this_thread::get_id() == caller) {
      const py::gil_scoped_acquire hold;
      if (PyErr_CheckSignals() != 0) interrupted = true;
    }
    return interrupted.load();
  };
  StudyResults results;
  {
    py::gil_scoped_release release;
    results = RunStudy(plan, jobs == 0 ? std::max(1u, std::thread::hardware_concurrency()) : jobs,
                       methods, nullptr, stopped);
  }
  if (interrupted) throw py::error_already_set();
  py::list list;
  for (const BoardOutcome& board : results.boards) {
    for (size_t m = 0; m < board.methods.size(); ++m) {
      const MethodOutcome& outcome = board.methods[m];
      list.append(py::dict("side"_a = board.name.side, "kind"_a = KindName(board.name.kind),
                           "seed"_a = board.name.kind == BoardKind::FILE
                                          ? py::object(py::none())
                                          : py::int_(board.name.seed),
                           "index"_a = board.name.index, "file"_a = Decoded(board.name.file),
                           "method"_a = results.methods[m], "status"_a = StatusName(outcome.status),
                           "length"_a = outcome.length, "optimized"_a = outcome.optimizedLength,
                           "manhattan"_a = board.manhattan, "lower_bound"_a = board.lowerBound,
                           "ms"_a = static_cast<double>(outcome.micros) / 1000));
    }
  }
  return asFrame ? frame(list) : py::object(list);
}

// Makes the class pickle with every protocol, as what protocol 2 writes: the class made by
// copyreg.__newobj__, then its __setstate__. Protocols 0 and 1 would otherwise make it by
// object.__new__, which pybind11 refuses by ending the process.
template <typename Class>
void PickleAsProtocolTwo(py::class_<Class>& cls) {
  cls.def("__reduce__", [](const py::object& self) {
    return py::make_tuple(py::module_::import("copyreg").attr("__newobj__"),
                          py::make_tuple(py::type::of(self)), self.attr("__getstate__")());
  });
}

// An instance made by __new__ alone, with no __init__ or __setstate__ after it, holds no C++
// value; pybind11 would hand a function raw storage for it. Refused with TypeError instead.
template <typename Class>
void RefuseUnconstructed(const char* name) {
  static const char* const refused = name;
  py::detail::get_type_info(typeid(Class))->operator_new = [](size_t) -> void* {
    throw py::type_error(std::string(refused) + " made by __new__ alone holds nothing");
  };
}

}  // namespace

PYBIND11_MODULE(npuzzle, m) {
  m.doc() = "The (n^2-1)-puzzle: boards, the solving methods, their solutions and studies.";
  // A study's MemoryError says which solve ran short, as npuzzle-study does.
  py::register_exception_translator([](std::exception_ptr thrown) {
    try {
      if (thrown) std::rethrow_exception(thrown);
    } catch (const SolveOutOfMemory& error) {
      PyErr_SetString(PyExc_MemoryError, error.what());
    }
  });

  py::class_<Board> board(
      m, "Board",
      "An n x n board; tiles in row-major order, 0 the blank. Boards are values: "
      "nothing changes one in place.");
  board
      .def(py::init(&FromTiles), py::arg("tiles"),
           "From a list of n^2 values, each of 0 ... n^2-1 once.")
      .def(py::init(&FromRows), py::arg("rows"), "From n rows of n values.")
      .def_readonly("side", &Board::n)
      .def_readonly("tiles", &Board::tiles)
      .def_property_readonly("rows", &Rows)
      .def_readonly("blank", &Board::blank, "The index of the blank's cell.")
      .def(
          "__eq__", [](const Board& a, const Board& b) { return a.n == b.n && a.tiles == b.tiles; },
          py::is_operator())
      .def("__hash__", [](const Board& b) { return py::hash(py::tuple(py::cast(b.tiles))); })
      // Pickled as its tiles, and checked as Board(tiles) checks them when unpickled: boards go
      // to other processes (multiprocessing, concurrent.futures) and through copy.deepcopy.
      .def(py::pickle([](const Board& b) { return py::make_tuple(b.tiles); },
                      [](const py::tuple& state) {
                        try {
                          if (state.size() == 1) {
                            return FromTiles(state[0].cast<std::vector<Whole>>());
                          }
                        } catch (const py::cast_error&) {
                        }
                        Refuse("not the state of a pickled board");
                      }))
      .def("__repr__",
           [](const Board& b) {
             return "npuzzle.Board(" + py::repr(py::cast(Rows(b))).cast<std::string>() + ")";
           })
      .def(
          "__str__",
          [](const Board& b) {
            std::ostringstream text;
            b.PrintBoard(text);
            return text.str();
          },
          "What the console's print writes.");

  py::class_<Solution> solution(m, "Solution", "A method's solution of a board.");
  solution.def_readonly("method", &Solution::method)
      .def_readonly("moves", &Solution::moves, "The moves as the method found them: U, D, L, R.")
      .def_readonly("optimized", &Solution::optimized,
                    "The moves with every move that undoes the one before removed.")
      .def_readonly("ms", &Solution::ms, "Processor time of the solving thread, milliseconds.")
      .def_readonly("finish_side", &Solution::finishSide,
                    "The side of the last block, which the method solved by search.")
      .def("__repr__",
           [](const Solution& s) {
             return "<npuzzle.Solution " + s.method + ": " + std::to_string(s.moves.size()) +
                    " moves, " + std::to_string(s.optimized.size()) + " optimized>";
           })
      .def(py::pickle(
          [](const Solution& s) {
            return py::make_tuple(s.method, py::bytes(s.moves), py::bytes(s.optimized), s.ms,
                                  s.finishSide);
          },
          [](const py::tuple& state) {
            Solution s;
            try {
              if (state.size() != 5) throw py::cast_error();
              s.method = state[0].cast<std::string>();
              s.moves = MoveLetters({state[1]});
              s.optimized = MoveLetters({state[2]});
              s.ms = state[3].cast<double>();
              s.finishSide = state[4].cast<Whole>().In<unsigned>("finish_side", 0, MAX_SIDE);
            } catch (const py::cast_error&) {
              Refuse("not the state of a pickled solution");
            }
            return s;
          }));

  PickleAsProtocolTwo(board);
  PickleAsProtocolTwo(solution);
  RefuseUnconstructed<Board>("an npuzzle.Board");
  RefuseUnconstructed<Solution>("an npuzzle.Solution");

  m.def("goal", &Goal, py::arg("side"), "The goal board of the side (1 ... 100).");
  m.def(
      "board",
      [](const Whole& side, const std::string& kind, const Whole& seed, const Whole& index) {
        return GenerateBoard({StudySide(side),
                              GeneratedKinds(kind, false)[0],
                              seed.In<std::uint64_t>("seed", 0, UINT64_MAX),
                              index.In("index", 0u, MOST_BOARDS - 1),
                              {}});
      },
      py::arg("side"), py::arg("kind") = "random", py::arg("seed") = 1, py::arg("index") = 0,
      "The study's board of that side (3 ... 100), kind (random, near, partly-home), seed and "
      "index (below 1000000): the board that a row of npuzzle-study's CSV file names.");
  m.def(
      "load",
      [](const FilePath& file) {
        const std::string& path = file.name;
        Board board;
        std::string error;
        if (!LoadUserBoard(path, board, error)) Refuse(path + ": " + error);
        // The readers take any integers, as load and dl do; a Board holds each value once.
        const std::string fault = PermutationFault(board.tiles);
        if (!fault.empty()) {
          const std::string side = std::to_string(board.n);
          Refuse(path + ": as a " + side + " x " + side + " board, " + fault);
        }
        return board;
      },
      py::arg("path"),
      "The board of an XML puzzle file (as load reads it) or a plain board file (as dl reads "
      "it), told apart by the first character, '<' for XML.");
  m.def("save", &Save, py::arg("board"), py::arg("path"),
        "Writes the board as an XML puzzle file, as save does; OSError when it cannot.");
  m.def(
      "methods",
      [] {
        py::dict methods;
        for (const Method& method : Methods()) methods[method.command] = method.description;
        return methods;
      },
      "The solving methods, command to description, in the program's order.");
  m.def("solve", &Solve, py::arg("board"), py::arg("method"),
        "Solves the board by the method; ValueError with the method's message when it refuses "
        "the board. Runs without the GIL, so threads solve in parallel.");
  m.def("apply", &Apply, py::arg("board"), py::arg("moves"),
        "The board after the moves (U, D, L, R); ValueError for another letter or a move that "
        "leaves the board.");
  // Through a reference, not the member functions themselves: pybind11 would pass None as a
  // null this.
  m.def(
      "manhattan", [](const Board& board) { return board.ManhattanDistance(); }, py::arg("board"),
      "The sum of the tiles' distances from their goal cells.");
  m.def("lower_bound", &LowerBound, py::arg("board"),
        "The Manhattan distance plus the linear conflicts: no solution is shorter.");
  m.def(
      "is_solvable", [](const Board& board) { return board.IsSolvable(); }, py::arg("board"),
      "Whether the board can reach the goal.");
  m.def("study", &Study, py::arg("methods") = std::vector<std::string>(),
        py::arg("sides") = DEFAULT_SIDES, py::arg("boards") = DEFAULT_BOARDS,
        py::arg("seed") = DEFAULT_SEED, py::arg("kind") = DEFAULT_KIND, py::arg("jobs") = 0,
        py::arg("as_frame") = false, py::arg("files") = py::list(),
        "Runs npuzzle-study's comparison (methods: all when empty; boards: up to 1000000; kind: "
        "random, near, partly-home or mixed; jobs: up to 1024, 0 for the number of cores; files: "
        "board files to study instead, as --from, with no sides, boards, seed or kind) and "
        "returns a record per board and method with the CSV file's columns (seed None for a "
        "file's board): a list of dicts, or a pandas DataFrame with as_frame=True.");
}
