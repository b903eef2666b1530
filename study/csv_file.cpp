// csv_file.cpp: rows with quoted fields where a file name needs them.
#include "study/csv_file.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

const char CSV_HEADER[] =
    "side,kind,seed,index,file,method,status,length,optimized,manhattan,lower_bound,ms";

constexpr size_t FIELDS = 12;
// No row that WriteCsv writes comes near this; a longer one is not one of its files.
constexpr size_t MOST_ROW_BYTES = 1 << 16;
// Nor does a length or distance come near this, nor a time of a solve near this many ms; with
// them, the sums of a study of a million boards a side stay within 64 bits.
constexpr std::uint64_t MOST_MOVES = 1ull << 40;
constexpr std::uint64_t MOST_MS = 1ull << 32;

std::string Field(const std::string& text) {
  if (text.find_first_of(",\"\r\n#") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? "\"\"" : std::string(1, c);
  return quoted + '"';
}

// Milliseconds to three decimals from whole microseconds, so that reading them back gives the
// very microseconds written and a merged study sums the same numbers as the run.
std::string Milliseconds(std::int64_t micros) {
  const std::string fraction = std::to_string(1000 + micros % 1000).substr(1);
  return std::to_string(micros / 1000) + "." + fraction;
}

// One row's fields; false at the end of the input or for a row too long to be one of ours.
bool ReadRow(std::istream& in, std::vector<std::string>& fields, std::string& error) {
  fields.assign(1, "");
  bool quoted = false;
  size_t bytes = 0;
  for (int c = in.get(); c != EOF; c = in.get()) {
    if (++bytes > MOST_ROW_BYTES) {
      error = "row too long";
      return false;
    }
    if (quoted) {
      if (c != '"') {
        fields.back() += static_cast<char>(c);
      } else if (in.peek() == '"') {
        fields.back() += static_cast<char>(in.get());
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else if (c == '\n') {
      return true;
    } else if (c != '\r') {
      fields.back() += static_cast<char>(c);
    }
  }
  if (quoted) error = "quoted field not closed";
  return bytes > 0 && !quoted;
}

bool ParseMilliseconds(const std::string& text, std::int64_t& micros) {
  const size_t point = text.find('.');
  std::uint64_t whole = 0, fraction = 0;
  if (point == std::string::npos || text.size() != point + 4 ||
      !ParseNumber(text.substr(0, point), MOST_MS, whole) ||
      !ParseNumber(text.substr(point + 1), 999, fraction)) {
    return false;
  }
  const std::uint64_t value = whole * 1000 + fraction;
  micros = static_cast<std::int64_t>(value);
  return value <= MOST_MS * 1000;
}

// The board and method of one row; the fault in error when a field is not as WriteCsv writes it.
bool ParseRow(const std::vector<std::string>& fields, BoardOutcome& board, MethodOutcome& method,
              std::string& error) {
  std::uint64_t side = 0, index = 0;
  BoardName& name = board.name;
  if (fields.size() != FIELDS) {
    error = "expected " + std::to_string(FIELDS) + " fields";
  } else if (!ParseNumber(fields[0], MAX_SIDE, side)) {
    error = "bad side '" + fields[0] + "'";
  } else if (!ParseKind(fields[1], name.kind)) {
    error = "bad kind '" + fields[1] + "'";
  } else if ((name.kind == BoardKind::FILE) != fields[2].empty() ||
             (!fields[2].empty() && !ParseNumber(fields[2], UINT64_MAX, name.seed))) {
    error = "bad seed '" + fields[2] + "'";
  } else if (!ParseNumber(fields[3], UINT32_MAX, index)) {
    error = "bad index '" + fields[3] + "'";
  } else if ((name.kind == BoardKind::FILE) == fields[4].empty()) {
    error = "a file name goes with kind file, and only with it";
  } else if (fields[5].empty()) {
    error = "no method";
  } else if (!ParseStatus(fields[6], method.status)) {
    error = "bad status '" + fields[6] + "'";
  } else if (!ParseNumber(fields[7], MOST_MOVES, method.length) ||
             !ParseNumber(fields[8], MOST_MOVES, method.optimizedLength) ||
             !ParseNumber(fields[9], MOST_MOVES, board.manhattan) ||
             !ParseNumber(fields[10], MOST_MOVES, board.lowerBound)) {
    error = "bad length or distance";
  } else if (!ParseMilliseconds(fields[11], method.micros)) {
    error = "bad milliseconds '" + fields[11] + "'";
  }
  name.side = static_cast<unsigned>(side);
  name.index = static_cast<unsigned>(index);
  if (fields.size() == FIELDS) name.file = fields[4];
  return error.empty();
}

// Adds one row. A board's rows follow each other, one per method, with the board's figures; the
// first board's rows name the methods, and every later board's rows must name them in the same
// order.
bool AddRow(BoardOutcome board, const MethodOutcome& outcome, const std::string& command,
            StudyResults& results, std::string& error) {
  std::vector<std::string>& commands = results.methods;
  if (results.boards.empty() || !(board.name == results.boards.back().name)) {
    if (!results.boards.empty() && results.boards.back().methods.size() != commands.size()) {
      error = "the board before has no row for every method";
      return false;
    }
    results.boards.push_back(std::move(board));
  } else if (board.manhattan != results.boards.back().manhattan ||
             board.lowerBound != results.boards.back().lowerBound) {
    // The figures of the board, not of a method: the merge keeps only the first row's.
    error = "the board's rows disagree on its manhattan or lower_bound";
    return false;
  }
  std::vector<MethodOutcome>& methods = results.boards.back().methods;
  if (results.boards.size() == 1) {
    if (std::find(commands.begin(), commands.end(), command) != commands.end()) {
      error = "method '" + command + "' twice";
      return false;
    }
    commands.push_back(command);
  } else if (methods.size() >= commands.size() || commands[methods.size()] != command) {
    error = "method '" + command + "' out of order";
    return false;
  }
  methods.push_back(outcome);
  return true;
}

}  // namespace

bool ParseNumber(const std::string& text, std::uint64_t most, std::uint64_t& value) {
  std::uint64_t parsed = 0;
  const char* end = text.data() + text.size();
  const auto read = std::from_chars(text.data(), end, parsed);
  if (read.ec != std::errc() || read.ptr != end || parsed > most) return false;
  value = parsed;
  return true;
}

void WriteCsv(const StudyResults& results, const StudyParameters& parameters, std::ostream& out) {
  WriteDescription(parameters, out);
  out << CSV_HEADER << "\n";
  for (const BoardOutcome& board : results.boards) {
    const BoardName& name = board.name;
    for (size_t m = 0; m < board.methods.size(); ++m) {
      const MethodOutcome& method = board.methods[m];
      out << name.side << ',' << KindName(name.kind) << ','
          << (name.kind == BoardKind::FILE ? "" : std::to_string(name.seed)) << ',' << name.index
          << ',' << Field(name.file) << ',' << Field(results.methods[m]) << ','
          << StatusName(method.status) << ',' << method.length << ',' << method.optimizedLength
          << ',' << board.manhattan << ',' << board.lowerBound << ',' << Milliseconds(method.micros)
          << "\n";
    }
  }
}

bool ReadCsv(std::istream& in, StudyResults& results, StudyParameters& parameters,
             std::string& error) {
  results = {};
  error.clear();
  // An editor's byte order mark is no part of the file; a file that starts with 0xEF otherwise is
  // none of ours anyway.
  if (in.peek() == 0xEF) {
    std::string mark(3, '\0');
    if (!in.read(&mark[0], 3) || mark != "\xEF\xBB\xBF") {
      error = "line 1: not the header of a study's CSV file";
      return false;
    }
  }
  const bool described = in.peek() == '#';
  if (described && !ReadDescription(in, parameters, error)) return false;
  const size_t lines = described ? DescriptionLines(parameters).size() : 0;
  std::vector<std::string> fields;
  std::string header;
  const bool read = ReadRow(in, fields, error);
  for (const std::string& field : fields) header += (header.empty() ? "" : ",") + field;
  if (!read || header != CSV_HEADER) {
    error = "line " + std::to_string(lines + 1) + ": not the header of a study's CSV file";
    return false;
  }
  for (size_t line = lines + 2; ReadRow(in, fields, error); ++line) {
    // A blank line, as an editor may leave at the end, holds no row.
    if (fields.size() == 1 && fields[0].empty()) continue;
    BoardOutcome board;
    MethodOutcome outcome;
    if (ParseRow(fields, board, outcome, error)) {
      AddRow(std::move(board), outcome, fields[5], results, error);
    }
    if (!error.empty()) {
      error = "line " + std::to_string(line) + ": " + error;
      return false;
    }
  }
  if (error.empty() && !results.boards.empty() &&
      results.boards.back().methods.size() != results.methods.size()) {
    error = "the last board has no row for every method";
  }
  if (error.empty() && !described) {
    error =
        "no description of the study before the header (a file written by npuzzle-study before "
        "its files carried one); it cannot be merged";
  } else if (error.empty()) {
    if (results.boards.empty()) results.methods = parameters.methods;
    if (results.methods != parameters.methods)
      error = "the rows name other methods than the description";
  }
  return error.empty();
}
