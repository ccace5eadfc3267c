#pragma once

#include <string>

#include "patterns/board.hpp"

namespace orvane::testing {

// The board as 20 text rows from y = 0 down ("X" own, "O" opponent, "-" empty), for failure
// messages; the reverse of BoardFromRows.
inline std::string BoardAsRows(const Board& board) {
  std::string text;
  for (int y = 0; y < BoardSide; ++y) {
    for (int x = 0; x < BoardSide; ++x) {
      const CellState state = board.at(x, y);
      text += state == CellState::Own ? 'X' : state == CellState::Opponent ? 'O' : '-';
    }
    text += '\n';
  }
  return text;
}

}  // namespace orvane::testing
