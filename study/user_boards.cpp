// user_boards.cpp: telling the two file formats apart by their first character.
#include "study/user_boards.h"

#include <sys/stat.h>
#include <tinyxml.h>

#include <sstream>
#include <utility>

#include "files/file_access.h"
#include "files/plain_board_file.h"
#include "files/xml_puzzle_file.h"
#include "study/seeded_boards.h"

namespace {

// Why a name could not be read as a file.
std::string WhyNotRead(const std::string& fileName) {
  struct stat status;
  if (stat(fileName.c_str(), &status) != 0) return "cannot be opened";
  if (!S_ISREG(status.st_mode)) return "is not a regular file";
  return "cannot be read, or is larger than " + std::to_string(MAX_FILE_BYTES >> 20) + " MB";
}

}  // namespace

bool LoadUserBoard(const std::string& fileName, Board& board, std::string& error) {
  // Read once, the way load and dl read: only a regular file, opened without waiting.
  std::string text;
  if (ReadRegularFile(fileName, text) != FileRead::READ) {
    error = WhyNotRead(fileName);
    return false;
  }
  // An editor's UTF-8 byte order mark is no part of either format (TinyXML passes over it).
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  // The first character other than white space tells the format.
  const size_t first = text.find_first_not_of(" \t\n\v\f\r");
  Board read;
  std::ostringstream messages;
  bool loaded;
  if (first != std::string::npos && text[first] == '<') {
    TiXmlDocument document;
    if (!ParseXmlText(std::move(text), document)) {
      error = "is no well-formed XML document, or is nested too deep";
      return false;
    }
    loaded = ReadXmlPuzzle(document, read, messages);
  } else {
    std::istringstream in(text);
    loaded = ReadPlainBoard(read, in, messages);
  }
  if (!loaded || read.tiles.empty()) {
    // The readers' own message says what was wrong; the line breaks around it go.
    error = messages.str();
    for (char& c : error) c = c == '\n' ? ' ' : c;
    while (!error.empty() && error.back() == ' ') error.pop_back();
    if (error.empty()) error = "holds no board";
    return false;
  }
  board = std::move(read);
  return true;
}

bool LoadUserBoards(const std::vector<std::string>& fileNames, std::vector<StudyBoard>& boards,
                    std::string& error) {
  // As many as a study of generated boards has a side, which the merge takes.
  if (fileNames.size() > MOST_BOARDS) {
    error = "more than " + std::to_string(MOST_BOARDS) + " files";
    return false;
  }
  for (const std::string& file : fileNames) {
    StudyBoard item{{0, BoardKind::FILE, 0, static_cast<unsigned>(boards.size()), file}, {}};
    if (!LoadUserBoard(file, item.board, error)) {
      error = file + ": " + error;
      return false;
    }
    item.name.side = item.board.n;
    boards.push_back(std::move(item));
  }
  return true;
}
