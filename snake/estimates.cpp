// estimates.cpp: the moves a single placement and a snake are estimated to take.
#include "snake/estimates.h"

#include <algorithm>
#include <cstdlib>

namespace snake {
namespace {

// Where the blank ends beside the tile on side 'R' or 'U'; the tile may be pushed a cell.
Cell ApproachCell(char side, int blankRow, int blankCol, int& tileRow, int& tileCol) {
  if (side == 'R') {
    if (blankCol < tileCol) --tileCol;
    return {tileRow, tileCol + 1};
  }
  if (blankRow > tileRow) ++tileRow;
  return {tileRow - 1, tileCol};
}

}  // namespace

int SingleTileCost(const Position& position, int targetIdx, int tileIdx, int blankIdx, char side,
                   bool ruleA, bool ruleB) {
  const int n = static_cast<int>(position.Side());
  if (position.Cells().empty() || n < 2) return -1;
  const int br = blankIdx / n, bc = blankIdx % n;
  int tr = tileIdx / n, tc = tileIdx % n;
  const int gr = targetIdx / n, gc = targetIdx % n;
  const Cell approach = ApproachCell(side, br, bc, tr, tc);
  int cost = std::abs(br - approach.row) + std::abs(bc - approach.col);
  if (tileIdx == targetIdx) return cost;
  // Six moves per diagonal step of the tile, five per straight one.
  const int dr = std::abs(tr - gr), dc = std::abs(tc - gc);
  cost += 5 * std::abs(dr - dc) + 6 * std::min(dr, dc);
  // A tile that has to come round to the far side of its goal costs a detour more.
  if (ruleA && tr + tc <= gr + gc) {
    cost += 4;
  } else if (ruleB && tr - tc >= gr - gc) {
    cost += 4;
  }
  return cost;
}

int PairCost(const Position& position, int blankIdx, int meetIdx, int idxA, int idxB, bool adjust) {
  const int n = static_cast<int>(position.Side());
  if (position.Cells().empty() || n < 2) return -1;
  const int br = blankIdx / n, bc = blankIdx % n;
  const int mr = meetIdx / n, mc = meetIdx % n;
  const int ar = idxA / n, ac = idxA % n;
  int qr = idxB / n, qc = idxB % n;
  const int toA = std::abs(br - ar) + std::abs(bc - ac) - 1;
  const int dR = std::abs(ar - qr), dC = std::abs(ac - qc);
  const int walk = dR == dC ? 5 + 6 * (dR - 1)
                            : 5 * (std::max(dR, dC) - std::min(dR, dC) - 1) + 6 * std::min(dR, dC);
  if (adjust) {
    // The snake starts from the cell beside B that faces A.
    const int s1 = ar + ac, s2 = qr + qc, d1 = ar - ac, d2 = qr - qc;
    if (s1 < s2 && d1 > d2) {
      --qc;
    } else if (s1 < s2) {
      --qr;
    } else if (d1 < d2) {
      ++qc;
    } else if (s1 == s2) {
      --qc;
    } else {
      ++qr;
    }
  }
  const int eR = std::abs(qr - mr), eC = std::abs(qc - mc);
  return toA + walk + 7 * std::max(eR, eC) + 3 * std::min(eR, eC) + 3;
}

}  // namespace snake
