// file_access_test.cpp: save, load and dl on links, FIFOs, read-only, long, deep and huge files.
#include "files/file_access.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "files/plain_board_file.h"
#include "files/xml_puzzle_file.h"
#include "test_support/sample_boards.h"
#include "test_support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// Every field, so that a kept board is seen to be kept whole.
std::string Fields(const Board& board) {
  std::ostringstream text;
  text << board.n << "/" << board.blank << "/" << board.initialSize << "/";
  for (const int t : board.tiles) text << t << " ";
  text << "/";
  for (const int t : board.initialTiles) text << t << " ";
  return text.str();
}

class HostileFiles : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    fs::permissions(folder, fs::perms::all);  // the user nobody writes here too
    ASSERT_TRUE(SaveXmlFile(SAVED, Path("reference.xml"), out));
    savedText = Read("reference.xml");
    fs::remove(Path("reference.xml"));
    board.initialSize = 7;
    board.initialTiles = {9, 9};
    kept = Fields(board);
  }

  // Runs the body in a child process, as the user nobody when asked and the tests run as root,
  // and returns what the body wrote. An alarm ends a child that blocks, so that a hang fails the
  // test instead of stopping it.
  std::string InChild(bool asNobody, const std::function<void(std::ostream&)>& body) const {
    const std::string name = Path("child_output");
    const pid_t child = fork();
    if (child == 0) {
      alarm(10);
      std::ofstream text(name);
      if (asNobody && getuid() == 0 &&
          (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
        text << "cannot become nobody";
      } else {
        body(text);
      }
      text.close();
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const std::string text = Read("child_output");
    fs::remove(name);
    return WIFEXITED(status) ? text : text + "[the child hung or crashed]";
  }

  // The names in the folder, sorted.
  std::string Entries() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
    std::string text;
    for (const std::string& name : names) text += name + " ";
    return text;
  }

  const Board SAVED = BoardOf(3, {4, 1, 2, 0, 8, 3, 7, 6, 5});
  std::string savedText;
  Board board = BoardOf(2, {1, 2, 0, 3});
  std::string kept;
  std::ostringstream out;
};

}  // namespace

