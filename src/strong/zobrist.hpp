#pragma once

#include <array>
#include <cstdint>

#include "patterns/board.hpp"

namespace orvane::strong {

namespace zobrist_detail {

// A fixed stream of well-mixed 64-bit numbers, so that every build hashes alike.
constexpr std::uint64_t mixed(std::uint64_t seed) {
  std::uint64_t z = seed + 0x9e3779b97f4a7c15ull;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

using KeyTable = std::array<std::array<std::uint64_t, CellCount>, 2>;

constexpr KeyTable buildKeys() {
  KeyTable keys{};
  for (int side = 0; side < 2; ++side) {
    for (int cell = 0; cell < CellCount; ++cell)
      keys[side][cell] = mixed(static_cast<std::uint64_t>(side * CellCount + cell + 1));
  }
  return keys;
}

}  // namespace zobrist_detail

// The key of a stone of each side on each cell; a position's hash is the exclusive or of the keys
// of its stones, of the key of the game (its rule, and in renju which side is black), and of
// OpponentToMoveKey when the opponent is to move. The game's key keeps apart what the tables
// learnt under other rules, so that they need no clearing when the rule changes.
inline constexpr zobrist_detail::KeyTable StoneKeys = zobrist_detail::buildKeys();
inline constexpr std::uint64_t OpponentToMoveKey = zobrist_detail::mixed(2 * CellCount + 1);
constexpr std::uint64_t GameKey(int rule, int blackSide) {
  return zobrist_detail::mixed(
      static_cast<std::uint64_t>(2 * CellCount + 2 + 3 * rule + blackSide + 1));
}

}  // namespace orvane::strong
