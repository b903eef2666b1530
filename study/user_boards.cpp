// user_boards.cpp: telling the two file formats apart by their first character.
#include "study/user_boards.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <sstream>
#include <vector>

#include "files/plain_board_file.h"
#include "files/xml_puzzle_file.h"

namespace {

// The first character of the file other than white space or a UTF-8 byte order mark; '\0' for
// a file of nothing else. The file is opened without blocking and only a regular file is read,
// so a FIFO or a device named by mistake cannot stall the study.
bool FirstCharacter(const std::string& fileName, char& first, std::string& error) {
  const int descriptor = open(fileName.c_str(), O_RDONLY | O_NONBLOCK);
  if (descriptor < 0) {
    error = "cannot be opened";
    return false;
  }
  struct stat status;
  const bool regular = fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
  first = '\0';
  char buffer[256];
  ssize_t count = 0;
  bool found = false;
  while (regular && !found && (count = read(descriptor, buffer, sizeof buffer)) > 0) {
    for (ssize_t i = 0; i < count && !found; ++i) {
      const auto c = static_cast<unsigned char>(buffer[i]);
      if (std::isspace(c) || c == 0xEF || c == 0xBB || c == 0xBF) continue;
      first = static_cast<char>(c);
      found = true;
    }
  }
  close(descriptor);
  if (!regular) error = "is not a regular file";
  if (count < 0) error = "cannot be read";
  return regular && count >= 0;
}

}  // namespace

bool LoadUserBoard(const std::string& fileName, Board& board, std::string& error) {
  char first;
  if (!FirstCharacter(fileName, first, error)) return false;
  Board read;
  std::ostringstream messages;
  const bool loaded = first == '<' ? LoadXmlFile(read, fileName, messages)
                                   : LoadPlainFile(read, fileName, messages);
  if (!loaded || read.tiles.empty()) {
    // The readers' own message says what was wrong; the line breaks around it go.
    error = messages.str();
    for (char& c : error) c = c == '\n' ? ' ' : c;
    while (!error.empty() && error.back() == ' ') error.pop_back();
    if (error.empty()) error = "holds no board";
    return false;
  }
  board = read;
  board.FindBlank();
  return true;
}

bool MustBeSolved(const Board& board) {
  const unsigned n = board.n;
  const size_t cells = static_cast<size_t>(n) * n;
  if (n < 3 || n > MAX_SIDE || board.tiles.size() != cells) return false;
  std::vector<bool> seen(cells, false);
  for (const int t : board.tiles) {
    if (t < 0 || static_cast<size_t>(t) >= cells || seen[t]) return false;
    seen[t] = true;
  }
  std::ostream discard(nullptr);
  return board.IsSolvable(discard);
}
