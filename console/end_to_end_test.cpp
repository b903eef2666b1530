// end_to_end_test.cpp: the built program, run with piped input, good and bad.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "files/xml_puzzle_file.h"
#include "methods/method_table.h"
#include "test_support/scratch_folder.h"

namespace {

struct ProgramRun {
  std::string output;
  int exitCode = -1;
};

const std::string PROMPT = "\n: ";

class EndToEnd : public ScratchFolder {
 protected:
  // Runs the program with the text as its standard input.
  ProgramRun Run(const std::string& input) {
    const int status = std::system(
        (limits + "'" NPUZZLE_BINARY "' <'" + Write("input", input) + "' >'" + Path("output") + "'")
            .c_str());
    return {Read("output"), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
  }

  // Runs `before`, prints, runs `bad`, prints again and ends: the program must still answer and
  // both prints must show the same board. Returns what `bad` wrote.
  std::string ExpectBoardIntact(const std::string& bad,
                                const std::string& before = "new 4 rmove 9") {
    const ProgramRun run = Run(before + " print " + bad + " print exit");
    EXPECT_EQ(0, run.exitCode) << bad;
    const size_t firstPrint = run.output.find("\n\nSize: ");
    const size_t secondPrint = run.output.rfind("\n\nSize: ");
    EXPECT_NE(firstPrint, secondPrint) << bad << run.output;
    const size_t firstEnd = run.output.find(PROMPT, firstPrint);
    const size_t secondEnd = run.output.find(PROMPT, secondPrint);
    EXPECT_EQ(run.output.substr(firstPrint, firstEnd - firstPrint),
              run.output.substr(secondPrint, secondEnd - secondPrint))
        << bad;
    return run.output.substr(firstEnd, secondPrint - firstEnd);
  }

  // Ends the input right after the text: the program must end cleanly, right after the text's
  // last prompt.
  void ExpectCleanEnd(const std::string& input, const std::string& lastPrompt) {
    const ProgramRun run = Run(input);
    EXPECT_EQ(0, run.exitCode) << input;
    ASSERT_GE(run.output.size(), lastPrompt.size()) << input;
    EXPECT_EQ(lastPrompt, run.output.substr(run.output.size() - lastPrompt.size())) << input;
    EXPECT_EQ(0u, run.output.find("\n ***(n^2-1) Puzzles***\n\n")) << input;
  }

  std::string limits;  // shell commands that limit the program's resources
};

}  // namespace

TEST_F(EndToEnd, EndOfInputAtEveryPrompt) {
  ExpectCleanEnd("", PROMPT);
  for (const char* command : {"new", "rand"}) ExpectCleanEnd(command, "\nInsert n : ");
  ExpectCleanEnd("rmove", "\nInsert number of moves: ");
  for (const char* command : {"load", "save", "dl"})
    ExpectCleanEnd(command, "\nInsert file name : ");
  ExpectCleanEnd("new 3 test", PROMPT);
}

TEST_F(EndToEnd, NumbersThatAreNotSides) {
  for (const std::string word : {"abc", "-"}) {
    EXPECT_EQ(PROMPT + "\nInsert n : Error - '" + word + "' is not a number\n" + PROMPT,
              ExpectBoardIntact("new " + word));
  }
  for (const char* side : {"101", "4294967296", "-3", "99999999999999999999999"}) {
    EXPECT_EQ(PROMPT + "\nInsert n : Error - n must be <= 100\n" + PROMPT,
              ExpectBoardIntact(std::string("rand ") + side));
  }
  EXPECT_EQ(PROMPT + "\nInsert number of moves: Error - 'x1' is not a number\n" + PROMPT,
            ExpectBoardIntact("rmove x1"));
  EXPECT_EQ(PROMPT + "\nInsert number of moves: -5 random moves done" + PROMPT,
            ExpectBoardIntact("rmove -5"));
}

// Files that cannot be read or written, or hold no board: the command says so and the board is
// kept (missing files, folders and FIFOs: files/file_access_test.cpp; the documents and plain
// files that hold no board: files/xml_puzzle_file_test.cpp, files/plain_board_file_test.cpp).
TEST_F(EndToEnd, FilesThatDoNotServeLeaveTheBoard) {
  const std::string binary = Write("binary", std::string("\x7f\0\x01\xff<SB", 7) + "Puzzle"),
                    truncated = Write("truncated.xml", "<SBPuzzle Width=\"3\"><Piece Caption="),
                    empty = Write("empty.xml", ""), unsaved = folder + "/no/such/board.xml";
  const std::string failed = "Failed to load file: ";
  const std::pair<std::string, std::string> cases[] = {
      {"load " + binary, failed + binary + "\n" + PROMPT},
      {"load " + truncated, failed + truncated + "\n" + PROMPT},
      {"load " + empty, failed + empty + "\n" + PROMPT},
      {"dl " + Write("eight.txt", "1 2 3 4 5 6 7 8"), "Error - board isn't n x n!" + PROMPT},
      {"save " + unsaved, "Failed to save file: " + unsaved + "\n" + PROMPT},
  };
  for (const auto& [command, answer] : cases) {
    EXPECT_EQ(PROMPT + "\nInsert file name : " + answer, ExpectBoardIntact(command)) << command;
  }
  EXPECT_FALSE(std::filesystem::exists(folder + "/no"));
}

TEST_F(EndToEnd, RunningOutOfMemoryFailsTheCommandAlone) {
#ifdef NPUZZLE_SANITIZE
  GTEST_SKIP() << "AddressSanitizer needs more address space than that";
#endif
  // As many elements as load takes: their tree needs about 100 MB, the program alone (with its
  // 58 MB pattern table) under 80.
  std::string elements;
  for (size_t i = 1; i < MAX_XML_NODES; ++i) elements += "<a/>";
  const std::string name = Write("elements.xml", elements);
  limits = "ulimit -v 120000; ";
  EXPECT_EQ(PROMPT + "\nInsert file name : Error - out of memory\n" + PROMPT,
            ExpectBoardIntact("load " + name));
}

TEST_F(EndToEnd, SavedAndLoadedBoardIsSolvedByEveryMethod) {
  const std::string name = folder + "/board.xml";
  for (const Method& method : Methods()) {
    const std::string solve = method.command;
    const ProgramRun run =
        Run("rand 6 save " + name + " new 3 load " + name + " " + solve + " apply exit");
    EXPECT_EQ(0, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("Solution found! ")) << solve;
    EXPECT_EQ(std::string::npos, run.output.find("Warning")) << solve;
    EXPECT_NE(std::string::npos, run.output.find("Size: 6x6\nManhattan distance: 0\n")) << solve;
  }
}
