#pragma once

#include "strong/search_parameters.hpp"
#include "strong/strong_board.hpp"

namespace orvane::strong {

// The static value of a quiet position for the side to move: what the empty cells add to its
// value as the side to move, less what they add to the other side's as the side that waits,
// by the rule's learnt values of the shapes and threats a stone there would make; and for each
// threat that either side has a cell for at all, the rule's value of having it.
inline int Evaluate(const StrongBoard& board, Side toMove) {
  const Side other = opposite(toMove);
  const EvaluationWeights& weights = board.weights();
  int value = board.moverSum(toMove) - board.waitingSum(other);
  for (int threat = static_cast<int>(Threat::Minor);
       threat <= static_cast<int>(Threat::WinningFour); ++threat) {
    if (!board.cellsWith(toMove, static_cast<Threat>(threat)).empty())
      value += weights.moverHas[threat];
    if (!board.cellsWith(other, static_cast<Threat>(threat)).empty())
      value -= weights.waitingHas[threat];
  }
  return value;
}

// The order of a quiet cell: its worth to the side to move and, a little less, to the other.
inline int CellOrder(const StrongBoard& board, Side toMove, int cell) {
  return board.summary(toMove, cell).worth * tuning::OrderOwnWeight +
         board.summary(opposite(toMove), cell).worth * tuning::OrderOtherWeight;
}

}  // namespace orvane::strong
