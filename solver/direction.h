// direction.h: the four directions of the blank, their letters, opposites and steps.
#pragma once

#include <cstdint>

/// A direction of the blank, in the order of the letters U, D, L, R: a direction's opposite
/// differs in the lowest bit.
enum class Direction : std::uint8_t { UP = 0, DOWN = 1, LEFT = 2, RIGHT = 3 };

/// The letter of each direction, by its number.
inline constexpr char DIRECTION_LETTERS[] = "UDLR";

/// The direction's number, 0 ... 3.
constexpr int Index(Direction d) {
  return static_cast<int>(d);
}
/// The direction that undoes the direction.
constexpr Direction Opposite(Direction d) {
  return static_cast<Direction>(Index(d) ^ 1);
}
/// The blank's row step in the direction.
constexpr int RowStep(Direction d) {
  return d == Direction::UP ? -1 : d == Direction::DOWN ? 1 : 0;
}
/// The blank's column step in the direction.
constexpr int ColStep(Direction d) {
  return d == Direction::LEFT ? -1 : d == Direction::RIGHT ? 1 : 0;
}
/// The number of the direction a letter names, or 4 for any other character.
constexpr int CodeOf(char letter) {
  return letter == 'U' ? 0 : letter == 'D' ? 1 : letter == 'L' ? 2 : letter == 'R' ? 3 : 4;
}
