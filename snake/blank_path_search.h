// blank_path_search.h: the blank's shortest walk over free cells, round a two-tile snake
// without searching where a listed walk fits.
#pragma once

#include <vector>

#include "snake/marks.h"
#include "solver/solver.h"

namespace snake {

/// What FollowDetour finds: the walk, the walk with the snake's step into the target after it,
/// the rows and columns of the blank, the tail, the head and the target, and the steps from each
/// of the first three to the next (0 ... 3 for up, right, left, down).
struct DetourFound {
  const MovePiece* walk = nullptr;
  const MovePiece* walkAndStep = nullptr;
  int rows[4] = {};
  int cols[4] = {};
  int codes[3] = {};
};

/// Routes the solver's blank over the cells its marks leave free. Its walk is, of all the
/// shortest walks, the first in the order of letters up, right, left, down.
class BlankRouter {
 public:
  BlankRouter(Solver& solver, Marks& marks) : solver(solver), marks(marks) {}
  BlankRouter(const BlankRouter&) = delete;
  BlankRouter& operator=(const BlankRouter&) = delete;

  /// The blank's shortest walk to target over free cells, without moving it; empty, with a
  /// message, when the target cannot be reached. snake is the snake's cells, head first.
  MoveSequence FindMovesTo(int target, const std::vector<int>& snake);
  /// FindMovesTo as a piece, valid until the next routing; Found tells whether it got there.
  MovePiece RouteBlankTo(int target, const std::vector<int>& snake);
  /// Whether the last routing reached its target.
  bool Found() const { return routeFound; }
  /// Notes that a walk reached its target without a routing.
  void NoteFound() { routeFound = true; }

  /// With a snake of two tiles and the blank next to its tail: the walk round the snake to the
  /// target next to its head, without a search; false when it needs one.
  bool FollowDetour(int target, const std::vector<int>& snake, DetourFound& found) const;
  /// FollowDetour right after the snake moved into the target of found, which it updates.
  bool FollowDetourOn(int target, const std::vector<int>& snake, DetourFound& found) const;

 private:
  int Side() const { return static_cast<int>(solver.Current().Side()); }
  /// Row, column and step code i of found for the step from index from to index to, which
  /// must be a neighbour of the cell at i - 1; false when it is not.
  bool StepTo(int i, int from, int to, DetourFound& found) const;
  /// The first listed walk for found's shape whose cells are all free, into found; the tail's
  /// and the head's marks are looked at unless snakeClosed says they are known to be closed.
  bool MatchDetour(DetourFound& found, bool snakeClosed) const;
  /// The breadth-first search from start to target, into routeMoves; false, with a message,
  /// when the target cannot be reached. Every mark stays as it was.
  bool SearchRoute(int start, int target);

  Solver& solver;
  Marks& marks;
  // Working storage of the routing, kept to save an allocation per search
  std::vector<int> searchQueue;
  std::vector<int> route;
  MoveSequence routeMoves;
  bool routeFound = false;
};

}  // namespace snake
