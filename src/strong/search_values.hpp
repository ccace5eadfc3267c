#pragma once

#include <cstdint>

namespace orvane::strong {

// Values from the side to move. A win whose five comes on ply p from the root is worth
// Mate - p, a loss -(Mate - p); every other value lies within +-MateBound.
inline constexpr int Mate = 30000;
inline constexpr int MateBound = Mate - 1000;
inline constexpr int Infinite = Mate + 1;

constexpr int winWithFiveAt(int ply) {
  return Mate - ply;
}
constexpr int lossWithFiveAt(int ply) {
  return -(Mate - ply);
}
constexpr bool isDecided(int value) {
  return value > MateBound || value < -MateBound;
}

// The table keeps a win or a loss as counted from the node that stored it, so that the same
// position reached at another ply reads it right.
constexpr int toTable(int value, int ply) {
  if (value > MateBound) return value + ply;
  if (value < -MateBound) return value - ply;
  return value;
}
constexpr int fromTable(int value, int ply) {
  if (value > MateBound) return value - ply;
  if (value < -MateBound) return value + ply;
  return value;
}

// The moves of the winning side up to and including its five, the move now counting 1, for a
// decided value at the root.
constexpr int movesToFive(int value) {
  const int ply = value > 0 ? Mate - value : Mate + value;
  return (ply + 1) / 2;
}

}  // namespace orvane::strong
