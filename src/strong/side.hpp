#pragma once

#include <cstdint>

#include "patterns/board.hpp"

namespace orvane::strong {

// The two sides by their stones: the brain's own and the opponent's.
enum class Side : std::uint8_t { Own = 0, Opponent = 1 };

constexpr Side opposite(Side side) {
  return side == Side::Own ? Side::Opponent : Side::Own;
}

constexpr int sideIndex(Side side) {
  return static_cast<int>(side);
}

constexpr CellState stoneOf(Side side) {
  return side == Side::Own ? CellState::Own : CellState::Opponent;
}

}  // namespace orvane::strong
