// study_parameters.cpp: the description as lines of "# key: value", one table for both ways.
#include "study/study_parameters.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "board/board.h"
#include "board/text_format.h"
#include "study/csv_file.h"
#include "study/seeded_boards.h"

namespace {

// The files' names can be many; anything longer is not a description that the study wrote.
constexpr size_t MOST_LINE_BYTES = 1 << 24;

bool ParseMethods(const std::string& text, StudyParameters& p) {
  p.methods = SplitCommas(text);
  for (const std::string& method : p.methods) {
    if (method.empty() || std::count(p.methods.begin(), p.methods.end(), method) > 1) return false;
  }
  return !p.methods.empty();
}

bool ParseBoards(const std::string& text, StudyParameters& p) {
  std::uint64_t boards = 0;
  // No study makes more, and more could throw the merge's sums out.
  if (!ParseNumber(text, MOST_BOARDS, boards) || boards == 0) return false;
  p.boards = static_cast<unsigned>(boards);
  return true;
}

// A file's name with '%', ',' and line breaks as %XX, so that the names, whatever their bytes,
// stand on one line as a list and read back as they were.
std::string EscapeName(const std::string& name) {
  std::string text;
  for (const char c : name) {
    text += c == '%' || c == ',' || c == '\n' || c == '\r'
                ? Format("%%%02X", static_cast<unsigned>(static_cast<unsigned char>(c)))
                : std::string(1, c);
  }
  return text;
}

bool UnescapeName(const std::string& text, std::string& name) {
  name.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      name += text[i];
      continue;
    }
    const std::string code = text.substr(i + 1, 2);
    if (code.size() != 2 || code.find_first_not_of("0123456789ABCDEF") != code.npos) return false;
    name += static_cast<char>(std::stoi(code, nullptr, 16));
    i += 2;
  }
  return !name.empty();
}

bool ParseFiles(const std::string& text, StudyParameters& p) {
  p.files.clear();
  for (const std::string& item : SplitCommas(text)) {
    p.files.emplace_back();
    if (!UnescapeName(item, p.files.back())) return false;
  }
  return !p.files.empty();
}

// Each key and how its value is read; a generated study has a seed, a study of files its files.
using ParseValue = bool (*)(const std::string&, StudyParameters&);
const std::pair<const char*, ParseValue> KEYS[] = {
    {"version",
     [](const std::string& text, StudyParameters& p) {
       p.version = text;
       return !text.empty();
     }},
    {"methods", ParseMethods},
    // A user's board may have any side up to MAX_SIDE.
    {"sides",
     [](const std::string& text, StudyParameters& p) { return ParseSides(text, 0, p.sides); }},
    {"boards", ParseBoards},
    {"kind",
     [](const std::string& text, StudyParameters& p) {
       std::vector<BoardKind> kinds;
       p.kind = text;
       return text == "file" || ParseStudyKinds(text, kinds);
     }},
    {"seed", [](const std::string& text,
                StudyParameters& p) { return ParseNumber(text, UINT64_MAX, p.seed); }},
    {"files", ParseFiles},
    // ParseShard takes no text for the whole study, which the description names 1/1.
    {"shard",
     [](const std::string& text, StudyParameters& p) {
       return !text.empty() && ParseShard(text, p.shard, p.shards);
     }},
};

