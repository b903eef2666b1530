// move_automaton_test.cpp: the replaceable sequences, and that a search skipping them still meets
// the first shortest path to every position, walls and all.
#include "exact/move_automaton.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(MoveAutomaton, TheShortestSequencesGoRoundASquareOnceAndAHalf) {
  // Round a 2 x 2 square one way and half as far again, or the other way: the same three tiles
  // end in the same cells.
  const MoveAutomaton automaton(7);
  EXPECT_EQ((std::vector<std::string>{"LURDLU", "LDRULD", "RULDRU", "RDLURD"}),
            automaton.Sequences());
  std::uint16_t state = MoveAutomaton::START;
  for (const char letter : std::string("UULURDL")) {
    state = automaton.Next(state, static_cast<int>(std::string("UDLR").find(letter)));
    ASSERT_NE(MoveAutomaton::SKIP, state);
  }
  EXPECT_EQ(MoveAutomaton::SKIP, automaton.Next(state, 0));
}

TEST(MoveAutomaton, TheStoredAutomatonIsTheOneBuiltNow) {
  EXPECT_EQ(MoveAutomaton(MoveAutomaton::SHARED_LENGTH).Table(), MoveAutomaton::Shared().Table());
}

// The first path in the order U, D, L, R of the shortest to every position within maxDepth
// moves of the start, on a board of side n, with or without the automaton's skips.
class FirstPaths {
 public:
  FirstPaths(int n, int blank, int maxDepth, const MoveAutomaton* automaton)
      : n(n), maxDepth(maxDepth), automaton(automaton), cells(static_cast<size_t>(n * n)) {
    for (int cell = 0; cell < n * n; ++cell) cells[static_cast<size_t>(cell)] = cell;
    Walk(blank, -1, MoveAutomaton::START);
  }
  std::map<std::vector<int>, std::string> first;
  size_t walked = 0;

 private:
  void Walk(int blank, int last, std::uint16_t state) {
    ++walked;
    auto [known, inserted] = first.emplace(cells, path);
    const std::string& best = known->second;
    if (!inserted && (path.size() < best.size() || (path.size() == best.size() && path < best)))
      known->second = path;
    if (static_cast<int>(path.size()) == maxDepth) return;
    for (int d = 0; d < 4; ++d) {
      if (d == (last ^ 1)) continue;
      const int row = blank / n + (d == 0 ? -1 : d == 1 ? 1 : 0);
      const int col = blank % n + (d == 2 ? -1 : d == 3 ? 1 : 0);
      if (row < 0 || row >= n || col < 0 || col >= n) continue;
      const std::uint16_t next = automaton ? automaton->Next(state, d) : MoveAutomaton::START;
      if (next == MoveAutomaton::SKIP) continue;
      const int to = row * n + col;
      std::swap(cells[static_cast<size_t>(blank)], cells[static_cast<size_t>(to)]);
      path += static_cast<char>('0' + d);
      Walk(to, d, next);
      path.pop_back();
      std::swap(cells[static_cast<size_t>(blank)], cells[static_cast<size_t>(to)]);
    }
  }
  int n, maxDepth;
  const MoveAutomaton* automaton;
  std::vector<int> cells;
  // The directions' numbers '0' ... '3', so that paths of one length compare in the order U, D,
  // L, R.
  std::string path;
};

TEST(MoveAutomaton, SkippingKeepsTheFirstShortestPathToEveryPosition) {
  const MoveAutomaton& automaton = MoveAutomaton::Shared();
  // From a corner, an edge and the middle: the walls cut the paths that an unbounded board
  // would allow, and a replacing sequence must stay within them.
  const struct {
    int n, blank, depth;
  } starts[] = {{4, 15, 14}, {4, 1, 14}, {4, 5, 14}, {5, 12, 10}};
  for (const auto& start : starts) {
    const FirstPaths all(start.n, start.blank, start.depth, nullptr);
    const FirstPaths skipping(start.n, start.blank, start.depth, &automaton);
    EXPECT_EQ(all.first, skipping.first) << start.n << " " << start.blank;
    EXPECT_LT(skipping.walked, all.walked) << start.n << " " << start.blank;
  }
}

}  // namespace
