// main.cpp: npuzzle-study's entry: its options, wired to a study, to a merge of shards, or to
// one of its boards written out.
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

#include "files/file_access.h"
#include "files/plain_board_file.h"
#include "files/xml_puzzle_file.h"
#include "methods/method_table.h"
#include "npuzzle_version.h"
#include "study/csv_file.h"
#include "study/failed_boards.h"
#include "study/json_report.h"
#include "study/progress_line.h"
#include "study/seeded_boards.h"
#include "study/study_merge.h"
#include "study/study_parameters.h"
#include "study/study_runner.h"
#include "study/user_boards.h"

namespace fs = std::filesystem;

namespace {

// Bad options and unreadable input; 1 means that a solve failed.
constexpr int USAGE_ERROR = 2;

struct Options {
  std::vector<std::string> methods;
  std::string sides = SidesText(DEFAULT_SIDES);
  unsigned boards = DEFAULT_BOARDS;
  std::uint64_t seed = DEFAULT_SEED;
  std::string kind = DEFAULT_KIND;
  std::vector<std::string> from;
  unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
  std::string shard;
  std::string csv;
  std::string json;
  std::string failures;
  bool quiet = false;
  std::string table;
  std::vector<std::string> merge;
  // The board subcommand's board and files.
  BoardName board{0, BoardKind::RANDOM, 1, 0, {}};
  std::string boardKind = "random";
  std::string xml;
  std::string plain;
};

// Why nothing can be made in the existing folder, or empty.
std::string FolderProblem(const fs::path& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) return "'" + folder.string() + "' is not a folder";
  // Only making a file tells: access() says yes to root anywhere, /proc included, and what is
  // written into the folder is a new file.
  std::string probe = (folder / ".npuzzle-study-XXXXXX").string();
  const int descriptor = mkstemp(probe.data());
  if (descriptor < 0) return "cannot write into the folder '" + folder.string() + "'";
  close(descriptor);
  unlink(probe.c_str());
  return "";
}

// Where the name leads (LinkedFile), as a whole path without dots.
fs::path Destination(const std::string& name) {
  std::error_code error;
  return fs::weakly_canonical(fs::absolute(LinkedFile(name), error), error);
}

// Why a file cannot be written at the path, or empty when it can. Checked before the study runs,
// which may take hours: a name that cannot be written should not be found only at its end.
std::string OutputFileProblem(const std::string& path) {
  if (path.empty()) return "no file name";
  std::error_code error;
  const fs::path named(path);
  if (fs::is_directory(named, error)) return "'" + path + "' is a folder";
  // A file that cannot be replaced is written in place, a pipe or a device written through: it
  // need only be writable.
  if (fs::exists(named, error)) {
    return access(path.c_str(), W_OK) == 0 ? "" : "cannot write '" + path + "'";
  }
  // A link to a file not made yet has it made where it leads; one that cannot be followed there
  // (through a file, or a loop) leads nowhere it could be made.
  const bool linked = fs::is_symlink(named, error);
  if (linked && LinkedFile(path) == path) return "cannot write '" + path + "'";
  const fs::path folder = linked                    ? Destination(path).parent_path()
                          : named.has_parent_path() ? named.parent_path()
                                                    : fs::path(".");
  if (!fs::exists(folder, error)) return "the folder '" + folder.string() + "' does not exist";
  return FolderProblem(folder);
}

// Why a folder for the failed boards cannot be used at the path, or empty when it can: it is a
// folder that may be written into, or the nearest existing folder above it is.
std::string OutputFolderProblem(const std::string& path) {
  if (path.empty()) return "no folder name";
  std::error_code error;
  fs::path folder(path);
  // The folders that are missing are made when the first failure is written.
  while (!fs::exists(folder, error) && folder.has_parent_path() && folder != folder.parent_path()) {
    folder = folder.parent_path();
  }
  if (!fs::exists(folder, error)) folder = ".";
  return FolderProblem(folder);
}

// Whether the two names lead to one file: the same file or pipe where both exist, else the same
// place once links and dots are resolved. A device (/dev/null, a terminal) keeps no text that two
// writers would mix.
bool SameFile(const std::string& a, const std::string& b) {
  struct stat first, second;
  if (stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0) {
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino &&
           !S_ISCHR(first.st_mode);
  }
  return Destination(a) == Destination(b);
}

// Why the output files cannot be written as named, or empty: two outputs that are one file, or
// an output that is one of the files read (one that is missing is reported as such later).
std::string OutputClash(const Options& options) {
  if (!options.csv.empty() && !options.json.empty() && SameFile(options.csv, options.json)) {
    return "--csv and --json name the same file";
  }
  for (const auto& [option, output] :
       {std::pair{"--csv", &options.csv}, {"--json", &options.json}}) {
    if (output->empty()) continue;
    for (const std::vector<std::string>* inputs : {&options.from, &options.merge}) {
      for (const std::string& input : *inputs) {
        std::error_code error;
        if (fs::exists(input, error) && SameFile(*output, input))
          return std::string(option) + " would overwrite " + input + ", which is read";
      }
    }
  }
  return "";
}

