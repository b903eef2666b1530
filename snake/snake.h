// snake.h: a two-tile snake: forming it from two adjacent tiles and carrying it along a route.
#pragma once

#include <vector>

#include "snake/blank_path_search.h"
#include "snake/marks.h"
#include "solver/solver.h"

namespace snake {

/// The snake's cells, head first, and its head's route; it closes the cells it enters.
class Snake {
 public:
  Snake(Solver& solver, Marks& marks) : solver(solver), marks(marks), router(solver, marks) {}
  Snake(const Snake&) = delete;
  Snake& operator=(const Snake&) = delete;

  /// The snake's cells, head first; empty when there is none.
  const std::vector<int>& Cells() const { return cells; }
  /// Replaces the snake's cells.
  void SetCells(std::vector<int> snakeCells) { cells = std::move(snakeCells); }
  /// The cells the head is to enter, in order, to be built in place.
  std::vector<int>& Path() { return path; }

  /// Builds the two-cell snake from two adjacent tiles and leaves the blank next to its head.
  bool Form(int tileA, int tileB);
  /// Moves the snake one cell forward into the blank; false, nothing moved, when it cannot.
  bool MoveAlongSnake();
  /// Carries the head along the path; false when a step could not be made.
  bool MoveAlongPath();

 private:
  int Side() const { return static_cast<int>(solver.Current().Side()); }
  /// Adds the listed walk to cell and the snake's step into it to pendingSteps; false, nothing
  /// done, without one. found.walkAndStep set means it follows the previous step.
  bool StepAlongDetour(int cell, DetourFound& found);
  /// Applies the steps StepAlongDetour left pending, as one text.
  void ApplyPendingSteps();

  Solver& solver;
  Marks& marks;
  BlankRouter router;
  std::vector<int> cells;
  std::vector<int> path;
  /// The snake steps not yet applied, and their reach as a piece.
  MoveSequence pendingLetters;
  MovePiece pendingSteps{""};
};

}  // namespace snake