// The line, which the caller saw begin, without its end (\n or \r\n); false if far too long.
bool ReadLine(std::istream& in, std::string& line) {
  line.clear();
  for (int c = in.get(); c != EOF && c != '\n'; c = in.get()) {
    if (line.size() == MOST_LINE_BYTES) return false;
    line += static_cast<char>(c);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace

std::string SidesText(const std::vector<unsigned>& sides) {
  std::string text;
  for (size_t i = 0; i < sides.size();) {
    size_t last = i;
    while (last + 1 < sides.size() && sides[last + 1] == sides[last] + 1) ++last;
    text += (text.empty() ? "" : ",") + std::to_string(sides[i]);
    if (last > i) text += "-" + std::to_string(sides[last]);
    i = last + 1;
  }
  return text;
}

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> items;
  std::istringstream in(text);
  for (std::string item; std::getline(in, item, ',');) items.push_back(item);
  if (!text.empty() && text.back() == ',') items.emplace_back();
  return items;
}

bool ParseSides(const std::string& text, unsigned least, std::vector<unsigned>& sides) {
  std::set<unsigned> chosen;
  for (const std::string& item : SplitCommas(text)) {
    const size_t dash = item.find('-');
    std::uint64_t first = 0, last = 0;
    if (!ParseNumber(item.substr(0, dash), MAX_SIDE, first) ||
        !ParseNumber(dash == item.npos ? item : item.substr(dash + 1), MAX_SIDE, last) ||
        first < least || first > last) {
      return false;
    }
    for (auto n = first; n <= last; ++n) chosen.insert(static_cast<unsigned>(n));
  }
  sides.assign(chosen.begin(), chosen.end());
  return !sides.empty();
}

std::string ShardName(unsigned shard, unsigned shards) {
  return std::to_string(shard) + "/" + std::to_string(shards);
}

bool ParseShard(const std::string& text, unsigned& shard, unsigned& shards) {
  const size_t slash = text.find('/');
  std::uint64_t i = 1, k = 1;
  if (!text.empty() && (slash == text.npos || !ParseNumber(text.substr(0, slash), 1000000, i) ||
                        !ParseNumber(text.substr(slash + 1), 1000000, k) || i < 1 || i > k)) {
    return false;
  }
  shard = static_cast<unsigned>(i);
  shards = static_cast<unsigned>(k);
  return true;
}

std::vector<std::pair<std::string, std::string>> DescriptionLines(const StudyParameters& p) {
  std::string methods;
  for (const std::string& method : p.methods) methods += (methods.empty() ? "" : ",") + method;
  std::vector<std::pair<std::string, std::string>> lines = {{"version", p.version},
                                                            {"methods", methods},
                                                            {"sides", SidesText(p.sides)},
                                                            {"boards", std::to_string(p.boards)},
                                                            {"kind", p.kind}};
  if (p.kind == "file") {
    std::string files;
    for (const std::string& file : p.files) files += (files.empty() ? "" : ",") + EscapeName(file);
    lines.emplace_back("files", files);
  } else {
    lines.emplace_back("seed", std::to_string(p.seed));
  }
  lines.emplace_back("shard", ShardName(p.shard, p.shards));
  return lines;
}

void WriteDescription(const StudyParameters& parameters, std::ostream& out) {
  for (const auto& [key, value] : DescriptionLines(parameters)) {
    out << "# " << key << ": " << value << "\n";
  }
}

bool ReadDescription(std::istream& in, StudyParameters& parameters, std::string& error) {
  parameters = {};
  std::set<std::string> found;
  std::string line;
  for (size_t number = 1; in.peek() == '#'; ++number) {
    const size_t colon =
        ReadLine(in, line) && line.rfind("# ", 0) == 0 ? line.find(": ") : line.npos;
    // "# " comes first, so a colon found is past it.
    const std::string key = colon == line.npos ? "" : line.substr(2, colon - 2);
    const auto entry = std::find_if(std::begin(KEYS), std::end(KEYS),
                                    [&key](const auto& known) { return key == known.first; });
    if (colon == line.npos || entry == std::end(KEYS) || !found.insert(key).second ||
        !entry->second(line.substr(colon + 2), parameters)) {
      error = "line " + std::to_string(number) + ": not a line of a study's description";
      return false;
    }
  }
  // The lines that a description of this kind of study has.
  for (const auto& [key, value] : DescriptionLines(parameters)) {
    if (found.count(key) == 0) {
      error = "the study's description has no " + key;
      return false;
    }
  }
  if (found.size() != DescriptionLines(parameters).size()) {
    error = "the study's description has both a seed and files";
  } else if (parameters.kind == "file" && parameters.files.size() != parameters.boards) {
    error = "the study's description counts its files wrongly";
  }
  return error.empty();
}
