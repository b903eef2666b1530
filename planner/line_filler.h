// line_filler.h: filling the first row or column of the unsolved part, tile by tile.
#pragma once

#include <vector>

#include "planner/blank_router.h"
#include "planner/grid.h"
#include "planner/pair_mover.h"
#include "planner/tile_mover.h"

namespace planner {

/// A row or column to fill: its cells in order along it, and the direction from it into the
/// unsolved part of the board.
struct Line {
  std::vector<int> targets;
  int inward = DOWN;
  /// The direction along it, from its first cell to its second: RIGHT for a row, DOWN for a column.
  int Along() const { return inward ^ 2; }
};

/// Fills lines from the cheaper end: single tiles by shortest walks, neighbours as a domino where
/// that pays, the last two by a search in a small window.
class LineFiller {
 public:
  /// How a step of a line chooses what to fill.
  enum class Trials {
    /// The end whose tile is estimated cheaper to bring, or the dearer where the two estimates
    /// are near each other; as a domino where that is estimated cheaper.
    NONE,
    /// Both ends are filled in turn, the domino chosen as with NONE; the cheaper is kept. Where
    /// one end's tile is estimated far dearer to bring than the other's, only the other is filled.
    ENDS,
    /// Both ends, each with a single tile and with a domino; the cheapest of the four is kept.
    /// The last two tiles are brought one by one and as a domino, and the cheaper is kept.
    ENDS_AND_DOMINOES,
  };
  explicit LineFiller(Trials trials) : trials(trials) {}

  /// Puts the line's tiles on its cells and locks them; false, perhaps part-filled, when a search
  /// failed.
  bool Fill(Grid& grid, const Line& line);
  /// Limits the work of the domino searches (PairMover::LimitWork) from now on.
  void LimitDominoWork(long long states) { pairMover.LimitWork(states); }

 private:
  /// A way to carry two tiles as a domino: `walker` walks to `cell`, beside the other, and the
  /// two go on together; `moves` estimates both walks.
  struct DominoPlan {
    int moves = 1 << 30;
    int walker = -1;
    int cell = -1;
  };
  /// The cheapest estimated way to bring tile a to targetA and tile b beside it in direction
  /// goalOrient as a domino; walker -1 when there is none.
  DominoPlan PlanDomino(const Grid& grid, int tileA, int tileB, int targetA, int goalOrient) const;
  /// Carries the tiles as planned; false, perhaps half done, when a search failed.
  bool CarryDomino(Grid& grid, int tileA, int tileB, int targetA, int goalOrient,
                   const DominoPlan& plan);
  /// Fills an end of the run lo ... hi of the line in each way that `trials` names (without
  /// trials, the one the estimates pick), and keeps the cheapest (see Cheapest); false when none
  /// could be filled.
  bool PlaceCheapest(Grid& grid, const Line& line, int& lo, int& hi);
  /// What PlaceAtEnd places: a domino where the estimate says so, else a single tile; one
  /// single tile; a domino.
  enum class Placing { ESTIMATED, SINGLE, DOMINO };
  /// Fills cell lo, or hi when fromBack, and for a domino the next, as `how` says, and moves lo
  /// or hi past them; false, perhaps part-moved, when a search failed or no domino could be
  /// placed.
  bool PlaceAtEnd(Grid& grid, const Line& line, bool fromBack, int& lo, int& hi, Placing how);
  /// Places the tiles of cells `first` and `first + 1` together as a domino, whenCheaper only
  /// when its estimate is clearly below that of one by one; true when it did.
  bool TryDomino(Grid& grid, const Line& line, int first, bool whenCheaper = true);
  /// The last two cells of the line, from index `first`, brought near as `how` says; with
  /// DOMINO, false when no domino could be planned for them.
  bool FillTail(Grid& grid, const Line& line, int first, Placing how = Placing::ESTIMATED);
  /// Runs place(way) for each way from 0 to ways - 1, each from the grid as it was, and keeps the
  /// grid of the way that succeeded and cost least, as moves plus DRIFT_WEIGHT times the growth
  /// of the tiles' distance from home; the line's targets lo ... hi are locked as that way left
  /// them. Returns the way, or -1 when none succeeded.
  template <typename Place>
  int Cheapest(Grid& grid, const Line& line, int lo, int hi, int ways, Place place);

  /// Walks the blank, round the tile, to the nearest side of it inside the window.
  bool WalkBlankBeside(Grid& grid, int tile, const std::vector<int>& window);

  Trials trials;
  // The moves of the cheapest way tried so far, and the targets it locked, while the others are
  // tried.
  std::vector<int8_t> trial;
  std::vector<int> trialLocked;
  TileMover mover;
  PairMover pairMover;
  BlankRouter router;
};

}  // namespace planner