// A CLI11 transform that takes a whole number from least to most, written in decimal, and
// hands it on without leading zeros: CLI11's own conversion would read 010 as octal 8.
CLI::Validator WholeNumber(std::uint64_t least, std::uint64_t most) {
  return CLI::Validator(
      [least, most](std::string& text) {
        std::uint64_t value = 0;
        if (!ParseNumber(text, most, value) || value < least) {
          return "'" + text + "' is not a whole number from " + std::to_string(least) + " to " +
                 std::to_string(most);
        }
        text = std::to_string(value);
        return std::string();
      },
      "UINT in [" + std::to_string(least) + " - " + std::to_string(most) + "]");
}

std::string BoardKindProblem(const std::string& word) {
  BoardKind kind = BoardKind::FILE;
  return ParseKind(word, kind) && kind != BoardKind::FILE
             ? ""
             : "'" + word + "' is not a kind of board: random, near or partly-home";
}

// The columns of the terminal that standard output is, or 0 when it is none: the table that a
// pipe or a file gets stays the wide one whatever COLUMNS says, so that a script's output does
// not hang on its environment. A terminal that does not tell its width is taken at COLUMNS.
unsigned ScreenColumns() {
  if (!isatty(STDOUT_FILENO)) return 0;
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  const char* columns = std::getenv("COLUMNS");
  std::uint64_t width = 0;
  return columns != nullptr && ParseNumber(columns, UINT16_MAX, width) ? width : 0;
}

int Fail(const std::string& message) {
  std::cerr << "npuzzle-study: " << message << "\n";
  return USAGE_ERROR;
}

// Writes the text into the named file, whole or not at all (ReplaceFile); but a pipe or a device,
// such as /dev/stdout, is written through, and into the file that standard output is already
// the text goes after what is there.
bool WriteOutput(const std::string& name, const std::string& text) {
  struct stat target, output;
  if (stat(name.c_str(), &target) == 0) {
    if (fstat(STDOUT_FILENO, &output) == 0 && target.st_dev == output.st_dev &&
        target.st_ino == output.st_ino) {
      return static_cast<bool>(std::cout << text << std::flush);
    }
    if (!S_ISREG(target.st_mode)) {
      std::ofstream file(name);
      file << text;
      file.close();
      return !file.fail();
    }
  }
  return ReplaceFile(name, text);
}

// Writes the files and then the table; 1 when a solve failed, 0 when none did, 2 when something
// could not be written. The files come first, so that a reader of the table that stops early
// (head) costs no results, and each is written whatever became of the other.
int Report(const StudyResults& results, const StudyParameters& parameters, const Options& options) {
  const std::vector<SideSummary> sides = Summarize(results);
  std::vector<std::string> unwritten;
  const auto write = [&unwritten](const std::string& name, const auto& writeText) {
    if (name.empty()) return;
    std::ostringstream text;
    writeText(text);
    if (!WriteOutput(name, text.str())) unwritten.push_back(name);
  };
  write(options.csv, [&](std::ostream& text) { WriteCsv(results, parameters, text); });
  write(options.json, [&](std::ostream& text) { WriteJson(parameters, sides, text); });
  if (!options.quiet) {
    const TableLayout layout =
        !options.table.empty() ? (options.table == "long" ? TableLayout::LONG : TableLayout::WIDE)
                               : FittingLayout(results.methods, sides, ScreenColumns());
    WriteTable(results.methods, sides, layout, std::cout);
    if (!std::cout.flush()) unwritten.push_back("the table to standard output");
  }
  for (const std::string& name : unwritten) Fail("cannot write " + name);
  if (!unwritten.empty()) return USAGE_ERROR;
  const auto failed = [](const BoardOutcome& board) { return CountFailures(board) > 0; };
  return std::any_of(results.boards.begin(), results.boards.end(), failed) ? 1 : 0;
}

