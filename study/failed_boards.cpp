// failed_boards.cpp: a generated board is made again from its name; a user's is at hand.
#include "study/failed_boards.h"

#include <filesystem>

#include "files/plain_board_file.h"

namespace {

// More lines than this would bury the table; the rest are counted.
constexpr size_t MOST_NAMED = 20;

std::string FailedBoardFile(const std::string& folder, const std::string& method,
                            const BoardName& name) {
  if (name.kind == BoardKind::FILE) {
    return folder + "/" + method + "_file" + std::to_string(name.index) + "_" +
           std::filesystem::path(name.file).filename().string() + ".txt";
  }
  return folder + "/" + method + "_side" + std::to_string(name.side) + "_" + KindName(name.kind) +
         "_seed" + std::to_string(name.seed) + "_board" + std::to_string(name.index) + ".txt";
}

}  // namespace

bool ReportFailedBoards(const StudyResults& results, const std::vector<StudyBoard>& boards,
                        const std::string& folder, std::ostream& out) {
  size_t failures = 0;
  bool allWritten = true;
  for (size_t i = 0; i < results.boards.size() && i < boards.size(); ++i) {
    const BoardOutcome& outcome = results.boards[i];
    const BoardName& name = outcome.name;
    for (size_t m = 0; m < outcome.methods.size(); ++m) {
      if (outcome.methods[m].status != SolveStatus::FAILED) continue;
      std::string line = results.methods[m] + " failed on " + Describe(name);
      if (!folder.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        const std::string fileName = FailedBoardFile(folder, results.methods[m], name);
        const bool written = SavePlainFile(
            name.kind == BoardKind::FILE ? boards[i].board : GenerateBoard(name), fileName);
        allWritten = allWritten && written;
        line += (written ? ", written to " : ", cannot be written to ") + fileName;
      }
      if (++failures <= MOST_NAMED) out << line << "\n";
    }
  }
  if (failures > MOST_NAMED) out << "and " << failures - MOST_NAMED << " more failures\n";
  return allWritten;
}
