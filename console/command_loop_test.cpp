// command_loop_test.cpp: whole sessions driven through string streams.
#include "console/command_loop.h"

#include <gtest/gtest.h>

#include <sstream>

#include "board/random_draw.h"

namespace {

const std::string HELP =
    "\n ***(n^2-1) Puzzles***\n\nList of commands:"
    "\n\thelp\t...\tprint this help"
    "\n\tcls\t...\tclear screen"
    "\n\tload\t...\tload puzzle from file"
    "\n\tsave\t...\tsave puzzle"
    "\n\tnew\t...\tnew puzzle n x n (tiles in their goal positions)"
    "\n\trand\t...\tnew puzzle n x n (random tiles positions)"
    "\n\tprint\t...\tprint current puzzle"
    "\n\trmove\t...\tdo n random moves"
    "\n\tsolve\t...\tsolve current puzzle (Parberry)"
    "\n\tsolve2\t...\tsolve current puzzle ('Snakes')"
    "\n\tapply\t...\tapply solution to current puzzle"
    "\n\tsolution\t...\tprint solution"
    "\n\texit\t...\texit the program";
const std::string PROMPT = "\n: ";
const std::string ASK_N = "\nInsert n : ";
const std::string ASK_FILE = "\nInsert file name : ";
const std::string GOAL_3 =
    "\n\nSize: 3x3\nManhattan distance: 0\nSolvable: Yes\n\nTiles: \n"
    "\n   1   2   3\n   4   5   6\n   7   8   0";

// Runs a whole session and keeps what it wrote and the board it ended with.
struct Session {
  explicit Session(const std::string& input) : in(input), loop(in, out) { exitCode = loop.Run(); }
  // The output after the start-up help.
  std::string AfterHelp() const { return out.str().substr(HELP.size()); }

  std::istringstream in;
  std::ostringstream out;
  CommandLoop loop;
  int exitCode = -1;
};

}  // namespace

TEST(CommandLoop, StartsWithHelpAndPrompt) {
  Session session("exit");
  EXPECT_EQ(HELP + PROMPT, session.out.str());
  EXPECT_EQ(0, session.exitCode);
}

TEST(CommandLoop, ArgumentsOnTheSameLine) {
  Session session("new 3 print exit");
  EXPECT_EQ(PROMPT + ASK_N + PROMPT + GOAL_3 + PROMPT, session.AfterHelp());
}

TEST(CommandLoop, ExtraTokenIsTheNextCommand) {
  Session session("new 3 4\nexit\n");
  EXPECT_EQ(PROMPT + ASK_N + PROMPT + "\nBad command" + PROMPT, session.AfterHelp());
  EXPECT_EQ(3u, session.loop.CurrentBoard().n);
}

TEST(CommandLoop, CommandWordsAreCaseSensitive) {
  Session session("Exit HELP exit");
  EXPECT_EQ(PROMPT + "\nBad command" + PROMPT + "\nBad command" + PROMPT, session.AfterHelp());
}

TEST(CommandLoop, HelpAgain) {
  Session session("help exit");
  EXPECT_EQ(PROMPT + HELP + PROMPT, session.AfterHelp());
}

TEST(CommandLoop, NewBuildsTheGoalBoardUpToTheLimit) {
  Session session("new 3 new 101 new 100 exit");
  EXPECT_EQ(
      PROMPT + ASK_N + PROMPT + ASK_N + "Error - n must be <= 100\n" + PROMPT + ASK_N + PROMPT,
      session.AfterHelp());
  const Board& board = session.loop.CurrentBoard();
  EXPECT_EQ(100u, board.n);
  EXPECT_EQ(9999u, board.blank);
  EXPECT_EQ(1, board.tiles[0]);
  EXPECT_EQ(board.tiles, board.initialTiles);
}

TEST(CommandLoop, NewOneAndZero) {
  Session one("new 1 print exit");
  EXPECT_EQ(std::vector<int>{0}, one.loop.CurrentBoard().tiles);
  Session zero("new 0 print exit");
  EXPECT_EQ(0u, zero.loop.CurrentBoard().n);
  EXPECT_EQ(std::vector<int>{0}, zero.loop.CurrentBoard().tiles);
  EXPECT_EQ(PROMPT + ASK_N + PROMPT + "No puzzle to be print!" + PROMPT, zero.AfterHelp());
}

TEST(CommandLoop, RandMakesASolvableBoardOfThatSide) {
  SeedRandom(5);
  Session session("rand 6 exit");
  const Board& board = session.loop.CurrentBoard();
  EXPECT_EQ(6u, board.n);
  std::ostringstream out;
  EXPECT_TRUE(board.IsSolvable(out));
}

TEST(CommandLoop, RandomMoves) {
  SeedRandom(9);
  Session session("new 4 rmove 0 rmove -5 rmove 30 rmove many rmove 9999999999 exit");
  const std::string ask = "\nInsert number of moves: ";
  EXPECT_EQ(PROMPT + ASK_N + PROMPT + ask + "0 random moves done" + PROMPT + ask +
                "-5 random moves done" + PROMPT + ask + "30 random moves done" + PROMPT + ask +
                "Error - 'many' is not a number\n" + PROMPT + ask +
                "Error - number of moves must lie between -2147483648 and 2147483647\n" + PROMPT,
            session.AfterHelp());
  const Board& board = session.loop.CurrentBoard();
  EXPECT_EQ(0, board.tiles[board.blank]);
  std::ostringstream out;
  EXPECT_TRUE(board.IsSolvable(out));
}

TEST(CommandLoop, RandomMovesOnBoardsWithoutMoves) {
  Session empty("rmove 5 new 1 rmove 5 exit");
  EXPECT_EQ(std::vector<int>{0}, empty.loop.CurrentBoard().tiles);
}

TEST(CommandLoop, TestEchoesWithoutPrompt) {
  Session session("test hello test 42 exit");
  EXPECT_EQ(PROMPT + "hello" + PROMPT + "42" + PROMPT, session.AfterHelp());
}

TEST(CommandLoop, ClsWritesTheTerminalClear) {
  Session session("cls exit");
  EXPECT_EQ(PROMPT + "\x1b[2J\x1b[H" + PROMPT, session.AfterHelp());
}

TEST(CommandLoop, LoadTakesOneTokenAsTheName) {
  Session session("load no such.xml exit");
  EXPECT_EQ(PROMPT + ASK_FILE + "Failed to load file: no\n" + PROMPT + "\nBad command" + PROMPT,
            session.AfterHelp());
}
