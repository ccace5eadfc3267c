#pragma once

#include "strong/search_parameters.hpp"
#include "strong/strong_board.hpp"

namespace orvane::strong {

// The static value of a quiet position for the side to move: what every empty cell is worth to
// it, by the pattern scores of the shapes a stone there would make, less what the cells are
// worth to the other side, which is a move behind.
inline int Evaluate(const StrongBoard& board, Side toMove) {
  const int own = board.worthSum(toMove);
  const int other = board.worthSum(opposite(toMove));
  return (own * tuning::EvalOwnWeight - other * tuning::EvalOtherWeight) / tuning::EvalDivisor;
}

// The order of a quiet cell: its worth to the side to move and, a little less, to the other.
inline int CellOrder(const StrongBoard& board, Side toMove, int cell) {
  return board.summary(toMove, cell).worth * tuning::OrderOwnWeight +
         board.summary(opposite(toMove), cell).worth * tuning::OrderOtherWeight;
}

}  // namespace orvane::strong
