// grid.h: the planner's working board: cells, where each tile is, placed cells, and the moves.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "board/board.h"
#include "solver/direction.h"
#include "solver/position.h"

namespace planner {

/// Directions as the planner's searches hold them: the number of a Direction, 0 ... 3 in the
/// order U, D, L, R, so that a direction's opposite differs in the lowest bit.
inline constexpr int UP = Index(Direction::UP);
inline constexpr int DOWN = Index(Direction::DOWN);
inline constexpr int LEFT = Index(Direction::LEFT);
inline constexpr int RIGHT = Index(Direction::RIGHT);
/// Row and column steps of each direction, by its number.
inline constexpr int DIR_ROW[] = {RowStep(Direction::UP), RowStep(Direction::DOWN),
                                  RowStep(Direction::LEFT), RowStep(Direction::RIGHT)};
inline constexpr int DIR_COL[] = {ColStep(Direction::UP), ColStep(Direction::DOWN),
                                  ColStep(Direction::LEFT), ColStep(Direction::RIGHT)};
/// The eight cells round a cell, clockwise from the one above it, as row and column steps.
inline constexpr int RING_ROW[] = {-1, -1, 0, 1, 1, 1, 0, -1};
inline constexpr int RING_COL[] = {0, 1, 1, 1, 0, -1, -1, -1};
/// Ring position of each side: UP, DOWN, LEFT, RIGHT.
inline constexpr int RING_OF_SIDE[] = {0, 4, 6, 2};

/// The two ways round a ring of cells from one position to another: forwards (clockwise round
/// a tile), then backwards, as the bit set of positions each passes (the end included) and its
/// length.
struct RingWays {
  uint32_t cells[2];
  int length[2];
};
/// The ways from position `from` to `to` on a ring of `size` positions (at most 31).
constexpr RingWays WaysRound(int size, int from, int to) {
  // The `count` positions from `first` on, wrapping round.
  auto run = [size](int first, int count) {
    const uint32_t bits = (1u << count) - 1;
    return ((bits << first) | (bits >> (size - first))) & ((1u << size) - 1);
  };
  RingWays ways{};
  ways.length[0] = to >= from ? to - from : to - from + size;
  ways.length[1] = from == to ? 0 : size - ways.length[0];
  // Forwards the cells after `from` up to `to`; backwards those from `to` up to before `from`.
  ways.cells[0] = run(from + 1 == size ? 0 : from + 1, ways.length[0]);
  ways.cells[1] = run(to, ways.length[1]);
  return ways;
}

/// The shorter of the ways whose positions all are in the bit set `free`, of equally short ones
/// the one for which pushesOf(way) is less, forwards among equals, as BlankRouter::WalkRound
/// walks round: its length, its pushesOf into `pushes` and, if asked, the way (0 forwards) into
/// `chosen`; -1 when both are cut.
template <typename PushesOf>
constexpr int CheaperFreeWay(const RingWays& ways, uint32_t free, PushesOf pushesOf, int& pushes,
                             int* chosen = nullptr) {
  // Only ways that could be taken are costed: a longer free way never is while a shorter one is.
  const bool free0 = (free & ways.cells[0]) == ways.cells[0];
  const bool free1 = (free & ways.cells[1]) == ways.cells[1];
  int way = 0;
  if (free0 && free1 && ways.length[0] == ways.length[1]) {
    const int forwards = pushesOf(0), backwards = pushesOf(1);
    way = backwards < forwards ? 1 : 0;
    pushes = way == 0 ? forwards : backwards;
  } else if (free0 && (!free1 || ways.length[0] < ways.length[1])) {
    pushes = pushesOf(0);
  } else if (free1) {
    way = 1;
    pushes = pushesOf(1);
  } else {
    return -1;
  }
  if (chosen != nullptr) *chosen = way;
  return ways.length[way];
}
/// The length of the shorter of the ways whose positions all are in `free`; -1 when both are cut.
constexpr int ShorterFreeWay(const RingWays& ways, uint32_t free) {
  int pushes = 0;
  return CheaperFreeWay(
      ways, free, [](int) { return 0; }, pushes);
}
/// The direction of a step of one cell, `rows` down and `cols` right.
constexpr int DirOfStep(int rows, int cols) {
  return rows < 0 ? UP : rows > 0 ? DOWN : cols < 0 ? LEFT : RIGHT;
}

/// What a move of the blank costs a walk, before what it pays for the tile it pushes.
constexpr int STEP_COST = 4;

/// How soon a tile is placed (see Grid::SetUnsolved).
enum class Urgency : uint8_t { LATER, SOON, NOW };

/// What a walk pays, besides STEP_COST a move, for each tile it pushes a step, so that over a
/// solve the tiles drift homewards and later placements are shorter.
struct PushPenalties {
  /// A tile not placed soon pushed away from home.
  int away;
  /// A tile placed soon (see Grid::SetUnsolved) pushed away from home, whose drift pays off
  /// before other walks can undo it.
  int urgentAway;
  /// A tile not placed soon pushed homewards (one placed soon costs nothing), so that walks
  /// rather push the tiles placed soon homewards, and weigh the others' drift less: 0.8 to 1.4 %
  /// shorter solutions at sides 10 to 100.
  int homeward;
  /// A tile of the first NOW_LINES rows and columns of the unsolved part, placed within a step
  /// or so, pushed away from home.
  int nowAway;
  /// The one rule behind Grid::PushCost and the sums the searches take of it.
  constexpr int Of(bool isAway, Urgency urgency) const {
    if (!isAway) return urgency == Urgency::LATER ? homeward : 0;
    return urgency == Urgency::NOW ? nowAway : urgency == Urgency::SOON ? urgentAway : away;
  }
};

/// The penalties of a board of side n. Up to side 21, a tile placed now costs as one placed
/// soon. Past it, it costs 6: solutions 0.35 to 0.65 in a hundred shorter at sides 25 to 60 and
/// 0.2 to 0.3 at sides 75 to 100, in about the same time (5 and 7 save a little less; 4 to 8
/// lines of such tiles no more at sides 30 to 50, for more time). Past it too, a tile not placed
/// soon costs 3 to push away, not 2: 0.1 to 0.4 in a hundred shorter again at sides 22 to 60,
/// for 1.1 times the time at side 50 (the domino search goes wider), and 0.25 to 0.7 at sides 61
/// to 100, for 1.07 times the time at side 100 with the domino search's estimate raised to match
/// there (PairMover). On smaller boards both made solutions 0.2 to 0.5 in a hundred longer at
/// sides 7 to 15.
constexpr PushPenalties PenaltiesOfSide(int n) {
  return n <= 21 ? PushPenalties{2, 4, 1, 4} : PushPenalties{3, 4, 1, 6};
}
/// The lines of tiles placed now.
constexpr int NOW_LINES = 3;

/// The position engine with what the planner adds: a mark per cell that is placed for good (or
/// held for a moment), and per cell the directions that take its tile homewards, what pushing
/// it each way costs a walk, and the state of the eight cells round it.
class Grid {
 public:
  /// Takes the side and tiles of a permutation board.
  explicit Grid(const Board& board);

