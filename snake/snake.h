// snake.h: a two-tile snake: forming it from two adjacent tiles and carrying it along a route.
#pragma once

#include <vector>

#include "snake/blank_path_search.h"
#include "snake/marks.h"
#include "solver/solver.h"

namespace snake {

/// The snake's cells, head first, and the route its head is to take; it moves the solver's
/// tiles, closing the cells it enters and opening those it leaves in the marks.
class Snake {
 public:
  Snake(Solver& solver, Marks& marks) : solver(solver), marks(marks), router(solver, marks) {}
  Snake(const Snake&) = delete;
  Snake& operator=(const Snake&) = delete;

  /// The snake's cells, head first; empty when there is none.
  const std::vector<int>& Cells() const { return cells; }
  /// Replaces the snake's cells.
  void SetCells(std::vector<int> snakeCells) { cells = std::move(snakeCells); }
  /// The cells the head is to enter, in order.
  const std::vector<int>& Path() const { return path; }
  /// The route, to be built in place.
  std::vector<int>& Path() { return path; }

  /// Builds the two-cell snake from two adjacent tiles and leaves the blank next to its head.
  bool Form(int tileA, int tileB);
  /// Moves every snake tile one cell forward, the head into the blank next to it; false, with
  /// nothing moved, when the blank is not next to the head.
  bool MoveAlongSnake();
  /// Carries the head through every cell of the path; false when the snake is empty or a step
  /// could not be made.
  bool MoveAlongPath();
  /// The router the snake walks the blank with.
  BlankRouter& Router() { return router; }

 private:
  int Side() const { return static_cast<int>(solver.Current().Side()); }
  /// One step of MoveAlongPath, the walk to cell and the snake's step into it, added to
  /// pendingSteps, when a detour is found; false, with nothing done, otherwise. With a previous
  /// step (found.walk set) the detour is looked for from that one.
  bool StepAlongDetour(int cell, DetourFound& found);
  /// Applies the steps StepAlongDetour left pending, as one text.
  void ApplyPendingSteps();
  /// The letters that move every snake tile one cell forward with the blank at cell from, the
  /// head first, each a real step on the board; false when one is not.
  bool SnakeStepLetters(int from, MoveSequence& letters) const;
  /// What MoveAlongSnake does to the snake and the marks once the blank stands at from; returns
  /// where the blank then stands.
  int AdvanceSnake(int from);

  Solver& solver;
  Marks& marks;
  BlankRouter router;
  std::vector<int> cells;
  std::vector<int> path;
  /// Where the blank stands once the pending steps are applied.
  int pendingBlank = 0;
  // Working storage, kept to save an allocation per step
  MoveSequence stepMoves;
  /// The letters of the snake steps not yet applied (the first pendingSteps.length of
  /// pendingLetters), and their reach as a piece.
  MoveSequence pendingLetters;
  MovePiece pendingSteps{""};
};

}  // namespace snake
