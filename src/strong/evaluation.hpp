#pragma once

#include "strong/search_parameters.hpp"
#include "strong/strong_board.hpp"

namespace orvane::strong {

// The static value of a quiet position for the side to move: what the empty cells add to its
// value as the side to move, less what they add to the other side's as the side that waits,
// by the rule's learnt values of the shapes and threats a stone there would make.
inline int Evaluate(const StrongBoard& board, Side toMove) {
  return board.moverSum(toMove) - board.waitingSum(opposite(toMove));
}

// The order of a quiet cell: its worth to the side to move and, a little less, to the other.
inline int CellOrder(const StrongBoard& board, Side toMove, int cell) {
  return board.summary(toMove, cell).worth * tuning::OrderOwnWeight +
         board.summary(opposite(toMove), cell).worth * tuning::OrderOtherWeight;
}

}  // namespace orvane::strong