  int Side() const { return n; }
  int Blank() const { return static_cast<int>(position.Blank()); }
  int TileAt(int cell) const { return position.Cells()[cell]; }
  /// The tile of every cell, row by row (0 for the blank).
  const std::vector<int>& Cells() const { return position.Cells(); }
  int CellOf(int tile) const { return static_cast<int>(position.CellOf(tile)); }
  /// The cell where tile t belongs: t - 1.
  static int GoalOf(int tile) { return tile - 1; }
  /// The tile that belongs at the cell on an n x n board.
  int TileFor(int cell) const { return cell + 1; }
  int Row(int cell) const { return rowOf[cell]; }
  int Col(int cell) const { return colOf[cell]; }
  int CellAt(int row, int col) const { return row * n + col; }
  /// The neighbour of the cell in the direction, or -1 off the board.
  int Neighbour(int cell, int dir) const {
    switch (dir) {
      case UP:
        return rowOf[cell] > 0 ? cell - n : -1;
      case DOWN:
        return rowOf[cell] < n - 1 ? cell + n : -1;
      case LEFT:
        return colOf[cell] > 0 ? cell - 1 : -1;
      default:
        return colOf[cell] < n - 1 ? cell + 1 : -1;
    }
  }

  /// What the neighbour in the direction adds to a cell's number, where it is on the board.
  int Offset(int dir) const { return offsets[dir]; }

  /// True for a cell that must not change: placed, or held by the caller.
  bool IsLocked(int cell) const { return locked[cell] != 0; }
  void Lock(int cell) {
    locked[cell] = 1;
    UpdateRings(cell);
  }
  void Unlock(int cell) {
    locked[cell] = 0;
    UpdateRings(cell);
  }

