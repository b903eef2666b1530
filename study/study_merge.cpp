// study_merge.cpp: concatenating, ordering and checking the boards of several parts.
#include "study/study_merge.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

namespace {

// A board's place in the list of one run. A study is either all files or all generated.
std::tuple<unsigned, unsigned> Place(const BoardName& name) {
  return {name.kind == BoardKind::FILE ? 0 : name.side, name.index};
}

}  // namespace

bool MergeStudies(std::vector<StudyResults> parts, StudyResults& merged, std::string& error) {
  merged = {};
  for (StudyResults& part : parts) {
    if (part.boards.empty()) continue;
    if (merged.boards.empty()) {
      merged.methods = part.methods;
    } else if (part.methods != merged.methods) {
      error = "the files name different methods";
      return false;
    }
    for (BoardOutcome& board : part.boards) merged.boards.push_back(std::move(board));
  }
  std::vector<BoardOutcome>& boards = merged.boards;
  std::stable_sort(boards.begin(), boards.end(),
                   [](const auto& a, const auto& b) { return Place(a.name) < Place(b.name); });
  for (size_t i = 1; i < boards.size(); ++i) {
    const BoardName &before = boards[i - 1].name, &name = boards[i].name;
    if ((before.kind == BoardKind::FILE) != (name.kind == BoardKind::FILE) ||
        before.seed != name.seed) {
      error = "the files come from different studies";
      return false;
    }
    if (Place(before) == Place(name)) {
      error = "board " + std::to_string(name.index) + " of side " + std::to_string(name.side) +
              " is there twice";
      return false;
    }
  }
  return true;
}

StudyParameters InferParameters(const StudyResults& results) {
  StudyParameters parameters;
  std::map<unsigned, unsigned> perSide;
  std::vector<bool> kinds(4, false);
  for (const BoardOutcome& board : results.boards) {
    ++perSide[board.name.side];
    kinds[static_cast<int>(board.name.kind)] = true;
    parameters.seed = board.name.seed;
    if (board.name.kind == BoardKind::FILE) parameters.files.push_back(board.name.file);
  }
  for (const auto& [side, count] : perSide) {
    parameters.sides.push_back(side);
    parameters.boards = std::max(parameters.boards, count);
  }
  if (!parameters.files.empty()) parameters.boards = static_cast<unsigned>(parameters.files.size());
  const auto kindCount = std::count(kinds.begin(), kinds.end(), true);
  for (int k = 0; k < 4; ++k) {
    if (kinds[k]) parameters.kind = kindCount > 1 ? "mixed" : KindName(static_cast<BoardKind>(k));
  }
  return parameters;
}
