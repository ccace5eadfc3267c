#pragma once

#include "strong/strong_board.hpp"

namespace orvane::strong {

// The static value of a quiet position for the side to move: what every empty cell is worth to
// it, by the pattern scores of the shapes a stone there would make, less what the cells are
// worth to the other side, which is a move behind.
inline int Evaluate(const StrongBoard& board, Side toMove) {
  const int own = board.worthSum(toMove);
  const int other = board.worthSum(opposite(toMove));
  return (own * 5 - other * 4) / 16;
}

// The order of a quiet cell: its worth to the side to move and, a little less, to the other.
inline int CellOrder(const StrongBoard& board, Side toMove, int cell) {
  return board.summary(toMove, cell).worth * 5 + board.summary(opposite(toMove), cell).worth * 4;
}

}  // namespace orvane::strong