  /// Marks as urgent the tiles of the first few rows and columns of the unsolved part, which
  /// starts at (top, left); extraLines more (or fewer, down to one) than the usual few. Of
  /// those, the tiles of the first NOW_LINES are placed now.
  void SetUnsolved(int top, int left, int extraLines = 0);
  /// What pushing a tile costs walks on this board.
  const PushPenalties& Penalties() const { return penalties; }
  /// What moving the cell's tile one step in the direction adds to a walk (Penalties); 0 for the
  /// blank.
  int PushCost(int cell, int dir) const { return (pushCosts[cell] >> (8 * dir)) & 0xff; }
  /// The eight cells round the cell (RING_ROW, RING_COL), as of the last RefreshRings: bit k
  /// says ring cell k is on the board and not locked, bit 8 + k that the blank stepping into it
  /// clockwise (its tile going to ring cell k - 1) pushes its tile away from home, bit 16 + k
  /// the same counter-clockwise, bit 24 + k that its tile is placed soon. The blank's cell reads
  /// as a tile not placed soon that every step pushes homewards.
  uint32_t Ring(int cell) const { return rings[cell]; }
  /// Bits 0 to 7 of Ring, always current: which ring cells are on the board and not locked.
  uint32_t FreeRing(int cell) const { return rings[cell] & 255; }
  /// Brings the rings up to date with the moves made since the last call. Only the tile
  /// searches read more of a ring than FreeRing, once a tile, while the blank's walks between
  /// them pass the same cells again and again: the rings are brought up to date for the reader,
  /// not at every move.
  void RefreshRings();

  /// Moves the blank one cell; the move must stay off locked cells, and one off the board
  /// changes nothing.
  void Move(int dir);
  /// Moves the blank one cell in each direction in turn, as Move does each.
  void Walk(const std::vector<int8_t>& dirs);
  /// Every move made so far.
  const MoveSequence& Moves() const { return position.Moves(); }
  /// A point in the moves to roll back to.
  size_t Mark() const { return position.Mark(); }
  /// Undoes every move made since the mark; cells locked since stay locked.
  void RollBack(size_t mark);
  /// The sum of every tile's row and column distances from home, kept up to date move by move.
  long long Distance() const { return distance; }
  /// Appends letters made elsewhere (a finishing search), applying each.
  void ApplyLetters(const MoveSequence& letters);

 private:
  int n;
  int offsets[4];
  Position position;
  std::vector<uint8_t> locked;
  std::vector<Urgency> urgency;
  PushPenalties penalties;
  // Per cell, one byte per direction: PushCost.
  std::vector<uint32_t> pushCosts;
  // Per cell, the directions that push its tile away from home, and URGENT_BIT for an urgent
  // tile.
  static constexpr uint32_t URGENT_BIT = 16;
  std::vector<uint8_t> pushState;
  // By a tile's urgency and the directions that push it away from home (BLANK_KEY for the
  // blank): its cell's push costs and push state, worked out once for every cell a walk passes.
  struct PushEntry {
    uint32_t costs;
    uint8_t state;
  };
  static constexpr uint32_t BLANK_KEY = 16;
  PushEntry pushEntries[3][BLANK_KEY + 1];
  // The rings as of the last RefreshRings, but for the free bits, which Lock and Unlock keep
  // current; the cells whose push state has changed since, each once, and a mark per cell for
  // those listed.
  std::vector<uint32_t> rings;
  std::vector<int> staleCells;
  std::vector<uint8_t> stale;
  /// Recomputes the push costs of one cell, and lists it for its part of the rings.
  void UpdateHomeward(int cell);
  /// Rewrites what the cell says in the rings of its neighbours.
  void UpdateRings(int cell);
  /// Makes `steps` moves of the blank, step(i) making move i, brings the distance and push
  /// costs up to date and lists the cells for the rings: the one loop of Walk and RollBack.
  template <typename StepOf>
  void Retrace(size_t steps, StepOf step);
  /// Counts into the distance the tile that has just stepped from `to` into `from`.
  void Stepped(int from, int to) {
    if (from == to) return;  // a move the position refused: the blank holds no home to read
    const int home = GoalOf(TileAt(from));
    distance += std::abs(rowOf[from] - rowOf[home]) + std::abs(colOf[from] - colOf[home]) -
                std::abs(rowOf[to] - rowOf[home]) - std::abs(colOf[to] - colOf[home]);
  }
  long long distance = 0;
  // Row and column of every cell, to spare the searches a division per look.
  std::vector<int16_t> rowOf;
  std::vector<int16_t> colOf;
  // The cells the blank passed in the last Walk, kept for their storage.
  std::vector<int> walked;
};

}  // namespace planner