// Symbolic links, chained or dangling, and hard links are kept, and the file they lead to written;
// a name of the longest length saves too.
TEST_F(HostileFiles, SaveWritesWhereLinksLeadAndKeepsThem) {
  std::ofstream(Path("board.xml"))
      << "old text, longer than the new one will be: " + std::string(savedText.size(), '.');
  fs::permissions(Path("board.xml"), static_cast<fs::perms>(0666));
  // The saving user's own file, so that only its second name keeps it from being replaced.
  if (getuid() == 0) {
    ASSERT_EQ(0, chown(Path("board.xml").c_str(), 65534, 65534));
  }
  fs::create_hard_link(Path("board.xml"), Path("other.xml"));
  fs::create_directory(Path("links"));
  fs::create_symlink("../board.xml", Path("links/first"));
  fs::create_symlink("first", Path("links/chain"));
  fs::create_symlink(Path("new.xml"), Path("links/dangling"));
  const std::string longest(255, 'n');
  // The link folder is closed to the saving user: a temporary file beside the link would fail.
  if (getuid() != 0) fs::permissions(Path("links"), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ("", InChild(true, [&](std::ostream& text) {
              SaveXmlFile(SAVED, Path("links/chain"), text);
              SaveXmlFile(SAVED, Path("links/dangling"), text);
              SaveXmlFile(SAVED, Path(longest), text);
            }));
  fs::permissions(Path("links"), fs::perms::owner_all);
  EXPECT_TRUE(fs::is_symlink(Path("links/chain")));
  EXPECT_TRUE(fs::is_symlink(Path("links/dangling")));
  EXPECT_TRUE(fs::equivalent(Path("board.xml"), Path("other.xml")));
  for (const std::string& name : {std::string("other.xml"), std::string("new.xml"), longest}) {
    EXPECT_EQ(savedText, Read(name)) << name;
  }
  EXPECT_EQ("board.xml links new.xml " + longest + " other.xml ", Entries());
}

TEST_F(HostileFiles, ReadOnlyFileIsKeptForAnOrdinaryUser) {
  const std::string name = Path("read_only.xml");
  std::ofstream(name) << "kept";
  fs::permissions(name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  if (getuid() == 0) {
    ASSERT_EQ(0, chown(name.c_str(), 65534, 65534));
  }
  EXPECT_EQ("Failed to save file: " + name + "\n",
            InChild(true, [&](std::ostream& text) { SaveXmlFile(SAVED, name, text); }));
  EXPECT_EQ("kept", Read("read_only.xml"));
  EXPECT_EQ("read_only.xml ", Entries());
  // Root may write any file, and so writes this one, which stays read-only.
  if (getuid() == 0) {
    EXPECT_TRUE(SaveXmlFile(SAVED, name, out));
    EXPECT_EQ(savedText, Read("read_only.xml"));
    EXPECT_EQ(static_cast<fs::perms>(0444), fs::status(name).permissions());
  }
}

// Another user's file that the saver may write is written where it is, in an open folder and in
// one closed to the saver: a new file renamed over it would be the saver's, or could not be made.
TEST_F(HostileFiles, AnotherUsersFileIsRewrittenAndStaysTheirs) {
  if (getuid() != 0) GTEST_SKIP() << "acting as another user needs root";
  fs::create_directory(Path("closed"));
  const std::vector<std::string> names = {"shared.xml", "closed/shared.xml"};
  for (const std::string& name : names) {
    std::ofstream(Path(name)) << "old";
    fs::permissions(Path(name), static_cast<fs::perms>(0666));
  }
  fs::permissions(Path("closed"), static_cast<fs::perms>(0755));
  EXPECT_EQ("", InChild(true, [&](std::ostream& text) {
              for (const std::string& name : names) SaveXmlFile(SAVED, Path(name), text);
            }));
  for (const std::string& name : names) {
    EXPECT_EQ(savedText, Read(name)) << name;
    struct stat status;
    ASSERT_EQ(0, stat(Path(name).c_str(), &status));
    EXPECT_EQ(0u, status.st_uid) << name;
  }
  EXPECT_EQ("closed shared.xml ", Entries());
}

TEST_F(HostileFiles, NoFileButARegularOneIsOpenedOrReplaced) {
  const std::string fifo = Path("fifo"), cut = Path("saved.xml") + std::string("\0.bak", 5);
  ASSERT_EQ(0, mkfifo(fifo.c_str(), 0666));
  ASSERT_TRUE(SaveXmlFile(SAVED, Path("saved.xml"), out));
  const std::string output = InChild(false, [&](std::ostream& text) {
    for (const std::string& name : {fifo, folder, std::string("/dev/null"), Path("missing")}) {
      LoadXmlFile(board, name, text);
      LoadPlainFile(board, name, text);  // silently
    }
    SaveXmlFile(SAVED, fifo, text);
    LoadXmlFile(board, cut, text);  // cut at its NUL byte, the name would be saved.xml's
    SaveXmlFile(board, cut, text);
    if (Fields(board) != kept) text << "the board changed";
  });
  EXPECT_EQ("Failed to load file: " + fifo + "\nFailed to load file: " + folder +
                "\nFailed to load file: /dev/null\nFailed to load file: " + Path("missing") +
                "\nFailed to save file: " + fifo + "\nFailed to load file: " + Path("saved.xml") +
                "\nFailed to save file: " + Path("saved.xml") + "\n",
            output);
  EXPECT_EQ(savedText, Read("saved.xml"));
  struct stat status;
  ASSERT_EQ(0, lstat(fifo.c_str(), &status));
  EXPECT_TRUE(S_ISFIFO(status.st_mode));
  EXPECT_EQ("fifo saved.xml ", Entries());
}

// Too many nodes: XmlText in xml_puzzle_file_test.cpp.
TEST_F(HostileFiles, DeepWideOrHugeXmlIsRefusedAndTheBoardKept) {
  std::string deep;
  for (int i = 0; i < 40000; ++i) deep += "<a>";
  std::string wide = "<SBPuzzle Width=\"2\"";
  for (size_t i = 0; i <= MAX_XML_ATTRIBUTES; ++i) wide += " a" + std::to_string(i) + "=\"\"";
  Write("deep.xml", deep);
  Write("wide.xml", wide + " />");
  for (const char* name : {"deep.xml", "wide.xml", "huge.xml"}) {
    if (name == std::string("huge.xml")) {
      const int descriptor = open(Path(name).c_str(), O_CREAT | O_WRONLY, 0644);
      const bool grown = ftruncate(descriptor, off_t{1} << 40) == 0;
      close(descriptor);
      if (!grown) GTEST_SKIP() << "no 1 TB sparse file on this file system";
    }
    out.str("");
    EXPECT_FALSE(LoadXmlFile(board, Path(name), out));
    EXPECT_EQ("Failed to load file: " + Path(name) + "\n", out.str());
    EXPECT_EQ(kept, Fields(board)) << name;
  }
}

// A file one byte above the limit is refused whole rather than read as far as the limit, where
// "45" would be cut to "4"; the same board ending at the limit loads.
TEST_F(HostileFiles, PlainFileAboveTheLimitIsRefusedWhole) {
  const auto write = [&](const std::string& end) {
    const std::string start = "1 2 3 ";
    std::ofstream(Path("blanks.txt"))
        << start << std::string(MAX_FILE_BYTES - start.size() - 1, ' ') << end;
  };
  write("45");
  EXPECT_FALSE(LoadPlainFile(board, Path("blanks.txt"), out));
  EXPECT_EQ("Failed to load file: " + Path("blanks.txt") + "\n", out.str());
  EXPECT_EQ(kept, Fields(board));
  write("4");
  EXPECT_TRUE(LoadPlainFile(board, Path("blanks.txt"), out));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), board.tiles);
}
