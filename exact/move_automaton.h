// move_automaton.h: the blank's move sequences that a shorter or earlier one replaces, and an
// automaton that spots them at the end of a path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// An automaton over the blank's moves, numbered 0 ... 3 for U, D, L, R, that flags every path
/// ending in a replaceable sequence: one that leaves every tile where another sequence does, from
/// any start where both can be made. The other is no longer, comes first in the order U, D, L, R
/// when as long, and keeps the blank within the rows and columns the replaced one spans, so it
/// can be made wherever the replaced one can. Only the shortest replaceable sequences are kept
/// (no prefix or suffix of one is replaceable), and none that takes the blank straight back.
///
/// A depth-first search that tries moves in that order, never takes the blank straight back and
/// skips flagged paths still meets, for every position, the first in that order of the shortest
/// paths there: any path holding a replaceable sequence has an earlier or shorter twin.
class MoveAutomaton {
 public:
  /// The state of the empty path.
  static constexpr std::uint16_t START = 0;
  /// What Next returns once the path ends in a replaceable sequence.
  static constexpr std::uint16_t SKIP = 0xFFFF;
  /// The longest sequences Shared looks for: longer ones add much to the automaton and spare
  /// few positions more.
  static constexpr int SHARED_LENGTH = 12;

  /// The automaton of the replaceable sequences of at most maxLength moves, 1 ... 12: a fraction
  /// of a second for 12.
  explicit MoveAutomaton(int maxLength);
  /// The automaton whose Table() this is; it knows no Sequences().
  MoveAutomaton(const std::uint16_t* table, std::size_t entries);
  /// The automaton of sequences of up to SHARED_LENGTH moves, as the build stored it; shared,
  /// safe to call from many threads.
  static const MoveAutomaton& Shared();

  /// The state after one more move in the direction, or SKIP. `state` is START or a state Next
  /// returned, never SKIP.
  std::uint16_t Next(std::uint16_t state, int direction) const {
    return next[4 * std::size_t{state} + static_cast<std::size_t>(direction)];
  }
  /// The replaceable sequences as letters, by length and then in the order U, D, L, R.
  const std::vector<std::string>& Sequences() const { return sequences; }
  /// Next of every state and direction, the state's four in a row.
  const std::vector<std::uint16_t>& Table() const { return next; }

 private:
  std::vector<std::uint16_t> next;
  std::vector<std::string> sequences;
};