// The boards of this run: the user's files or generated ones, then the shard's slice of them,
// and the parameters that describe them. False, with the reason in error, for a file that
// cannot be read or an option that is not well formed.
bool ChooseBoards(const Options& options, StudyParameters& parameters,
                  std::vector<StudyBoard>& boards, std::string& error) {
  if (!ParseShard(options.shard, parameters.shard, parameters.shards)) {
    error = "--shard: '" + options.shard + "' is not I/K with 1 <= I <= K";
    return false;
  }
  if (!options.from.empty()) {
    if (!LoadUserBoards(options.from, boards, error)) return false;
    for (const StudyBoard& board : boards) parameters.sides.push_back(board.name.side);
    std::sort(parameters.sides.begin(), parameters.sides.end());
    parameters.sides.erase(std::unique(parameters.sides.begin(), parameters.sides.end()),
                           parameters.sides.end());
    parameters.files = options.from;
    parameters.boards = static_cast<unsigned>(boards.size());
    parameters.kind = KindName(BoardKind::FILE);
    boards = ShardOf(boards, parameters.shard, parameters.shards);
    return true;
  }
  std::vector<BoardKind> kinds;
  ParseStudyKinds(options.kind, kinds);
  if (!ParseSides(options.sides, SMALLEST_STUDY_SIDE, parameters.sides)) {
    error = "--sides: '" + options.sides + "' is not a list of sides from 3 to 100";
    return false;
  }
  parameters.boards = options.boards;
  parameters.kind = options.kind;
  parameters.seed = options.seed;
  boards = StudyBoards(parameters.sides, options.boards, kinds, options.seed, parameters.shard,
                       parameters.shards);
  return true;
}

// The methods that --methods names, by commas, by separate words or both ("solve,solve2",
// "solve solve2"); empty names, as of a trailing comma, are passed over. False when it was given
// and names none.
bool MethodNames(const std::vector<std::string>& arguments, std::vector<std::string>& names,
                 std::string& error) {
  std::string given;
  for (const std::string& argument : arguments) {
    for (const std::string& name : SplitCommas(argument)) {
      if (!name.empty()) names.push_back(name);
    }
    given += (given.empty() ? "" : " ") + argument;
  }
  if (arguments.empty() || !names.empty()) return true;
  error = "--methods: '" + given + "' names no method";
  return false;
}

int Study(const Options& options) {
  StudyParameters parameters;
  parameters.version = NPUZZLE_VERSION;
  std::vector<std::string> names;
  std::vector<Method> methods;
  std::vector<StudyBoard> boards;
  std::string error;
  if (!MethodNames(options.methods, names, error)) return Fail(error);
  if (const auto unknown = ChooseMethods(names, methods))
    return Fail("no method '" + *unknown + "'");
  if (!ChooseBoards(options, parameters, boards, error)) return Fail(error);
  for (const Method& method : methods) parameters.methods.emplace_back(method.command);

  std::vector<unsigned> sides;
  for (const StudyBoard& board : boards) sides.push_back(board.name.side);
  ProgressLine progress(std::cerr, !options.quiet && isatty(STDERR_FILENO), sides);
  const StudyResults results =
      RunStudy(boards, options.jobs, methods,
               [&progress](const BoardOutcome& board) { progress.Report(board); });
  progress.Finish();
  // The table comes even when the failed boards could not be kept.
  const bool kept = ReportFailedBoards(results, boards, options.failures, std::cerr);
  const int code = Report(results, parameters, options);
  return kept ? code : Fail("cannot write the failed boards to " + options.failures);
}

int Merge(const Options& options) {
  std::vector<StudyPart> parts;
  for (const std::string& file : options.merge) {
    std::ifstream in;
    std::error_code unlooked;  // a name that cannot be looked at (too long, a loop) is not read
    if (fs::is_regular_file(file, unlooked)) in.open(file);
    std::string error = "cannot be read";
    parts.push_back({file, {}, {}});
    if (!in.is_open() || !ReadCsv(in, parts.back().results, parts.back().parameters, error)) {
      return Fail(file + ": " + error);
    }
  }
  StudyParameters parameters;
  StudyResults merged;
  std::string error;
  if (!MergeStudies(parts, parameters, merged, error)) return Fail(error);
  return Report(merged, parameters, options);
}

// Writes the generated board of that name as the options ask: an XML puzzle file, a plain board
// file, or the plain board on standard output.
int WriteBoard(const Options& options) {
  BoardName name = options.board;
  ParseKind(options.boardKind, name.kind);
  const Board board = GenerateBoard(name);
  std::ostringstream unused;  // the console's message; this program words its own
  if (!options.xml.empty() && !SaveXmlFile(board, options.xml, unused)) {
    return Fail("cannot write " + options.xml);
  }
  if (!options.plain.empty() && !SavePlainFile(board, options.plain)) {
    return Fail("cannot write " + options.plain);
  }
  if (options.xml.empty() && options.plain.empty() &&
      !(std::cout << PlainBoardText(board) << std::flush)) {
    return Fail("cannot write the board to standard output");
  }
  return 0;
}

