// blank_path_search.h: the blank's shortest walk over free cells, round a two-tile snake
// without searching where a listed walk fits.
#pragma once

#include <optional>
#include <vector>

#include "snake/marks.h"
#include "solver/solver.h"

namespace snake {

struct DetourTable;

/// What FollowDetour finds: the walk followed by the snake's step, the cells of the blank, tail,
/// head and target, and the step codes between them (up, right, left, down).
struct DetourFound {
  /// At most 16 letters, and 16 characters can always be read from it.
  const MovePiece* walkAndStep = nullptr;
  int rows[4] = {};
  int cols[4] = {};
  int codes[3] = {};
};

/// Routes the blank over free cells by the first shortest walk in the letter order U, R, L, D.
class BlankRouter {
 public:
  BlankRouter(Solver& solver, Marks& marks);
  BlankRouter(const BlankRouter&) = delete;
  BlankRouter& operator=(const BlankRouter&) = delete;

  /// The blank's shortest walk to target, not made, as a piece valid until the next routing;
  /// none, with a message, when there is none. The blank's cell is left free.
  std::optional<MovePiece> FindMovesTo(int target);

  /// The listed walk round a two-tile snake to the target by its head; false when none fits.
  /// The snake's cells must be closed in the marks, as the walks avoid them. With
  /// found.walkAndStep set, the snake has just moved into found's target: found is updated.
  bool FollowDetour(int target, const std::vector<int>& snake, DetourFound& found) const;

 private:
  int Side() const { return static_cast<int>(solver.Current().Side()); }
  /// Cell and step code i of found for the step from to to; false when it is no step.
  bool StepTo(int i, int from, int to, DetourFound& found) const;
  /// Breadth-first search into routeMoves, leaving the marks as they were but the blank's cell
  /// free; false when the target cannot be reached.
  bool SearchRoute(int start, int target);

  Solver& solver;
  Marks& marks;
  // The listed walks, made on first use by any router.
  const DetourTable& detours;
  // Working storage of the routing, kept to save an allocation per search
  std::vector<int> searchQueue;
  MoveSequence routeMoves;
};

}  // namespace snake
