// snake_solver_test.cpp: the grid over the board, the driver's output, and whole solves.
#include "board/random_draw.h"
#include "parberry/parberry_solver.h"
#include "snake/snake_test_support.h"

namespace {

const std::string TIME_LINE = "\nSolved in T seconds ( T of it solving 3x3 puzzle)";

class SolveSnakes : public SnakeTest {
 protected:
  // The solve's output with the time line's two times replaced by T.
  std::string Solve(const Board& board, const std::string& expectedSolution) {
    solver.SetPuzzle(board);
    const SolveResult result = solver.SolveSnakes();
    EXPECT_EQ(expectedSolution, result.solved ? result.moves : result.message);
    std::string text = out.str();
    const size_t start = text.find("\nSolved in ");
    if (start == std::string::npos) return text;
    return text.replace(start, text.find(')', start) + 1 - start, TIME_LINE);
  }
};

// Solves the board and checks that the solution, applied to a copy, ends at the goal with no
// warning, and that the solver reported no error.
void ExpectSolved(const Board& board, const std::string& name) {
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(board);
  EXPECT_TRUE(SolvesBoard(board, solver.SolveSnakes().moves)) << name;
  for (const char* alarm : {"Error", "Warning"}) {
    EXPECT_EQ(std::string::npos, out.str().find(alarm)) << name;
  }
}

Board RandomBoard(unsigned n, unsigned seed) {
  SeedRandom(seed);
  return RandomSolvableBoard(n);
}

Board NearGoal(unsigned n, unsigned seed, int moves) {
  SeedRandom(seed);
  return NearGoalBoard(n, moves);
}

}  // namespace

TEST_F(SolveSnakes, GridFollowsTheBoard) {
  EXPECT_TRUE(Blocked(0, 0) && Blocked(99, 99));  // no board yet: nothing is free
  Load(GoalWithBlankAt(5, 2, 2));
  EXPECT_TRUE(!Blocked(4, 4) && Blocked(0, 5) && Blocked(5, 0));
  EXPECT_TRUE(solver.TrimAndReset());
  EXPECT_TRUE(!Blocked(3, 3) && Blocked(0, 4) && Blocked(4, 0));
  Load(GoalWithBlankAt(5, 2, 0));
  solver.cellGrid[2][2] = BLOCKED_CELL;
  EXPECT_FALSE(solver.TrimAndReset());
  EXPECT_EQ(5u, solver.board.n);
  EXPECT_TRUE(Blocked(2, 2) && !Blocked(4, 4));
}

TEST_F(SolveSnakes, ProgressAfterEachReduction) {
  EXPECT_EQ("\n" + TIME_LINE, Solve(BoardFromTiles({1, 2, 3, 4, 5, 6, 7, 0, 8}), "R"));
  out.str("");
  EXPECT_EQ("\n4 ... 3 ... " + TIME_LINE, Solve(GoalBoard(5), ""));
}

TEST_F(SolveSnakes, RefusesSilently) {
  Board swapped = GoalBoard(4), repeated = GoalBoard(4), tooLarge;
  std::swap(swapped.tiles[0], swapped.tiles[1]);
  repeated.tiles[0] = 2;
  tooLarge.n = 101;
  tooLarge.tiles.assign(101 * 101, 0);
  solver.applied = "before";
  for (const Board& board : {swapped, repeated, GoalBoard(2), tooLarge, Board()}) {
    EXPECT_EQ("", Solve(board, "Can't solve this puzzle...")) << board.n;
  }
  EXPECT_EQ("before", solver.applied);
}

TEST(WholeSolves, RandomBoardsOfEverySide) {
  for (unsigned n = 3; n <= 20; ++n) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
      ExpectSolved(RandomBoard(n, seed * 100 + n), "random " + std::to_string(n));
    }
  }
  ExpectSolved(RandomBoard(50, 1), "random 50");
  ExpectSolved(RandomBoard(100, 1), "random 100");
}

TEST(WholeSolves, BoardsNearTheGoal) {
  for (unsigned n = 3; n <= 20; ++n) {
    for (const int moves : {1, 2, 5, 30, 300}) {
      ExpectSolved(NearGoal(n, n * 7 + moves, moves), "near " + std::to_string(n));
    }
  }
  ExpectSolved(NearGoal(50, 5, 1000), "near 50");
}

TEST(WholeSolves, BothSolversFinishTheSameBoards) {
  for (unsigned n = 3; n <= 12; ++n) {
    const Board board = RandomBoard(n, 42 + n);
    std::ostringstream out;
    SnakeSolver snakes(out);
    snakes.SetPuzzle(board);
    Solver parberry(out);
    parberry.board = board;
    Board bySnakes(board), byParberry(board);
    EXPECT_TRUE(bySnakes.ApplySequence(snakes.SolveSnakes().moves, out)) << n;
    EXPECT_TRUE(byParberry.ApplySequence(parberry::SolveParberry(parberry).moves, out)) << n;
    EXPECT_EQ(bySnakes.tiles, byParberry.tiles) << n;
    EXPECT_EQ(GoalBoard(n).tiles, bySnakes.tiles) << n;
  }
}
