// estimates.h: the moves a single placement and a snake are estimated to take.
#pragma once

#include "snake/pair_carrier.h"
#include "solver/position.h"

namespace snake {

/// Estimated moves to place one tile; ruleA and ruleB add the far-side detour of a row, a column.
int SingleTileCost(const Position& position, int targetIdx, int tileIdx, int blankIdx, char side,
                   bool ruleA, bool ruleB);
/// Estimated moves to bring tile A beside tile B and carry both as a snake to meetIdx.
int PairCost(const Position& position, int blankIdx, int meetIdx, int idxA, int idxB, bool adjust);

}  // namespace snake