// The whole program but for running out of memory, which main reports.
int Run(int argc, char** argv) {
  Options options;
  CLI::App app{"Compares the solving methods on many boards: solution lengths, bounds, times.",
               "npuzzle-study"};
  app.option_defaults()->always_capture_default();
  app.set_version_flag("--version", NPUZZLE_VERSION);
  app.require_subcommand(0, 1);
  std::string all;
  for (const Method& method : Methods())
    all += (all.empty() ? "" : ",") + std::string(method.command);
  CLI::Option* methods =
      app.add_option("--methods", options.methods, "Methods to compare")->default_str(all);
  CLI::Option* sides =
      app.add_option("--sides", options.sides, "Sides of the boards, e.g. 3-10,20,50 (3 ... 100)");
  CLI::Option* boards = app.add_option("--boards", options.boards, "Boards per side")
                            ->transform(WholeNumber(1, MOST_BOARDS));
  CLI::Option* seed = app.add_option("--seed", options.seed, "Seed of the boards")
                          ->transform(WholeNumber(0, UINT64_MAX));
  CLI::Option* kind =
      app.add_option("--kind", options.kind, "Boards: random, near the goal, partly home, or mixed")
          ->check(CLI::IsMember({"random", "near", "partly-home", "mixed"}));
  CLI::Option* from =
      app.add_option("--from", options.from,
                     "Study these board files (plain or XML puzzle) instead of generated boards")
          ->expected(1, -1)
          ->default_str("")
          ->excludes(sides, boards, seed, kind);
  CLI::Option* jobs =
      app.add_option("--jobs", options.jobs, "Boards solved at once (default: the number of cores)")
          ->transform(WholeNumber(1, MOST_JOBS));
  CLI::Option* shard =
      app.add_option("--shard", options.shard, "Run only the I-th of K slices of the boards")
          ->type_name("I/K");
  CLI::Option* failures =
      app.add_option("--failures", options.failures, "Folder for the boards a method failed on")
          ->check(CLI::Validator(OutputFolderProblem, "DIR"));
  const auto addOutputs = [&options](CLI::App& command) {
    return std::vector<CLI::Option*>{
        command.add_option("--csv", options.csv, "CSV file: a row per board and method")
            ->check(CLI::Validator(OutputFileProblem, "FILE")),
        command.add_option("--json", options.json, "JSON file: parameters and summary")
            ->check(CLI::Validator(OutputFileProblem, "FILE")),
        command.add_flag("--quiet", options.quiet, "No table and no progress line"),
        command
            .add_option("--table", options.table,
                        "wide: a line per side; long: a line per side and method, with the "
                        "lengths' spread (default: wide, long on a narrower terminal)")
            ->check(CLI::IsMember({"wide", "long"}))};
  };
  const std::vector<CLI::Option*> outputs = addOutputs(app);
  CLI::App* merge = app.add_subcommand(
      "merge", "The table and JSON of one study from the CSV files of its shards");
  merge->add_option("files", options.merge, "CSV files written with --csv")->required();
  addOutputs(*merge);
  // The options only a study reads, which merge and board refuse (board --jobs too).
  const auto studyOnly = {methods, sides, boards, seed, kind, from, shard, failures};
  for (CLI::Option* option : studyOnly) merge->excludes(option);

  CLI::App* board =
      app.add_subcommand("board", "Writes the board that a row of a study's CSV file names");
  board->add_option("--side", options.board.side, "Side of the board (3 ... 100)")
      ->required()
      ->transform(WholeNumber(SMALLEST_STUDY_SIDE, MAX_SIDE))
      ->default_str("");
  board->add_option("--kind", options.boardKind, "Kind: random, near or partly-home")
      ->check(CLI::Validator(BoardKindProblem, "KIND"));
  board->add_option("--seed", options.board.seed, "Seed of the study")
      ->transform(WholeNumber(0, UINT64_MAX));
  board->add_option("--index", options.board.index, "Index of the board among its side's")
      ->transform(WholeNumber(0, MOST_BOARDS - 1));
  CLI::Option* xml =
      board->add_option("--xml", options.xml, "XML puzzle file to write, as save writes it")
          ->check(CLI::Validator(OutputFileProblem, "FILE"));
  board
      ->add_option("--plain", options.plain,
                   "Plain board file to write, as dl reads it (default: standard output)")
      ->check(CLI::Validator(OutputFileProblem, "FILE"))
      ->excludes(xml);
  for (CLI::Option* option : studyOnly) board->excludes(option);
  board->excludes(jobs);
  for (CLI::Option* output : outputs) board->excludes(output);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    // --help and --version end here too, with 0 once their text is out.
    if (app.exit(error) != 0) return USAGE_ERROR;
    return std::cout.flush() ? 0 : Fail("cannot write to standard output");
  }
  if (*board) return WriteBoard(options);
  const std::string clash = OutputClash(options);
  if (!clash.empty()) return Fail(clash);

  return *merge ? Merge(options) : Study(options);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const SolveOutOfMemory& error) {
    return Fail(error.what());
  } catch (const std::bad_alloc&) {
    return Fail("not enough memory for a study this large; --shard runs it in slices");
  }
}
