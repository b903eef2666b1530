// study_merge.cpp: the descriptions compared, then each shard's rows against the boards that
// its shard of the described list holds, then the rows interleaved back into list order.
#include "study/study_merge.h"

#include <algorithm>

#include "study/seeded_boards.h"

namespace {

// Longer values (the files of a study) are not worth quoting in a message.
constexpr size_t MOST_QUOTED = 40;
// Missing shards named in a message; a study of a million shards would fill the screen.
constexpr unsigned MOST_NAMED_SHARDS = 10;

// Why the two parts are not shards of one study, or empty.
std::string Difference(const StudyPart& a, const StudyPart& b) {
  const auto linesA = DescriptionLines(a.parameters), linesB = DescriptionLines(b.parameters);
  const std::string both = a.file + " and " + b.file;
  // Every description has as many lines, in one order; one with files differs in its kind first.
  for (size_t i = 0; i < linesA.size(); ++i) {
    const auto& [key, valueA] = linesA[i];
    const std::string& valueB = linesB[i].second;
    if (key == "shard" || linesA[i] == linesB[i]) continue;
    const std::string values = valueA.size() <= MOST_QUOTED && valueB.size() <= MOST_QUOTED
                                   ? " (" + valueA + " and " + valueB + ")"
                                   : "";
    if (key == "version") return both + " come from different program versions" + values;
    return both + " come from different studies: they differ in " + key + values;
  }
  return "";
}

// Whether the part's rows are the boards of its shard of the whole list, in list order.
bool HoldsItsShard(const StudyPart& part, size_t listSize) {
  const StudyParameters& p = part.parameters;
  std::vector<BoardKind> kinds;
  ParseStudyKinds(p.kind, kinds);
  const std::vector<BoardOutcome>& rows = part.results.boards;
  const size_t expected = listSize >= p.shard ? (listSize - p.shard) / p.shards + 1 : 0;
  if (rows.size() != expected) return false;
  for (size_t i = 0; i < rows.size(); ++i) {
    const size_t position = p.shard - 1 + i * p.shards;
    // A user's board's side comes from its file: one of the described sides.
    if (p.kind == "file" &&
        !std::binary_search(p.sides.begin(), p.sides.end(), rows[i].name.side)) {
      return false;
    }
    const BoardName expected = p.kind == "file"
                                   ? BoardName{rows[i].name.side, BoardKind::FILE, 0,
                                               static_cast<unsigned>(position), p.files[position]}
                                   : StudyBoardName(p.sides, p.boards, kinds, p.seed, position);
    if (!(expected == rows[i].name)) return false;
  }
  return true;
}

}  // namespace

bool MergeStudies(const std::vector<StudyPart>& parts, StudyParameters& parameters,
                  StudyResults& merged, std::string& error) {
  merged = {};
  if (parts.empty()) {
    error = "no files to merge";
    return false;
  }
  parameters = parts.front().parameters;
  const unsigned shards = parameters.shards;
  std::vector<const StudyPart*> byShard(shards, nullptr);
  for (const StudyPart& part : parts) {
    const unsigned shard = part.parameters.shard;
    error = Difference(parts.front(), part);
    if (error.empty() && part.parameters.shards != shards) {
      error = parts.front().file + " and " + part.file +
              " come from different studies: one is shard " + ShardName(parameters.shard, shards) +
              ", the other " + ShardName(shard, part.parameters.shards);
    } else if (error.empty() && byShard[shard - 1] != nullptr) {
      error = "shard " + ShardName(shard, shards) + " is there twice: " + byShard[shard - 1]->file +
              " and " + part.file;
    }
    if (!error.empty()) return false;
    byShard[shard - 1] = &part;
  }
  std::string missing;
  unsigned count = 0;
  for (unsigned shard = 1; shard <= shards; ++shard) {
    if (byShard[shard - 1] != nullptr) continue;
    if (++count <= MOST_NAMED_SHARDS) {
      missing += (missing.empty() ? "" : ", ") + ShardName(shard, shards);
    }
  }
  if (count > MOST_NAMED_SHARDS) {
    missing += " and " + std::to_string(count - MOST_NAMED_SHARDS) + " more";
  }
  if (count > 0) {
    error = count == 1 ? "shard " + missing + " is missing" : "shards " + missing + " are missing";
    return false;
  }
  const size_t listSize = parameters.kind == "file" ? parameters.files.size()
                                                    : parameters.sides.size() * parameters.boards;
  for (unsigned shard = 1; shard <= shards; ++shard) {
    if (!HoldsItsShard(*byShard[shard - 1], listSize)) {
      const std::string which = shards == 1 ? "" : " of shard " + ShardName(shard, shards);
      error = byShard[shard - 1]->file + ": its rows are not the boards" + which +
              " of the study that its first lines describe";
      return false;
    }
  }
  merged.methods = parameters.methods;
  merged.boards.reserve(listSize);
  for (size_t position = 0; position < listSize; ++position) {
    merged.boards.push_back(byShard[position % shards]->results.boards[position / shards]);
  }
  parameters.shard = parameters.shards = 1;
  return true;
}
